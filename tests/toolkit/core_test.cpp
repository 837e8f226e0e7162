// The core's rules without any display: a fake platform hands out ids and records what the
// core asks of it, the test reports happenings and reads back events and focus moves.

#include "toolkit/core/core.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/toolkit/fake_platform.h"
#include "toolkit/core/utf16_text.h"

namespace quillmoor::toolkit {
namespace {

using Type = GadgetEventType;

// Window 0: panel 1 with page "A" (field 2, list 3) and page "B" (field 4), then editor 5 and
// button 6 below the panel.
class CoreTest : public ::testing::Test {
protected:
    static constexpr int kWindow = 0;
    enum : int { kPanel = 1, kField = 2, kList = 3, kHiddenField = 4, kEditor = 5, kButton = 6 };

    void SetUp() override {
        auto platform = std::make_unique<FakePlatform>();
        fake_ = platform.get();
        core_.Attach(std::move(platform));
        ASSERT_NE(core_.OpenFormWindow(kWindow, 0, 0, 300, 300, "Kern"), 0);
        Create(kPanel, GadgetKind::Panel);
        core_.InsertGadgetItem(kPanel, -1, "A");
        Create(kField, GadgetKind::Text);
        Create(kList, GadgetKind::List);
        core_.InsertGadgetItem(kPanel, -1, "B");
        Create(kHiddenField, GadgetKind::Text);
        core_.EndGadgetList();
        Create(kEditor, GadgetKind::Editor);
        Create(kButton, GadgetKind::Button);
        core_.BindShortcut(kWindow, kKeyReturn, 12);
        fake_->pageCalls.clear();
    }

    Handle Create(int gadget, GadgetKind kind) {
        return core_.CreateGadget(gadget, kind, {0, 0, 10, 10}, "", false);
    }
    NativeId Native(int gadget) const { return core_.GadgetNative(gadget); }
    NativeId WindowNative() const { return static_cast<NativeId>(core_.WindowHandle(kWindow)); }

    std::vector<Event> Drain() {
        std::vector<Event> events;
        for (EventKind kind = core_.PollEvent(); kind != EventKind::None;
             kind = core_.PollEvent()) {
            events.push_back(core_.CurrentEvent());
        }
        return events;
    }

    // Where Tab from the panel's tab row goes: the first gadget of the page shown.
    int TabFromPanel() {
        fake_->focused = Native(kPanel);
        core_.KeyPressed(Native(kPanel), kKeyTab);
        return core_.FocusedGadget();
    }

    GadgetColours Shown(int gadget) {
        return {fake_->colours[{Native(gadget), ColourType::Text}],
                fake_->colours[{Native(gadget), ColourType::Background}]};
    }

    static Event Gadget(int gadget, Type type) {
        return {EventKind::Gadget, gadget, type, kWindow};
    }
    static Event Menu(int number) { return {EventKind::Menu, number, Type::None, kWindow}; }
    static Event Close() { return {EventKind::Close, 0, Type::None, kWindow}; }

