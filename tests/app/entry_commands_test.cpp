// Adding entries by "+" and by Return, for both field-and-list pairs, and Return where it must
// add nothing.

#include <ranges>

#include "tests/app/main_form_fixture.h"

namespace quillmoor::app::testing {
namespace {

enum class Trigger { PlusButton, ReturnKey };

class AddEntryTest : public MainFormTest,
                     public ::testing::WithParamInterface<std::tuple<EntryPair, Trigger>> {
protected:
    const EntryPair& Pair() const { return std::get<0>(GetParam()); }

    void SetUp() override {
        MainFormTest::SetUp();
        ShowPage(Page::Klasse);
    }

    bool ByButton() const { return std::get<1>(GetParam()) == Trigger::PlusButton; }
    void Commit() { ByButton() ? ClickButton(Pair().button) : PressReturn(); }

    void Add(const std::string& text) {
        TypeInto(Pair().field, text);
        Commit();
    }
};

// The starting sample, spaces, duplicates and odd text go in unchanged, and adding does not
// regenerate; an empty field adds nothing, and a "+" clicked on it keeps the focus.
TEST_P(AddEntryTest, AppendsTheFieldUnchangedEmptiesItAndKeepsItFocused) {
    tk::WriteGadgetText(GadgetId::Output, "before");
    const std::vector<std::string> entries{
        tk::ReadGadgetText(Pair().field), "Run()",     "Name.s()", "   ", "X", "X", " (.",
        std::string(1000, 'a'),           "Gr\xFC\xDF"};
    ClickInto(Pair().field);
    Commit();
    for (const std::string& entry : entries | std::views::drop(1)) {
        Add(entry);
    }
    EXPECT_EQ(Items(Pair().list), entries);
    EXPECT_EQ(tk::ReadGadgetText(Pair().field), "");
    EXPECT_EQ(tk::FocusedGadget(), Pair().field);
    EXPECT_EQ(tk::GadgetItemCount(Pair().otherList), 0);
    EXPECT_EQ(tk::ReadGadgetText(GadgetId::Output), "before");
    Add("");
    EXPECT_EQ(Items(Pair().list), entries);
    EXPECT_EQ(tk::FocusedGadget(), ByButton() ? Pair().button : Pair().field);
}

INSTANTIATE_TEST_SUITE_P(BothPairsBothTriggers, AddEntryTest,
                         ::testing::Combine(::testing::Values(kMethodPair, kAttributePair),
                                            ::testing::Values(Trigger::PlusButton,
                                                              Trigger::ReturnKey)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Trigger::PlusButton ? "ByPlus"
                                                                                    : "ByReturn");
                         });

// Return in every other kind of widget, one after the other on the same form.
TEST_F(MainFormTest, ReturnElsewhereAddsNothingAndChangesNoText) {
    ShowPage(Page::Klasse);
    ClickButton(GadgetId::AddMethod);
    ClickButton(GadgetId::AddAttribute);
    // Text waiting in both entry fields, so that adding either from the wrong widget shows.
    TypeInto(GadgetId::MethodEntry, "Run()");
    TypeInto(GadgetId::AttributeEntry, "Wert.l");
    const struct {
        int gadget;
        Page page;
    } targets[] = {{GadgetId::ClassName, Page::Allgemein},
                   {GadgetId::ConstructorHead, Page::Allgemein},
                   {GadgetId::StructureNameCaption, Page::Allgemein},
                   {GadgetId::Methods, Page::Klasse},
                   {GadgetId::Attributes, Page::Klasse},
                   {GadgetId::Output, Page::Output}};
    for (const auto& target : targets) {
        SCOPED_TRACE("gadget " + std::to_string(target.gadget));
        ShowPage(target.page);
        ClickInto(target.gadget);
        ASSERT_EQ(tk::FocusedGadget(), target.gadget);
        const std::vector<std::string> before = Snapshot();
        PressReturn();
        EXPECT_EQ(Snapshot(), before);
    }
}

}  // namespace
}  // namespace quillmoor::app::testing
