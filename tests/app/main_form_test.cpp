// The form as it stands right after start-up: every widget under its number, on its page, at
// its place, with its text, colours and font, and nothing yet generated.

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

#include "tests/app/main_form_fixture.h"

namespace quillmoor::app::testing {
namespace {

using tk::GadgetKind;

struct ExpectedWidget {
    int id;
    GadgetKind kind;
    Page page;
    QRect geometry;
    const char* text;
    bool readOnly;
};

const ExpectedWidget kExpectedWidgets[] = {
    {1, GadgetKind::Text, Page::Allgemein, {18, 18, 80, 20}, "Klassen-Name", true},
    {2, GadgetKind::Text, Page::Allgemein, {98, 18, 420, 20}, "TestKlasse", false},
    {3, GadgetKind::Text, Page::Allgemein, {18, 58, 80, 20}, "Struktur-Name", true},
    {4, GadgetKind::Text, Page::Allgemein, {98, 58, 420, 20}, "TestStruktur", false},
    {5, GadgetKind::Text, Page::Allgemein, {18, 98, 80, 20}, "Create Befehl", true},
    {6, GadgetKind::Text, Page::Allgemein, {98, 98, 420, 20}, "New_TestKlasse()", false},
    {7, GadgetKind::Text, Page::Allgemein, {18, 138, 80, 20}, "VTABLE Name", true},
    {8, GadgetKind::Text, Page::Allgemein, {98, 138, 420, 20}, "Test_Methoden", false},
    {9, GadgetKind::Check, Page::Allgemein, {98, 178, 420, 20}, "TestObjekt erstellen", false},
    {10, GadgetKind::List, Page::Klasse, {18, 28, 160, 250}, "", false},
    {11, GadgetKind::Text, Page::Klasse, {18, 8, 160, 20}, "Methoden", true},
    {12, GadgetKind::Text, Page::Klasse, {358, 8, 160, 20}, "Attribute", true},
    {13, GadgetKind::List, Page::Klasse, {358, 28, 160, 250}, "", false},
    {14, GadgetKind::Text, Page::Klasse, {18, 278, 120, 20}, "Test.l(a,b)", false},
    {15, GadgetKind::Button, Page::Klasse, {138, 278, 40, 20}, "+", false},
    {16, GadgetKind::Text, Page::Klasse, {358, 278, 120, 20}, "ID.l", false},
    {17, GadgetKind::Button, Page::Klasse, {478, 278, 40, 20}, "+", false},
    {18, GadgetKind::Editor, Page::Output, {18, 18, 500, 320}, "", false},
};

const int kStyledWidgets[] = {10, 13, 14, 16, 18};

bool IsStyled(int id) {
    return std::find(std::begin(kStyledWidgets), std::end(kStyledWidgets), id) !=
           std::end(kStyledWidgets);
}

QString TextOf(const QWidget* widget) {
    if (const auto* editor = qobject_cast<const QPlainTextEdit*>(widget)) {
        return editor->toPlainText();
    }
    return widget->property("text").toString();
}

// The width a line edit draws its text in without scrolling: its contents inside the frame,
// less its text margins and the padding it keeps clear on either side.
int TextWidth(const QLineEdit& field) {
    constexpr int kPadding = 2;
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.contentsRect();
    option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
    option.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kPadding;
}

TEST_F(MainFormTest, EveryWidgetHasItsNumberPagePlaceAndText) {
    for (const ExpectedWidget& expected : kExpectedWidgets) {
        SCOPED_TRACE("gadget " + std::to_string(expected.id));
        const tk::qt::GadgetRecord* record = tk::qt::FindGadget(expected.id);
        ASSERT_NE(record, nullptr);
        ASSERT_NE(record->widget, nullptr);
        EXPECT_EQ(record->kind, expected.kind);
        QWidget* page = Panel()->widget(static_cast<int>(expected.page));
        EXPECT_TRUE(page->isAncestorOf(record->widget));
        EXPECT_EQ(QRect(record->widget->mapTo(page, QPoint(0, 0)), record->widget->size()),
                  expected.geometry);
        EXPECT_EQ(TextOf(record->widget), QString::fromLatin1(expected.text));
        if (const auto* field = qobject_cast<const QLineEdit*>(record->widget)) {
            EXPECT_EQ(field->isReadOnly(), expected.readOnly);
        }
    }
    EXPECT_EQ(tk::GadgetItemCount(GadgetId::Methods), 0);
    EXPECT_EQ(tk::GadgetItemCount(GadgetId::Attributes), 0);
    EXPECT_EQ(tk::ReadGadgetState(GadgetId::CreateTestObject), 0);
}

TEST_F(MainFormTest, WindowAndPanelStartOnTheFirstTab) {
    QWidget* window = tk::qt::WindowWidget(kMainWindow);
    EXPECT_EQ(window->windowTitle(), "Quillmoor V.0.5 by Tovik");
    EXPECT_EQ(window->size(), QSize(562, 391));
    QTabWidget* panel = Panel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(QRect(panel->mapTo(window, QPoint(0, 0)), panel->size()), QRect(10, 10, 540, 370));
    ASSERT_EQ(panel->count(), 3);
    EXPECT_EQ(panel->tabText(0), "Allgemein");
    EXPECT_EQ(panel->tabText(1), "Klasse");
    EXPECT_EQ(panel->tabText(2), "Output");
    EXPECT_EQ(panel->currentIndex(), 0);
    EXPECT_EQ(tk::FocusedGadget(), -1);
}

TEST_F(MainFormTest, WindowShowsTheApplicationIconAtEverySize) {
    const QList<QSize> sizes = tk::qt::WindowWidget(kMainWindow)->windowIcon().availableSizes();
    for (const int side : {16, 32, 48, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    }
}

// The form's own position lies outside the offscreen platform's small screen: the window is
// moved just enough to lie wholly inside the screen's available area.
TEST_F(MainFormTest, WindowIsMovedJustEnoughToLieOnTheScreen) {
    QWidget* window = tk::qt::WindowWidget(kMainWindow);
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (frame.width() > available.width() || frame.height() > available.height()) {
        GTEST_SKIP() << "at this scale the window is larger than the screen";
    }
    EXPECT_TRUE(available.contains(frame)) << frame.x() << "," << frame.y();
    const int expectedX = std::min(552, available.right() + 1 - frame.width());
    const int expectedY = std::min(458, available.bottom() + 1 - frame.height());
    EXPECT_EQ(frame.topLeft(), QPoint(expectedX, expectedY));
}

TEST_F(MainFormTest, StyledWidgetsArePaleYellowInFontZero) {
    const QColor paleYellow(255, 255, 230);
    const QFont styledFont = Widget(GadgetId::Output)->font();
    EXPECT_TRUE(QFontInfo(styledFont).fixedPitch());
    for (const ExpectedWidget& expected : kExpectedWidgets) {
        SCOPED_TRACE("gadget " + std::to_string(expected.id));
        const QWidget* widget = Widget(expected.id);
        if (IsStyled(expected.id)) {
            EXPECT_EQ(widget->palette().color(QPalette::Active, QPalette::Base), paleYellow);
            EXPECT_EQ(widget->font(), styledFont);
        } else {
            EXPECT_NE(widget->palette().color(QPalette::Active, QPalette::Base), paleYellow);
            EXPECT_NE(widget->font(), styledFont);
        }
    }
}

// The form is laid out in fixed pixels for an 8-point dialog font; neither that font at any
// scale nor a wider desktop face may cut a caption.
TEST_F(MainFormTest, EveryLabelShowsItsWholeText) {
    tk::LoadNumberedFont(1, "DejaVu Sans", 9);
    for (const tk::Handle font : {tk::Handle{-1}, tk::FontHandle(1)}) {
        for (const ExpectedWidget& expected : kExpectedWidgets) {
            if (!expected.readOnly) {
                continue;
            }
            SCOPED_TRACE("gadget " + std::to_string(expected.id) +
                         (font == -1 ? " in the dialog font" : " in the wider face"));
            tk::AssignGadgetFont(expected.id, font);
            ShowPage(expected.page);
            const auto* field = qobject_cast<const QLineEdit*>(Widget(expected.id));
            ASSERT_NE(field, nullptr);
            EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(field->text()),
                      TextWidth(*field));
        }
    }
}

TEST_F(MainFormTest, ReturnIsTheWindowsMenuEventTwelve) {
    ShowPage(Page::Klasse);
    ClickInto(GadgetId::MethodEntry);
    QTest::keyClick(Widget(GadgetId::MethodEntry), Qt::Key_Return);
    ASSERT_EQ(tk::PollEvent(), tk::EventKind::Menu);
    EXPECT_EQ(tk::EventMenuNumber(), kReturnMenuEvent);
}

TEST_F(MainFormTest, LabelsCanBeSelectedButNotChanged) {
    ClickInto(GadgetId::ClassNameLabel);
    QWidget* label = Widget(GadgetId::ClassNameLabel);
    QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(label, "xyz");
    QTest::keyClick(label, Qt::Key_Backspace);
    RunPendingTurns();
    EXPECT_EQ(tk::ReadGadgetText(GadgetId::ClassNameLabel), "Klassen-Name");
    EXPECT_EQ(qobject_cast<QLineEdit*>(label)->selectedText(), "Klassen-Name");
}

}  // namespace
}  // namespace quillmoor::app::testing