    Core core_;
    FakePlatform* fake_ = nullptr;
};

// Numbers outside 0..32767 and window sides above 32767 are refused before the platform
// is asked to make anything; the edges themselves are accepted.
TEST_F(CoreTest, TheCoreRefusesWhatNoPlatformCouldHold) {
    constexpr int kMaxSide = 32767;
    struct Case {
        const char* name;
        std::function<Handle(Core&)> call;
        bool accepted;
    };
    const auto gadget = [](int number) {
        return [number](Core& core) {
            return core.CreateGadget(number, GadgetKind::Button, {0, 0, 10, 10}, "", false);
        };
    };
    const auto window = [](int number, int width, int height) {
        return [=](Core& core) { return core.OpenFormWindow(number, 0, 0, width, height, ""); };
    };
    const auto font = [](int number) {
        return [number](Core& core) { return core.LoadNumberedFont(number, "Courier", 10); };
    };
    const std::vector<Case> cases = {
        {"gadget -1", gadget(-1), false},
        {"gadget 32768", gadget(kMaxObjectNumber + 1), false},
        {"gadget 32767", gadget(kMaxObjectNumber), true},
        {"font -1", font(-1), false},
        {"font 32768", font(kMaxObjectNumber + 1), false},
        {"font 32767", font(kMaxObjectNumber), true},
        {"window -1", window(-1, 10, 10), false},
        {"window 32768", window(kMaxObjectNumber + 1, 10, 10), false},
        {"window 32767", window(kMaxObjectNumber, 10, 10), true},
        {"a width of 32768", window(1, kMaxSide + 1, 10), false},
        {"a height of 32768", window(1, 10, kMaxSide + 1), false},
        {"both sides 32767", window(1, kMaxSide, kMaxSide), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int madeBefore = fake_->made;
        EXPECT_EQ(c.call(core_) != 0, c.accepted);
        EXPECT_EQ(fake_->made - madeBefore, c.accepted ? 1 : 0);
    }
}

TEST_F(CoreTest, NumbersAreReplacedAndKept) {
    const NativeId oldButton = Native(kButton);
    EXPECT_NE(Create(kButton, GadgetKind::Check), 0);
    EXPECT_EQ(fake_->destroyed, std::vector<NativeId>{oldButton});
    EXPECT_EQ(core_.ReadGadgetState(kButton), -1);

    fake_->refuse = true;
    const NativeId check = Native(kButton);
    EXPECT_EQ(Create(kButton, GadgetKind::Button), 0);
    EXPECT_EQ(Native(kButton), check);
    EXPECT_EQ(core_.OpenFormWindow(1, 0, 0, 10, 10, ""), 0);
    EXPECT_EQ(core_.WindowHandle(1), 0);
    EXPECT_EQ(core_.LoadNumberedFont(0, "Courier", 10), 0);
    EXPECT_EQ(core_.FontHandle(0), 0);
}

TEST_F(CoreTest, ReplacingAPanelTakesTheGadgetsOfItsPagesWithIt) {
    core_.InsertGadgetItem(kList, -1, "x");
    core_.InsertGadgetItem(kList, 0, "y");
    core_.InsertGadgetItem(kList, 5, "never");
    EXPECT_EQ(core_.ReadGadgetItemText(kList, 0), "y");
    EXPECT_EQ(core_.GadgetItemCount(kList), 2);
    EXPECT_EQ(core_.ReadGadgetItemText(kList, 2), "");

    const NativeId panel = Native(kPanel);
    Create(kPanel, GadgetKind::Button);
    EXPECT_EQ(fake_->destroyed, std::vector<NativeId>{panel});
    for (const int gone : {kField, kList, kHiddenField}) {
        EXPECT_EQ(Native(gone), 0u) << gone;
    }
    EXPECT_NE(Native(kEditor), 0u);
}

TEST_F(CoreTest, DeletingTheSelectedItemLeavesNoSelection) {
    core_.InsertGadgetItem(kList, -1, "a");
    core_.InsertGadgetItem(kList, -1, "b");
    fake_->states[Native(kList)] = 1;
    core_.DeleteGadgetItem(kList, -1);
    core_.DeleteGadgetItem(kList, 2);
    EXPECT_EQ(core_.GadgetItemCount(kList), 2);
    core_.DeleteGadgetItem(kList, 1);
    EXPECT_EQ(core_.ReadGadgetState(kList), -1);
    EXPECT_EQ(core_.GadgetItemCount(kList), 1);
}

TEST_F(CoreTest, WindowEventsMergeAndFollowTheirInputsEvents) {
    core_.InputArrived();
    core_.CloseRequested(WindowNative());
    core_.InputArrived();
    core_.CloseRequested(WindowNative());
    EXPECT_EQ(Drain(), std::vector<Event>{Close()});

    core_.InputArrived();
    core_.CloseRequested(WindowNative());
    core_.Clicked(Native(kButton));
    core_.InputArrived();
    core_.Clicked(Native(kButton));
    EXPECT_EQ(Drain(), (std::vector<Event>{Gadget(kButton, Type::Change), Close(),
                                           Gadget(kButton, Type::Change)}));
}

TEST_F(CoreTest, CreatingAnEditorDropsPendingInputEventsOnly) {
    core_.InputArrived();
    core_.Clicked(Native(kButton));
    fake_->pendingInput = [this] {
        core_.InputArrived();
        core_.KeyPressed(Native(kButton), kKeyReturn);
        core_.CloseRequested(WindowNative());
    };
    EXPECT_NE(Create(7, GadgetKind::Editor), 0);
    EXPECT_EQ(Drain(), std::vector<Event>{Close()});
}

// The user's pending tab change is lost as an event, not as a change: the page shown follows.
TEST_F(CoreTest, ATabChangePendingAtTheEditorsCreationShowsItsPage) {
    const NativeId panel = Native(kPanel);
    fake_->pendingInput = [this, panel] {
        core_.InputArrived();
        core_.TabChanging(panel);
        core_.TabChanged(panel, 1);
    };
    EXPECT_NE(Create(7, GadgetKind::Editor), 0);
    EXPECT_TRUE(Drain().empty());
    EXPECT_EQ(TabFromPanel(), kHiddenField);
}

TEST_F(CoreTest, ATabThePlatformRefusesLeavesTheOthersOnTheirPages) {
    const NativeId panel = Native(kPanel);
    fake_->refuse = true;
    core_.InsertGadgetItem(kPanel, 1, "refused");
    fake_->refuse = false;
    core_.TabChanging(panel);
    core_.TabChanged(panel, 1);
    EXPECT_EQ(TabFromPanel(), kHiddenField);
}

TEST_F(CoreTest, AnItemTheListRefusesIsNotReadBack) {
    core_.InsertGadgetItem(kList, -1, "b");
    fake_->refuse = true;
    core_.InsertGadgetItem(kList, 0, "refused");
    fake_->refuse = false;
    core_.InsertGadgetItem(kList, 0, "a");
    EXPECT_EQ(core_.GadgetItemCount(kList), 2);
    EXPECT_EQ(core_.ReadGadgetItemText(kList, 0), "a");
    EXPECT_EQ(core_.ReadGadgetItemText(kList, 1), "b");
    EXPECT_EQ(fake_->items[Native(kList)], (std::vector<std::u16string>{u"a", u"b"}));
}

TEST_F(CoreTest, ShortcutsMatchOnTheExactModifiers) {
    struct Case {
        int gadget;
        std::int32_t shortcut;
        bool taken;
    };
    const Case cases[] = {
        {kField, kKeyReturn, true},
        {kEditor, kKeyReturn, true},
        {kField, kKeyReturn | kModShift, false},
        {kField, kKeyReturn | kModControl, false},
        {kField, kKeyReturn | kModAlt, false},
        {kEditor, kKeyTab, false},  // an editable editor takes Tab as text
        {kEditor, kKeyTab | kModShift, true},
        {kField, 'A', false},
        {kField, kKeyDelete, false},
        {kEditor, kKeyDelete, false},
        {kList, kKeyDelete, false},  // no item selected
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.gadget) + " key " + std::to_string(c.shortcut));
        EXPECT_EQ(core_.WouldTakeKey(Native(c.gadget), c.shortcut), c.taken);
        EXPECT_EQ(core_.KeyPressed(Native(c.gadget), c.shortcut), c.taken);
        Drain();
    }
    fake_->readOnly.insert(Native(kEditor));
    EXPECT_TRUE(core_.WouldTakeKey(Native(kEditor), kKeyTab));
    EXPECT_FALSE(core_.KeyPressed(0, kKeyReturn));
    core_.BindShortcut(kWindow, kKeyReturn | kModControl, 41);
    core_.BindShortcut(1, kKeyReturn, 42);
    core_.KeyPressed(WindowNative(), kKeyReturn);
    core_.KeyPressed(Native(kField), kKeyReturn | kModControl);
    EXPECT_EQ(Drain(), (std::vector<Event>{Menu(12), Menu(41)}));

