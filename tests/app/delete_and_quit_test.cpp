// The two questions: deleting a list item by double-click or by Delete and quitting by a close
// request, each answered through the real message box as a user would.

#include <tuple>

#include "tests/app/main_form_fixture.h"

namespace quillmoor::app::testing {
namespace {

using test::kNo;
using test::kYes;

// Which list, whether the user answers yes, and whether Delete on the item asks in place of a
// double-click.
class DeleteTest : public MainFormTest,
                   public ::testing::WithParamInterface<std::tuple<EntryPair, bool, bool>> {};

TEST_P(DeleteTest, DoubleClickOrDeleteAsksAndOnlyYesRemovesThatItem) {
    const auto& [pair, yes, byKey] = GetParam();
    ShowPage(Page::Klasse);
    for (const char* entry : {"A", "B", "C"}) {
        TypeInto(pair.field, entry);
        ClickButton(pair.button);
    }
    // Another item selected first: the question must be about the double-clicked one.
    ClickInto(pair.list);
    ASSERT_EQ(tk::ReadGadgetState(pair.list), 0);
    const std::string editorBefore = tk::ReadGadgetText(GadgetId::Output);

    if (byKey) {
        test::ClickAt(pair.list, test::ItemCentre(pair.list, 1));
        RunPendingTurns();
        test::PressKey(test::Key::Delete);
    } else {
        DoubleClickItem(pair.list, 1);
    }
    const test::BoxAnswer answer(yes ? kYes : kNo);
    RunPendingTurns();

    EXPECT_TRUE(answer.Answered()) << answer.Problem();
    EXPECT_EQ(answer.Title(), test::kQuestionTitle);
    EXPECT_EQ(answer.Text(), test::kDeleteQuestion);
    EXPECT_EQ(Items(pair.list),
              (yes ? std::vector<std::string>{"A", "C"} : std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(tk::GadgetItemCount(pair.otherList), 0);
    EXPECT_EQ(tk::ReadGadgetText(GadgetId::Output), editorBefore);
}

INSTANTIATE_TEST_SUITE_P(BothListsBothAnswers, DeleteTest,
                         ::testing::Combine(::testing::Values(kMethodPair, kAttributePair),
                                            ::testing::Bool(), ::testing::Bool()),
                         // In parentheses: the macro would split the binding at its commas.
                         ([](const auto& info) {
                             const auto& [pair, yes, byKey] = info.param;
                             return std::string(pair.name) + (byKey ? "ByKey" : "") +
                                    (yes ? "Yes" : "No");
                         }));

TEST_F(MainFormTest, DeletingWithoutASelectionRemovesNothing) {
    ShowPage(Page::Klasse);
    ClickButton(GadgetId::AddMethod);
    ASSERT_EQ(tk::ReadGadgetState(GadgetId::Methods), -1);
    const test::BoxAnswer answer(kYes);
    DeleteEntry(GadgetId::Methods);
    EXPECT_TRUE(answer.Answered()) << answer.Problem();
    EXPECT_EQ(Items(GadgetId::Methods), std::vector<std::string>{"Test.l(a,b)"});
}

// No keeps everything; yes ends the loop.
TEST_F(MainFormTest, CloseRequestAsksAndOnlyYesEndsTheLoop) {
    ShowPage(Page::Klasse);
    ClickButton(GadgetId::AddMethod);
    ClickButton(GadgetId::AddAttribute);
    const std::vector<std::string> before = Snapshot();
    for (const bool yes : {false, true}) {
        test::RequestClose(kMainWindow);
        const test::BoxAnswer answer(yes ? kYes : kNo);
        EXPECT_EQ(RunPendingTurns(), yes ? LoopTurn::Quit : LoopTurn::Continue);
        EXPECT_TRUE(answer.Answered()) << answer.Problem();
        EXPECT_EQ(answer.Text(), test::kQuitQuestion);
        if (!yes) {
            EXPECT_TRUE(test::IsWindowVisible(kMainWindow));
            EXPECT_EQ(Snapshot(), before);
        }
    }
}

}  // namespace
}  // namespace quillmoor::app::testing
