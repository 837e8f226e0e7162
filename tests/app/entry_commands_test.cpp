// Adding entries by "+" and by Return, for both field-and-list pairs, and Return where it must
// add nothing.

#include <ostream>
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

    void Commit() {
        if (std::get<1>(GetParam()) == Trigger::PlusButton) {
            ClickButton(Pair().button);
        } else {
            PressReturn();
        }
    }

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
    const bool byButton = std::get<1>(GetParam()) == Trigger::PlusButton;
    EXPECT_EQ(tk::FocusedGadget(), byButton ? Pair().button : Pair().field);
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

struct ReturnTarget {
    const char* name;
    int gadget;
    Page page;
};

void PrintTo(const ReturnTarget& target, std::ostream* out) {
    *out << target.name;
}

class ReturnElsewhereTest : public MainFormTest,
                            public ::testing::WithParamInterface<ReturnTarget> {};

TEST_P(ReturnElsewhereTest, AddsNothingAndChangesNoText) {
    ShowPage(Page::Klasse);
    ClickButton(GadgetId::AddMethod);
    ClickButton(GadgetId::AddAttribute);
    // Text waiting in both entry fields, so that adding either from the wrong widget shows.
    TypeInto(GadgetId::MethodEntry, "Run()");
    TypeInto(GadgetId::AttributeEntry, "Wert.l");
    ShowPage(GetParam().page);
    ClickInto(GetParam().gadget);
    ASSERT_EQ(tk::FocusedGadget(), GetParam().gadget);
    const std::vector<std::string> before = Snapshot();
    PressReturn();
    EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    EveryOtherKindOfWidget, ReturnElsewhereTest,
    ::testing::Values(ReturnTarget{"ClassName", GadgetId::ClassName, Page::Allgemein},
                      ReturnTarget{"ConstructorHead", GadgetId::ConstructorHead, Page::Allgemein},
                      ReturnTarget{"Caption", GadgetId::StructureNameCaption, Page::Allgemein},
                      ReturnTarget{"MethodsList", GadgetId::Methods, Page::Klasse},
                      ReturnTarget{"AttributesList", GadgetId::Attributes, Page::Klasse},
                      ReturnTarget{"Editor", GadgetId::Output, Page::Output}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmoor::app::testing