    // Delete in a list with a selection asks as a double-click does; a binding comes first.
    fake_->states[Native(kList)] = 0;
    EXPECT_TRUE(core_.WouldTakeKey(Native(kList), kKeyDelete));
    EXPECT_TRUE(core_.KeyPressed(Native(kList), kKeyDelete));
    EXPECT_FALSE(core_.KeyPressed(Native(kList), kKeyDelete | kModShift));
    EXPECT_FALSE(core_.KeyPressed(Native(kField), kKeyDelete));
    core_.BindShortcut(kWindow, kKeyDelete, 43);
    core_.KeyPressed(Native(kList), kKeyDelete);
    EXPECT_EQ(Drain(), (std::vector<Event>{Gadget(kList, Type::DoubleClick), Menu(43)}));
}

TEST_F(CoreTest, TabWalksTheShownGadgetsInCreationOrder) {
    struct Step {
        int from;  // -1: nothing has the focus
        std::int32_t key;
        int to;
    };
    const std::int32_t back = kKeyTab | kModShift;
    const Step steps[] = {
        {-1, kKeyTab, kPanel},     {-1, back, kButton},        {kPanel, kKeyTab, kField},
        {kList, kKeyTab, kEditor}, {kButton, kKeyTab, kPanel}, {kEditor, back, kList},
        {kPanel, back, kButton},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::to_string(step.from) + " key " + std::to_string(step.key));
        fake_->focused = step.from < 0 ? 0 : Native(step.from);
        EXPECT_TRUE(core_.KeyPressed(step.from < 0 ? WindowNative() : Native(step.from), step.key));
        EXPECT_EQ(core_.FocusedGadget(), step.to);
    }
    EXPECT_TRUE(Drain().empty());

