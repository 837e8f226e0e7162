// Fonts and palettes as Qt holds them: the font behind a handle, the face that stands in for a
// missing one, and the palette groups.

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScreen>

#include "tests/support/form_driver.h"
#include "tests/support/qt/native_widgets.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace quillmoor::toolkit {
namespace {

using FontsAndColoursQt = ToolkitTest;

// Only the active and inactive groups take a colour: a gadget on a hidden page keeps the
// platform's disabled look.
TEST_F(FontsAndColoursQt, ColourFillsTheActiveAndInactiveGroups) {
    ASSERT_NE(CreateListGadget(1, 0, 0, 100, 50), 0);
    SetGadgetColour(1, ColourType::Background, RGB(255, 255, 230));
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        EXPECT_EQ(test::GadgetWidget(1)->palette().color(group, QPalette::Base),
                  QColor(255, 255, 230));
    }
}

TEST_F(FontsAndColoursQt, EditorSelectionStaysVisibleWithoutFocus) {
    ASSERT_NE(CreateEditorGadget(1, 0, 0, 100, 50), 0);
    const QPalette palette = test::GadgetWidget(1)->palette();
    EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight),
              palette.color(QPalette::Active, QPalette::Highlight));
}

// A colour left to the desktop, one reset to the default included, follows a switch of theme;
// so does the editor's selection without the focus.
TEST_F(FontsAndColoursQt, ColoursLeftToTheDesktopFollowASwitchOfTheme) {
    ASSERT_NE(CreateEditorGadget(1, 0, 0, 100, 50), 0);
    SetGadgetColour(1, ColourType::Text, RGB(0, 0, 128));
    SetGadgetColour(1, ColourType::Text, kDefaultColour);
    const test::DarkDesktop dark;
    EXPECT_EQ(PollEvent(), EventKind::None);
    const QPalette desktop = QApplication::palette(test::GadgetWidget(1));
    const QPalette shown = test::GadgetWidget(1)->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto role : {QPalette::Text, QPalette::Highlight, QPalette::HighlightedText}) {
            EXPECT_EQ(shown.color(group, role), desktop.color(QPalette::Active, role));
        }
    }
}

TEST_F(FontsAndColoursQt, CourierTenPointIsThirteenPixelsAt96Dpi) {
    const double dotsPerInch = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    ASSERT_NE(LoadNumberedFont(0, "Courier", 10), 0);
    const auto* font = reinterpret_cast<const QFont*>(FontHandle(0));
    EXPECT_EQ(font->pixelSize(), static_cast<int>(std::lround(10 * dotsPerInch / 72)));
    if (dotsPerInch == 96) {
        EXPECT_EQ(font->pixelSize(), 13);
    }
    EXPECT_TRUE(QFontInfo(*font).fixedPitch()) << QFontInfo(*font).family().toStdString();
    EXPECT_EQ(font->weight(), QFont::Normal);
    EXPECT_FALSE(font->italic() || font->underline() || font->strikeOut());
}

TEST_F(FontsAndColoursQt, AMissingFixedPitchFaceGetsAFixedPitchStandIn) {
    for (const char* name : {"Courier New", "Consolas", "Fixedsys", "Lucida Console"}) {
        ASSERT_NE(LoadNumberedFont(0, name, 10), 0);
        const QFontInfo shown(*reinterpret_cast<const QFont*>(FontHandle(0)));
        EXPECT_TRUE(shown.fixedPitch()) << name << " shows as " << shown.family().toStdString();
    }
}

TEST_F(FontsAndColoursQt, ReloadingAFontNumberReleasesTheOldFont) {
    ASSERT_NE(LoadNumberedFont(0, "Courier", 10), 0);
    ASSERT_NE(LoadNumberedFont(0, "Courier", 20), 0);
    EXPECT_GT(reinterpret_cast<const QFont*>(FontHandle(0))->pixelSize(), 20);
    EXPECT_EQ(LoadNumberedFont(0, "Courier", 0), 0);
    EXPECT_EQ(FontHandle(0), 0);
}

TEST_F(FontsAndColoursQt, GadgetFontFollowsTheHandle) {
    ASSERT_NE(CreateEditorGadget(1, 0, 0, 100, 50), 0);
    SetGadgetColour(1, ColourType::Text, RGB(0, 0, 128));
    const Handle courier = LoadNumberedFont(0, "Courier", 10);
    AssignGadgetFont(1, courier);
    EXPECT_EQ(test::GadgetWidget(1)->font(), *reinterpret_cast<const QFont*>(courier));
    EXPECT_EQ(test::GadgetWidget(1)->palette().color(QPalette::Active, QPalette::Text),
              QColor(0, 0, 128));
    AssignGadgetFont(1, -1);
    EXPECT_EQ(test::GadgetWidget(1)->font(), QApplication::font());
    AssignGadgetFont(1, 0);
    EXPECT_EQ(test::GadgetWidget(1)->font(), QFontDatabase::systemFont(QFontDatabase::GeneralFont));
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
}

}  // namespace
}  // namespace quillmoor::toolkit
