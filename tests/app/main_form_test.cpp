// The form as it stands right after start-up: every widget under its number, on its page, at
// its place, with its text, colours and font, and nothing yet generated.

#include <algorithm>

#include "tests/app/main_form_fixture.h"
#include "toolkit/core/gadget_kind.h"

namespace quillmoor::app::testing {
namespace {

using tk::GadgetKind;

struct ExpectedWidget {
    int id;
    GadgetKind kind;
    Page page;
    test::Rect geometry;
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

using Role = test::AccessibleRole;

struct ExpectedName {
    int id;
    const char* name;  // UTF-8, as the driver reads it
    Role role;
};

const ExpectedName kExpectedNames[] = {
    {2, "Klassen-Name", Role::Text},
    {4, "Struktur-Name", Role::Text},
    {6, "Create Befehl", Role::Text},
    {8, "VTABLE Name", Role::Text},
    {10, "Methoden", Role::List},
    {13, "Attribute", Role::List},
    {14, "Neue Methode", Role::Text},
    {15, "Methode hinzuf\u00FCgen", Role::PushButton},
    {16, "Neues Attribut", Role::Text},
    {17, "Attribut hinzuf\u00FCgen", Role::PushButton},
    {18, "Erzeugter Quelltext", Role::Text},
};

const int kStyledWidgets[] = {10, 13, 14, 16, 18};

TEST_F(MainFormTest, EveryWidgetHasItsNumberPagePlaceAndText) {
    for (const ExpectedWidget& expected : kExpectedWidgets) {
        SCOPED_TRACE("gadget " + std::to_string(expected.id));
        EXPECT_EQ(test::ShownKind(expected.id), expected.kind);
        EXPECT_EQ(
            test::GeometryOnPage(expected.id, GadgetId::Panel, static_cast<int>(expected.page)),
            expected.geometry);
        EXPECT_EQ(test::ShownText(expected.id), expected.text);
        if (expected.kind == GadgetKind::Text) {
            EXPECT_EQ(test::IsReadOnly(expected.id), expected.readOnly);
        }
    }
    EXPECT_EQ(tk::GadgetItemCount(GadgetId::Methods), 0);
    EXPECT_EQ(tk::GadgetItemCount(GadgetId::Attributes), 0);
    EXPECT_EQ(tk::ReadGadgetState(GadgetId::CreateTestObject), 0);
    // A screen reader reads the fields and lists by their captions and the "+" buttons by what
    // they do.
    for (const ExpectedName& expected : kExpectedNames) {
        EXPECT_EQ(test::AccessibleOf(expected.id).name, expected.name) << "gadget " << expected.id;
    }
}

// The window shows the program's icon at every size.
TEST_F(MainFormTest, WindowAndPanelStartOnTheFirstTab) {
    EXPECT_EQ(test::WindowTitle(kMainWindow), "Quillmoor V.0.5 by Tovik");
    const test::Rect client = test::WindowClientArea(kMainWindow);
    EXPECT_EQ(client.width, 562);
    EXPECT_EQ(client.height, 391);
    EXPECT_EQ(test::GeometryInWindow(GadgetId::Panel, kMainWindow), (test::Rect{10, 10, 540, 370}));
    EXPECT_EQ(test::TabCaptions(GadgetId::Panel),
              (std::vector<std::string>{"Allgemein", "Klasse", "Output"}));
    EXPECT_EQ(test::CurrentTab(GadgetId::Panel), 0);
    EXPECT_EQ(tk::FocusedGadget(), -1);
    const std::vector<int> sizes = test::WindowIconSizes(kMainWindow);
    for (const int side : {16, 32, 48, 256}) {
        EXPECT_NE(std::ranges::find(sizes, side), sizes.end()) << "icon of " << side;
    }
}

// A screen reader hears what kind of widget each is, inside a window under the form's title.
TEST_F(MainFormTest, ScreenReadersHearWhatKindEachWidgetIs) {
    EXPECT_EQ(test::WindowAccessible(kMainWindow).name, "Quillmoor V.0.5 by Tovik");
    EXPECT_EQ(test::WindowAccessible(kMainWindow).role, Role::Window);
    for (const ExpectedName& expected : kExpectedNames) {
        EXPECT_EQ(test::AccessibleOf(expected.id).role, expected.role) << "gadget " << expected.id;
    }
}

TEST_F(MainFormTest, StyledWidgetsArePaleYellowInFontZero) {
    const int paleYellow = tk::RGB(255, 255, 230);
    EXPECT_TRUE(test::FontIsFixedPitch(GadgetId::Output));
    const int styledHeight = test::FontPixelHeight(GadgetId::Output);
    EXPECT_EQ(styledHeight, 13);
    for (const ExpectedWidget& expected : kExpectedWidgets) {
        SCOPED_TRACE("gadget " + std::to_string(expected.id));
        const bool fixedPitch = test::FontIsFixedPitch(expected.id);
        if (std::ranges::count(kStyledWidgets, expected.id) > 0) {
            EXPECT_EQ(test::BackgroundColour(expected.id), paleYellow);
            EXPECT_TRUE(fixedPitch);
            EXPECT_EQ(test::FontPixelHeight(expected.id), styledHeight);
        } else {
            EXPECT_NE(test::BackgroundColour(expected.id), paleYellow);
            EXPECT_FALSE(fixedPitch && test::FontPixelHeight(expected.id) == styledHeight);
        }
    }
}

// The form is laid out in fixed pixels for an 8-point dialog font; neither that font at any
// scale nor a wider desktop face may cut a caption.
TEST_F(MainFormTest, EveryCaptionShowsItsWholeText) {
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
            EXPECT_TRUE(test::ShowsWholeText(expected.id));
        }
    }
}

}  // namespace
}  // namespace quillmoor::app::testing
