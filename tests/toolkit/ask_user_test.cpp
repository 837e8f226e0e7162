#include "tests/support/form_driver.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace quillmoor::toolkit {
namespace {

using AskUserTest = ToolkitTest;

// The captions hold their access keys: "&Ja" is shown as "Ja" with the J marked.
TEST_F(AskUserTest, ReturnsYesOnlyWhenJaIsPressed) {
    const struct {
        const char* button;
        Answer answer;
    } cases[] = {{"&Ja", Answer::Yes}, {"&Nein", Answer::No}};
    for (const auto& testCase : cases) {
        const test::BoxAnswer answer(testCase.button);
        EXPECT_EQ(AskUser("Frage", "Eintrag l\xF6schen?", AskFlags::YesNo), testCase.answer);
        EXPECT_TRUE(answer.Answered()) << answer.Problem();
        EXPECT_EQ(answer.Title(), "Frage");
        EXPECT_EQ(answer.Text(), "Eintrag l\u00F6schen?");
    }
}

// Yes is the default button: keys that act on it without moving the focus answer yes. The
// access keys answer alone, without Alt, as in the system's own box.
TEST_F(AskUserTest, KeysOnTheFreshBoxAnswer) {
    const struct {
        test::Key key;
        Answer answer;
    } cases[] = {
        {test::Key::Return, Answer::Yes}, {test::Key::KeypadEnter, Answer::Yes},
        {test::Key::Space, Answer::Yes},  {test::Key::J, Answer::Yes},
        {test::Key::N, Answer::No},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(static_cast<int>(testCase.key));
        const test::BoxAnswer answer(testCase.key);
        EXPECT_EQ(AskUser("Frage", "Sicher?", AskFlags::YesNo), testCase.answer);
        EXPECT_TRUE(answer.Answered()) << answer.Problem();
    }
}

TEST_F(AskUserTest, ShowsTheTextAsItIs) {
    const test::BoxAnswer answer("&Nein");
    AskUser("<b>", "<i>kursiv</i> & mehr", AskFlags::YesNo);
    EXPECT_EQ(answer.Title(), "<b>");
    EXPECT_EQ(answer.Text(), "<i>kursiv</i> & mehr");
}

}  // namespace
}  // namespace quillmoor::toolkit
