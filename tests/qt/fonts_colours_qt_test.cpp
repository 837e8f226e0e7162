// Fonts and palettes as Qt holds them: the font behind a handle, the face that stands in for a
// missing one, the palette groups, and a caption's narrower face.

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QScreen>
#include <cmath>

#include "tests/support/form_driver.h"
#include "tests/support/qt/native_widgets.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit {
namespace {

using FontsAndColoursQt = ToolkitTest;

// A colour given fills the active and inactive groups only: a gadget on a hidden page keeps the
// platform's disabled look. A colour left to the desktop, one reset to the default included,
// follows a switch of theme; so does the editor's selection, as visible without the focus as
// with it.
TEST_F(FontsAndColoursQt, GivenColoursFillTwoGroupsAndTheRestFollowsTheTheme) {
    ASSERT_NE(CreateEditorGadget(1, 0, 0, 100, 50), 0);
    SetGadgetColour(1, ColourType::Text, RGB(0, 0, 128));
    SetGadgetColour(1, ColourType::Background, RGB(255, 255, 230));
    SetGadgetColour(1, ColourType::Background, kDefaultColour);
    const test::DarkDesktop dark;
    EXPECT_EQ(PollEvent(), EventKind::None);
    const QPalette desktop = QApplication::palette(test::GadgetWidget(1));
    const QPalette shown = test::GadgetWidget(1)->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        EXPECT_EQ(shown.color(group, QPalette::Text), QColor(0, 0, 128));
        for (const auto role : {QPalette::Base, QPalette::Highlight, QPalette::HighlightedText}) {
            EXPECT_EQ(shown.color(group, role), desktop.color(QPalette::Active, role));
        }
    }
    EXPECT_EQ(shown.color(QPalette::Disabled, QPalette::Text),
              desktop.color(QPalette::Disabled, QPalette::Text));
}

// Normal weight, no style, the pixel height scaled by the screen; a missing fixed-pitch face
// gets a fixed-pitch stand-in. A font number loaded again holds the new font, and none after a
// load that fails.
TEST_F(FontsAndColoursQt, FontsAreScaledAndFixedPitchNamesStayFixedPitch) {
    const double dotsPerInch = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    for (const char* name : {"Courier", "Courier New", "Consolas", "Fixedsys", "Lucida Console"}) {
        SCOPED_TRACE(name);
        ASSERT_NE(LoadNumberedFont(0, name, 10), 0);
        const auto* font = reinterpret_cast<const QFont*>(FontHandle(0));
        EXPECT_EQ(font->pixelSize(), static_cast<int>(std::lround(10 * dotsPerInch / 72)));
        EXPECT_TRUE(QFontInfo(*font).fixedPitch()) << QFontInfo(*font).family().toStdString();
        EXPECT_EQ(font->weight(), QFont::Normal);
        EXPECT_FALSE(font->italic() || font->underline() || font->strikeOut());
    }
    ASSERT_NE(LoadNumberedFont(0, "Courier", 20), 0);
    EXPECT_GT(reinterpret_cast<const QFont*>(FontHandle(0))->pixelSize(), 20);
    EXPECT_EQ(LoadNumberedFont(0, "Courier", 0), 0);
    EXPECT_EQ(FontHandle(0), 0);
}

// -1 is the dialog font every widget starts with, 0 the desktop's plain system font.
TEST_F(FontsAndColoursQt, GadgetFontFollowsTheHandle) {
    ASSERT_NE(CreateEditorGadget(1, 0, 0, 100, 50), 0);
    const Handle courier = LoadNumberedFont(0, "Courier", 10);
    const struct {
        Handle handle;
        QFont font;
    } cases[] = {
        {courier, *reinterpret_cast<const QFont*>(courier)},
        {-1, QApplication::font()},
        {0, QFontDatabase::systemFont(QFontDatabase::GeneralFont)},
    };
    for (const auto& c : cases) {
        AssignGadgetFont(1, c.handle);
        EXPECT_EQ(test::GadgetWidget(1)->font(), c.font) << c.handle;
    }
}

// A caption narrows its face to show its whole text, down to condensed and no further: a text
// still too wide scrolls as in any field, and a shorter one gets the whole face back.
TEST_F(FontsAndColoursQt, ACaptionNarrowsItsFaceNoFurtherThanCondensed) {
    ASSERT_NE(CreateTextGadget(1, 0, 0, 80, 20, "", TextFieldFlags::ReadOnly), 0);
    const struct {
        const char* text;
        int stretch;
        bool wholeTextShown;
    } cases[] = {
        {"Name", QFont::Unstretched, true},
        {"Klassen-Name, Struktur-Name und Create Befehl", QFont::Condensed, false},
        {"Name", QFont::Unstretched, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        WriteGadgetText(1, c.text);
        EXPECT_EQ(test::GadgetWidget(1)->font().stretch(), c.stretch);
        EXPECT_EQ(test::ShowsWholeText(1), c.wholeTextShown);
    }
    // On both sides of the width the text needs: the padding goes only when the whole text would
    // not show with it, and always before the face narrows.
    for (int width = 20; width <= 60; ++width) {
        ASSERT_NE(CreateTextGadget(1, 0, 0, width, 20, "Name", TextFieldFlags::ReadOnly), 0);
        auto* caption = static_cast<qt::ReadOnlyField*>(test::GadgetWidget(1));
        const bool paddingTaken = caption->textMargins().left() < 0;
        const bool narrowed = caption->font().stretch() != QFont::Unstretched;
        caption->setTextMargins(0, 0, 0, 0);
        EXPECT_EQ(paddingTaken, narrowed || !caption->ShowsWholeText()) << width;
    }
}

}  // namespace
}  // namespace quillmoor::toolkit
