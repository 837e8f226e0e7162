// The two questions: deleting a list item by double-click or by Delete and quitting by a close
// request, each answered through the real message box as a user would.

#include <ostream>

#include "tests/app/main_form_fixture.h"

namespace quillmoor::app::testing {
namespace {

using test::kNo;
using test::kYes;

struct DeleteCase {
    const char* name;
    int list;
    int addButton;
    const char* answer;  // the caption of the button the user presses
    std::vector<std::string> remaining;
    bool byKey = false;  // Delete on the item in place of a double-click
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const DeleteCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class DeleteTest : public MainFormTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTest, DoubleClickOrDeleteAsksAndOnlyYesRemovesThatItem) {
    const DeleteCase& param = GetParam();
    const int field =
        param.list == GadgetId::Methods ? GadgetId::MethodEntry : GadgetId::AttributeEntry;
    ShowPage(Page::Klasse);
    for (const char* entry : {"A", "B", "C"}) {
        TypeInto(field, entry);
        ClickButton(param.addButton);
    }
    // Another item selected first: the question must be about the double-clicked one.
    ClickInto(param.list);
    ASSERT_EQ(tk::ReadGadgetState(param.list), 0);
    const std::string editorBefore = tk::ReadGadgetText(GadgetId::Output);

    if (param.byKey) {
        test::ClickAt(param.list, test::ItemCentre(param.list, 1));
        RunPendingTurns();
        test::PressKey(test::Key::Delete);
    } else {
        DoubleClickItem(param.list, 1);
    }
    const test::BoxAnswer answer(param.answer);
    RunPendingTurns();

    EXPECT_TRUE(answer.Answered()) << answer.Problem();
    EXPECT_EQ(answer.Title(), test::kQuestionTitle);
    EXPECT_EQ(answer.Text(), test::kDeleteQuestion);
    EXPECT_EQ(Items(param.list), param.remaining);
    EXPECT_EQ(tk::ReadGadgetText(GadgetId::Output), editorBefore);
}

INSTANTIATE_TEST_SUITE_P(
    BothListsBothAnswers, DeleteTest,
    ::testing::Values(
        DeleteCase{"MethodsYes", GadgetId::Methods, GadgetId::AddMethod, kYes, {"A", "C"}},
        DeleteCase{"MethodsNo", GadgetId::Methods, GadgetId::AddMethod, kNo, {"A", "B", "C"}},
        DeleteCase{"AttributesYes", GadgetId::Attributes, GadgetId::AddAttribute, kYes, {"A", "C"}},
        DeleteCase{
            "AttributesNo", GadgetId::Attributes, GadgetId::AddAttribute, kNo, {"A", "B", "C"}},
        DeleteCase{
            "MethodsByKeyYes", GadgetId::Methods, GadgetId::AddMethod, kYes, {"A", "C"}, true},
        DeleteCase{"AttributesByKeyNo",
                   GadgetId::Attributes,
                   GadgetId::AddAttribute,
                   kNo,
                   {"A", "B", "C"},
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormTest, DeletingWithoutASelectionRemovesNothing) {
    ShowPage(Page::Klasse);
    ClickButton(GadgetId::AddMethod);
    ASSERT_EQ(tk::ReadGadgetState(GadgetId::Methods), -1);
    const test::BoxAnswer answer(kYes);
    DeleteEntry(GadgetId::Methods);
    EXPECT_TRUE(answer.Answered()) << answer.Problem();
    EXPECT_EQ(Items(GadgetId::Methods), std::vector<std::string>{"Test.l(a,b)"});
}

TEST_F(MainFormTest, CloseRequestAsksAndNoKeepsEverything) {
    ShowPage(Page::Klasse);
    ClickButton(GadgetId::AddMethod);
    ClickButton(GadgetId::AddAttribute);
    const std::vector<std::string> before = Snapshot();

    test::RequestClose(kMainWindow);
    const test::BoxAnswer answer(kNo);
    EXPECT_EQ(RunPendingTurns(), LoopTurn::Continue);

    EXPECT_TRUE(answer.Answered()) << answer.Problem();
    EXPECT_EQ(answer.Text(), test::kQuitQuestion);
    EXPECT_TRUE(test::IsWindowVisible(kMainWindow));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(MainFormTest, CloseRequestAnsweredYesEndsTheLoop) {
    test::RequestClose(kMainWindow);
    const test::BoxAnswer answer(kYes);
    EXPECT_EQ(RunPendingTurns(), LoopTurn::Quit);
    EXPECT_TRUE(answer.Answered()) << answer.Problem();
}

}  // namespace
}  // namespace quillmoor::app::testing