    core_.TabChanging(Native(kPanel));
    core_.TabChanged(Native(kPanel), 1);
    EXPECT_EQ(TabFromPanel(), kHiddenField);
}

TEST_F(CoreTest, ATabSwitchHidesShowsThenPosts) {
    const NativeId panel = Native(kPanel);
    core_.InputArrived();
    core_.TabChanging(panel);
    core_.TabChanged(panel, 1);
    core_.TabRowReleased(panel, true);
    core_.TabRowReleased(panel, false);
    const std::string first = std::to_string(Native(kPanel) + 1);
    const std::string second = std::to_string(Native(kHiddenField) - 1);
    EXPECT_EQ(fake_->pageCalls, (std::vector<std::string>{"-" + first, "+" + second}));
    EXPECT_EQ(Drain(),
              (std::vector<Event>{Gadget(kPanel, Type::Change), Gadget(kPanel, Type::TabClick)}));

    // A tab inserted ahead moves the selected tab's index, as the platform reports.
    fake_->echo = [this](NativeId changed) {
        core_.TabChanging(changed);
        core_.TabChanged(changed, 2);
    };
    core_.InsertGadgetItem(kPanel, 0, "Null");
    EXPECT_TRUE(Drain().empty());
    EXPECT_EQ(fake_->pageCalls.size(), 3u);  // the new page hidden, nothing else
}

