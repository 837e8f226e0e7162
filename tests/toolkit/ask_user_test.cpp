#include "tests/support/form_driver.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace quillmoor::toolkit {
namespace {

using AskUserTest = ToolkitTest;

// The captions hold their access keys: "&Ja" is shown as "Ja" with the J marked. Title and text
// are shown as they are, with no markup read into them.
TEST_F(AskUserTest, ReturnsYesOnlyWhenJaIsPressed) {
    const struct {
        const char* button;
        Answer answer;
        const char* title;
        const char* text;   // Windows-1252, as the caller gives it
        const char* shown;  // UTF-8, as the driver reads it
    } cases[] = {
        {"&Ja", Answer::Yes, "Frage", "Eintrag l\xF6schen?", "Eintrag l\u00F6schen?"},
        {"&Nein", Answer::No, "<b>", "<i>kursiv</i> & mehr", "<i>kursiv</i> & mehr"},
    };
    for (const auto& testCase : cases) {
        const test::BoxAnswer answer(testCase.button);
        EXPECT_EQ(AskUser(testCase.title, testCase.text, AskFlags::YesNo), testCase.answer);
        EXPECT_TRUE(answer.Answered()) << answer.Problem();
        EXPECT_EQ(answer.Title(), testCase.title);
        EXPECT_EQ(answer.Text(), testCase.shown);
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

}  // namespace
}  // namespace quillmoor::toolkit
