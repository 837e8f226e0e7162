#include "tests/support/form_driver.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace quillmoor::toolkit {
namespace {

using AskUserTest = ToolkitTest;

TEST_F(AskUserTest, ReturnsYesOnlyWhenJaIsPressed) {
    const struct {
        const char* button;
        Answer answer;
    } cases[] = {{"Ja", Answer::Yes}, {"Nein", Answer::No}};
    for (const auto& testCase : cases) {
        const test::BoxAnswer answer(testCase.button);
        EXPECT_EQ(AskUser("Frage", "Eintrag l\xF6schen?", AskFlags::YesNo), testCase.answer);
        EXPECT_TRUE(answer.Answered()) << answer.Problem();
        EXPECT_EQ(answer.Title(), "Frage");
        EXPECT_EQ(answer.Text(), "Eintrag l\u00F6schen?");
    }
}

// Yes is the default button: keys that act on it without moving the focus answer yes.
TEST_F(AskUserTest, KeysOnTheFreshBoxAnswerYes) {
    for (const test::Key key : {test::Key::Return, test::Key::KeypadEnter, test::Key::Space}) {
        SCOPED_TRACE(static_cast<int>(key));
        const test::BoxAnswer answer(key);
        EXPECT_EQ(AskUser("Frage", "Sicher?", AskFlags::YesNo), Answer::Yes);
        EXPECT_TRUE(answer.Answered()) << answer.Problem();
    }
}

TEST_F(AskUserTest, ShowsTheTextAsItIs) {
    const test::BoxAnswer answer("Nein");
    AskUser("<b>", "<i>kursiv</i> & mehr", AskFlags::YesNo);
    EXPECT_EQ(answer.Title(), "<b>");
    EXPECT_EQ(answer.Text(), "<i>kursiv</i> & mehr");
}

}  // namespace
}  // namespace quillmoor::toolkit
