#include <algorithm>
#include <numeric>

#include "tests/support/form_driver.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace quillmoor::toolkit {
namespace {

using Texts = ToolkitTest;

// An item and a single-line field keep even NUL, CR and LF exactly as written, so that a text
// passed through them is never cut short; emptied, a field reads empty. A field holds more than
// the 32767 characters of the platforms' own limit, written or pasted.
TEST_F(Texts, EveryByteRoundTripsThroughAnItemAndATextField) {
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    ASSERT_NE(CreateListGadget(1, 0, 0, 100, 100), 0);
    InsertGadgetItem(1, -1, all);
    EXPECT_EQ(ReadGadgetItemText(1, 0), all);
    ASSERT_NE(CreateTextGadget(2, 0, 0, 100, 20, all, TextFieldFlags::Editable), 0);
    EXPECT_EQ(ReadGadgetText(2), all);
    const std::string longText(40000, 'x');
    for (const std::string& text : {std::string("a\rb\nc\r\nd"), longText, std::string()}) {
        WriteGadgetText(2, text);
        EXPECT_EQ(ReadGadgetText(2), text);
    }
    ASSERT_TRUE(test::ActivateWindow(kWindow));
    FocusGadget(2);
    test::PasteText(std::u32string(longText.begin(), longText.end()));
    EXPECT_EQ(ReadGadgetText(2), longText);
}

TEST_F(Texts, EveryByteRoundTripsThroughTheEditorWithLinesEndingInCarriageReturn) {
    ASSERT_NE(CreateEditorGadget(1, 0, 0, 200, 100), 0);
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    WriteGadgetText(1, all);
    std::string expected = all;
    expected['\n'] = '\r';
    EXPECT_EQ(ReadGadgetText(1), expected);
    const std::string shown = test::ShownText(1);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 2);
}

TEST_F(Texts, EditorLineEndsComeBackAsCarriageReturns) {
    ASSERT_NE(CreateEditorGadget(1, 0, 0, 200, 100), 0);
    const struct {
        std::string written;
        std::string read;
    } cases[] = {
        {"eins\rzwei\r", "eins\rzwei\r"},
        {"eins\r\nzwei", "eins\rzwei"},
        {"eins\nzwei", "eins\rzwei"},
        {"\r\r", "\r\r"},
        {"", ""},
    };
    for (const auto& testCase : cases) {
        WriteGadgetText(1, testCase.written);
        EXPECT_EQ(ReadGadgetText(1), testCase.read);
    }
    EXPECT_EQ(test::ShownText(1), "");
}

TEST_F(Texts, EditorHoldsLongTexts) {
    ASSERT_NE(CreateEditorGadget(1, 0, 0, 200, 100), 0);
    std::string text;
    for (int line = 0; line < 20000; ++line) {
        text += "Procedure Methode" + std::to_string(line) + "(*this.Klasse)\r";
    }
    WriteGadgetText(1, text);
    EXPECT_EQ(ReadGadgetText(1), text);
}

// Letters of Windows-1252 beyond ASCII arrive typed whatever the system's own code page, in a
// field and in the editor alike; on Windows this runs under code page 1251 too. Each character
// without a Windows-1252 form, a pair of UTF-16 units included, reads back as one "?".
TEST_F(Texts, TypedWindows1252LettersArriveInFieldAndEditor) {
    constexpr int kField = 1;
    constexpr int kEditor = 2;
    ASSERT_NE(CreateTextGadget(kField, 0, 0, 100, 20, "", TextFieldFlags::Editable), 0);
    ASSERT_NE(CreateEditorGadget(kEditor, 0, 30, 200, 100), 0);
    ASSERT_TRUE(test::ActivateWindow(kWindow));
    const struct {
        std::u32string typed;
        std::string read;
    } cases[] = {
        {U"\u00F6\u20AC\u017D", "\xF6\x80\x8E"},
        {U"a\U0001F600\u4E2Do\u0308\u00F6", "a??o?\xF6"},
    };
    for (const int gadget : {kField, kEditor}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(gadget);
            WriteGadgetText(gadget, "");
            FocusGadget(gadget);
            test::TypeText(c.typed);
            EXPECT_EQ(ReadGadgetText(gadget), c.read);
        }
    }
}

TEST_F(Texts, ReadOnlyFieldRejectsTypingButAllowsSelecting) {
    ASSERT_NE(CreateTextGadget(1, 0, 0, 100, 20, "fest", TextFieldFlags::ReadOnly), 0);
    ASSERT_TRUE(test::ActivateWindow(kWindow));
    test::Click(1);
    EXPECT_EQ(FocusedGadget(), 1);
    test::TypeText(U"xyz");
    test::PressKey(test::Key::Backspace);
    test::PressKey(test::Key::Home);
    test::PressKey(test::Key::Delete);
    EXPECT_EQ(ReadGadgetText(1), "fest");
    test::PressKey(test::Key::Home);
    test::PressKey(test::Key::End, test::kShift);
    EXPECT_EQ(test::SelectedText(1), "fest");
    test::PressKey(test::Key::Home);
    test::PressKey(test::Key::SelectAll);
    EXPECT_EQ(test::SelectedText(1), "fest");
}

// Rewriting the text an untouched editor already shows leaves the editor alone, cursor and
// all (what is typed next lands at the end); text the user typed is always replaced.
TEST_F(Texts, TheSameTextAgainKeepsAnUntouchedEditorAndReplacesATypedOne) {
    ASSERT_NE(CreateEditorGadget(1, 0, 0, 200, 100), 0);
    ASSERT_TRUE(test::ActivateWindow(kWindow));
    WriteGadgetText(1, "eins\rzwei\r");
    FocusGadget(1);
    test::PressKey(test::Key::End, test::kControl);
    WriteGadgetText(1, "eins\rzwei\r");
    test::TypeText(U"drei");
    ASSERT_EQ(ReadGadgetText(1), "eins\rzwei\rdrei");
    WriteGadgetText(1, "eins\rzwei\r");
    EXPECT_EQ(ReadGadgetText(1), "eins\rzwei\r");
}

}  // namespace
}  // namespace quillmoor::toolkit