TEST_F(CoreTest, ListPressDragAndRelease) {
    struct Case {
        const char* name;
        std::function<void(Core&, NativeId)> act;
        std::vector<Event> expected;
    };
    const Event change = Gadget(kList, Type::Change);
    const std::vector<Case> cases = {
        {"press and release",
         [](Core& core, NativeId list) {
             core.ListPressed(list, 10, 10, true, false);
             core.ListReleased(list, true);
         },
         {change}},
        {"move within the drag distance",
         [](Core& core, NativeId list) {
             core.ListPressed(list, 10, 10, true, false);
             core.ListMoved(list, 14, 6);
             core.ListReleased(list, true);
         },
         {change}},
        {"drag beyond it",
         [](Core& core, NativeId list) {
             core.ListPressed(list, 10, 10, true, false);
             core.ListMoved(list, 10, 15);
             core.ListMoved(list, 10, 25);
             core.ListReleased(list, true);
         },
         {Gadget(kList, Type::DragStart)}},
        {"a hover after the capture was lost",
         [](Core& core, NativeId list) {
             core.ListPressed(list, 10, 10, true, false);
             core.ListCaptureLost(list);
             core.ListMoved(list, 10, 25);
             core.ListReleased(list, true);
         },
         {}},
        {"press with Shift or Control, or another button",
         [](Core& core, NativeId list) {
             core.ListPressed(list, 10, 10, true, true);
             core.ListReleased(list, true);
             core.ListPressed(list, 10, 10, false, false);
             core.ListReleased(list, false);
         },
         {}},
        {"selection change and double-click",
         [](Core& core, NativeId list) {
             core.SelectionChanged(list);
             core.ListDoubleClicked(list, true);
             core.ListDoubleClicked(list, false);
         },
         {change, Gadget(kList, Type::DoubleClick)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.act(core_, Native(kList));
        EXPECT_EQ(Drain(), c.expected);
    }
}

// A new text keeps the first line in view and the caret where it still has them, else as
// near as it has; the same text again moves nothing.
TEST_F(CoreTest, ANewEditorTextKeepsTheReadersPlace) {
    using View = Platform::EditorView;
    const struct {
        const char* text;
        View after;
    } cases[] = {
        {"a\rb\rc\rline d\re\rf", {4, 30, 3, 5}},
        {"a\rb\rc\rd\re\rf", {4, 30, 3, 1}},
        {"a\rbc", {1, 30, 1, 2}},
        {"", {0, 30, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        fake_->views[Native(kEditor)] = {4, 30, 3, 5};
        core_.WriteGadgetText(kEditor, c.text);
        EXPECT_EQ(fake_->views[Native(kEditor)], c.after);
    }
    fake_->views[Native(kEditor)] = {9, 9, 9, 9};
    core_.WriteGadgetText(kEditor, "");
    EXPECT_EQ(fake_->views[Native(kEditor)], (View{9, 9, 9, 9}));
}

// Items and texts set by the caller post nothing; a focus given by the caller is reported.
TEST_F(CoreTest, TheCallersChangesPostNoEventButFocus) {
    fake_->echo = [this](NativeId gadget) { core_.FocusIn(gadget); };
    core_.InsertGadgetItem(kList, -1, "a");
    core_.WriteGadgetText(kField, "b");
    core_.WriteGadgetText(kEditor, "c");
    core_.SetGadgetAccessibleName(kList, "d");
    core_.FocusGadget(kField);
    EXPECT_EQ(core_.PollEvent(), EventKind::Gadget);
    EXPECT_EQ(core_.CurrentEvent(), Gadget(kField, Type::FocusIn));
    EXPECT_EQ(core_.PollEvent(), EventKind::None);
    EXPECT_EQ(core_.CurrentEvent().type, Type::None);
}

// A name is converted like every text; numbers that name no gadget, a window's included,
// name nothing.
TEST_F(CoreTest, AccessibleNamesReachTheNamedGadgetOnly) {
    core_.SetGadgetAccessibleName(kButton, "Methode hinzuf\xFCgen");
    for (const int nothing : {kWindow, 99, -1}) {
        core_.SetGadgetAccessibleName(nothing, "niemand");
    }
    EXPECT_EQ(fake_->accessibleNames,
              (std::map<NativeId, std::u16string>{{Native(kButton), u"Methode hinzuf\u00FCgen"}}));
}

// What a field, list or editor is given to show, from the caller's colours and the desktop's.
TEST_F(CoreTest, GadgetsShowTheCallersColoursWithReadableText) {
    constexpr Colour kPale = RGB(255, 255, 230);
    constexpr Colour kNavy = RGB(0, 0, 128);
    constexpr Colour kDarkText = RGB(30, 30, 30);
    constexpr Colour kNearWhite = RGB(238, 238, 236);
    constexpr Colour kMidnight = RGB(0, 0, 64);
    constexpr Colour kNone = kDefaultColour;
    const struct {
        const char* name;
        GadgetColours set;
        Colour desktopText;
        bool highContrast;
        GadgetColours shown;
    } cases[] = {
        {"none set", {kNone, kNone}, kNearWhite, false, {kNone, kNone}},
        {"text set alone", {kNavy, kNone}, kNearWhite, false, {kNavy, kNone}},
        {"explicit text kept", {kNavy, kPale}, kNearWhite, false, {kNavy, kPale}},
        {"light desktop's text", {kNone, kPale}, kDarkText, false, {kDarkText, kPale}},
        {"dark desktop's text gives way", {kNone, kPale}, kNearWhite, false, {RGB(0, 0, 0), kPale}},
        {"to white on a dark background",
         {kNone, kMidnight},
         RGB(60, 60, 60),
         false,
         {RGB(255, 255, 255), kMidnight}},
        {"dark desktop's text kept",
         {kNone, kMidnight},
         kNearWhite,
         false,
         {kNearWhite, kMidnight}},
        {"high contrast", {kNavy, kPale}, kNearWhite, true, {kNone, kNone}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake_->desktopText = c.desktopText;
        fake_->highContrast = c.highContrast;
        for (const int gadget : {kField, kList, kEditor}) {
            core_.SetGadgetColour(gadget, ColourType::Text, c.set.text);
            core_.SetGadgetColour(gadget, ColourType::Background, c.set.background);
            EXPECT_EQ(Shown(gadget), c.shown) << "gadget " << gadget;
        }
    }
}

// A switch of theme, or high contrast going on or off, gives every gadget that takes colours
// what it is to show under the desktop's new colours, and the others nothing.
TEST_F(CoreTest, ADesktopSwitchShowsTheColoursAnew) {
    core_.SetGadgetColour(kField, ColourType::Background, RGB(255, 255, 230));
    const struct {
        Colour desktopText;
        bool highContrast;
        GadgetColours shown;
    } steps[] = {
        {RGB(0, 0, 128), false, {RGB(0, 0, 128), RGB(255, 255, 230)}},
        {RGB(0, 0, 128), true, {kDefaultColour, kDefaultColour}},
        {RGB(238, 238, 236), false, {RGB(0, 0, 0), RGB(255, 255, 230)}},
    };
    for (const auto& step : steps) {
        fake_->desktopText = step.desktopText;
        fake_->highContrast = step.highContrast;
        core_.DesktopColoursChanged();
        EXPECT_EQ(Shown(kField), step.shown);
    }
    EXPECT_FALSE(fake_->colours.contains({Native(kButton), ColourType::Text}));
}

TEST(Utf16TextTest, ConvertsBothWays) {
    EXPECT_EQ(Utf16OfWindows1252("\xF6\x80\x81"), u"\u00F6\u20AC\u0081");
    EXPECT_EQ(Windows1252OfUtf16(u"\u00F6\u20AC\U0001F600\u4E2D"), "\xF6\x80??");
    EXPECT_EQ(EditorUtf16OfWindows1252("a\rb\r\nc\nd"), u"a\nb\nc\nd");
    EXPECT_EQ(EditorWindows1252OfUtf16(u"a\nb\u2029c\u2028d"), "a\rb\rc\rd");
}

// Red in the lowest byte, as Windows lays out a colour.
static_assert(RGB(255, 255, 230) == 0xE6FFFF);
static_assert(RGB(1, 2, 3) == 0x030201);

}  // namespace
}  // namespace quillmoor::toolkit
