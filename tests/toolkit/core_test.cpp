// The core's rules without any display: the calls of toolkit.h through the front, which starts
// the fake platform defined here instead of a realisation. The fake hands out ids and records
// what the core asks of it; the test reports happenings and reads back events and focus moves.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/toolkit/event_form_fixture.h"
#include "tests/toolkit/fake_platform.h"
#include "toolkit/core/readable_colours.h"
#include "toolkit/core/running_core.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

namespace {

// The reason the next start fails with; empty: it starts the fake.
std::string refusal;
FakePlatform* started = nullptr;

}  // namespace

std::unique_ptr<Platform> StartPlatform(Happenings&, std::string& failure) {
    if (!refusal.empty()) {
        failure = refusal;
        return nullptr;
    }
    auto platform = std::make_unique<FakePlatform>();
    started = platform.get();
    return platform;
}

namespace {

using Type = GadgetEventType;

constexpr int kWindow = 0;
constexpr int kNothing = 99;  // a number that names nothing

// What every getter answers for a number that names nothing, and outside the toolkit's
// lifetime; the setters on it must not reach a platform.
void ExpectNothingNamed(int gadget) {
    InsertGadgetItem(gadget, -1, "x");
    DeleteGadgetItem(gadget, 0);
    WriteGadgetText(gadget, "x");
    SetGadgetColour(gadget, ColourType::Background, RGB(1, 2, 3));
    SetGadgetAccessibleName(gadget, "x");
    AssignGadgetFont(gadget, -1);
    FocusGadget(gadget);
    EXPECT_EQ(ReadGadgetText(gadget), "");
    EXPECT_EQ(ReadGadgetState(gadget), 0);
    EXPECT_EQ(GadgetItemCount(gadget), 0);
    EXPECT_EQ(ReadGadgetItemText(gadget, 0), "");
    EXPECT_EQ(WindowHandle(gadget), 0);
    EXPECT_EQ(FontHandle(gadget), 0);
}

class ToolkitLifetime : public ::testing::Test {
protected:
    void TearDown() override {
        EndToolkit();
        refusal.clear();
    }
};

TEST_F(ToolkitLifetime, OutsideItCallsDoNothingAndReturnNoneValues) {
    const struct {
        const char* name;
        std::function<void()> reach;
        std::string failure;  // what LastFailure() says after a refused OpenFormWindow()
    } moments[] = {
        {"before the start", [] {}, "the toolkit is not running"},
        {"after a failed start",
         [] {
             refusal = "no display";
             EXPECT_FALSE(InitToolkit());
             EndToolkit();
         },
         "no display"},
        {"after the end",
         [] {
             refusal.clear();
             ASSERT_TRUE(InitToolkit());
             ASSERT_NE(OpenFormWindow(kWindow, 0, 0, 200, 100, "Fenster", kDialogWindowFlags), 0);
             EXPECT_EQ(OpenFormWindow(1, 0, 0, 0, 100, "leer", kDialogWindowFlags), 0);
             EndToolkit();
         },
         "the toolkit is not running"},
    };
    for (const auto& moment : moments) {
        SCOPED_TRACE(moment.name);
        moment.reach();
        EXPECT_EQ(RunningCore(), nullptr);
        EXPECT_EQ(OpenFormWindow(kWindow, 0, 0, 200, 100, "Fenster", kDialogWindowFlags), 0);
        EXPECT_EQ(LastFailure(), moment.failure);
        EXPECT_EQ(CreateTextGadget(1, 0, 0, 10, 10, "x", TextFieldFlags::Editable), 0);
        EXPECT_EQ(BeginGadgetList(1), 0);
        EndGadgetList();
        BindShortcut(kWindow, kKeyReturn, 12);
        ExpectNothingNamed(1);
        EXPECT_EQ(LoadNumberedFont(0, "Courier", 10), 0);
        EXPECT_EQ(AskUser("Frage", "Wirklich?", AskFlags::YesNo), Answer::NotShown);
        EXPECT_EQ(WaitForEvent(), EventKind::None);
        EXPECT_EQ(EventGadgetId(), 0);
        EXPECT_EQ(EventMenuNumber(), 0);
        EXPECT_EQ(FocusedGadget(), -1);
        EXPECT_EQ(EventSubtype(), Type::None);
        EXPECT_EQ(EventWindow(), -1);
    }
    // Who the program is reaches a platform started later, and the running one at once.
    DescribeProgram("Quillmoor", "quillmoor/icon");
    ASSERT_TRUE(InitToolkit()) << LastFailure();
    EXPECT_EQ(LastFailure(), "");
    EXPECT_EQ(started->program, "Quillmoor");
    DescribeProgram("Anders", "quillmoor/icon");
    EXPECT_EQ(started->program, "Anders");
    // Nothing is made before a window is open.
    EXPECT_EQ(CreatePanelGadget(1, 0, 0, 10, 10), 0);
    EXPECT_EQ(started->made, 0);
}

// Window 0: panel 1 with page "A" (field 2, list 3) and page "B" (field 4), then editor 5 and
// button 6 below the panel.
class CoreTest : public ::testing::Test {
protected:
    enum : int { kPanel = 1, kField = 2, kList = 3, kHiddenField = 4, kEditor = 5, kButton = 6 };

    void SetUp() override {
        ASSERT_TRUE(InitToolkit());
        fake_ = started;
        ASSERT_NE(OpenFormWindow(kWindow, 0, 0, 300, 300, "Kern", kDialogWindowFlags), 0);
        Create(kPanel, GadgetKind::Panel);
        InsertGadgetItem(kPanel, -1, "A");
        Create(kField, GadgetKind::Text);
        Create(kList, GadgetKind::List);
        InsertGadgetItem(kPanel, -1, "B");
        Create(kHiddenField, GadgetKind::Text);
        EndGadgetList();
        Create(kEditor, GadgetKind::Editor);
        Create(kButton, GadgetKind::Button);
        BindShortcut(kWindow, kKeyReturn, 12);
        fake_->pageCalls.clear();
    }

    void TearDown() override { EndToolkit(); }

    static Handle Create(int gadget, GadgetKind kind) {
        using enum GadgetKind;
        return kind == Panel  ? CreatePanelGadget(gadget, 0, 0, 10, 10)
               : kind == Text ? CreateTextGadget(gadget, 0, 0, 10, 10, "", TextFieldFlags::Editable)
               : kind == Check  ? CreateCheckGadget(gadget, 0, 0, 10, 10, "")
               : kind == List   ? CreateListGadget(gadget, 0, 0, 10, 10)
               : kind == Button ? CreateButtonGadget(gadget, 0, 0, 10, 10, "")
                                : CreateEditorGadget(gadget, 0, 0, 10, 10);
    }
    static Core& Running() { return *RunningCore(); }
    static NativeId Native(int gadget) { return Running().GadgetNative(gadget); }
    static NativeId WindowNative(int window = kWindow) {
        return static_cast<NativeId>(WindowHandle(window));
    }

    // Where Tab from the panel's tab row goes: the first gadget of the page shown.
    int TabFromPanel() {
        fake_->focused = Native(kPanel);
        Running().KeyPressed(Native(kPanel), kKeyTab);
        return FocusedGadget();
    }

    FakePlatform* fake_ = nullptr;
};

// Numbers outside 0..32767 and window sides above 32767 are refused before the platform
// is asked to make anything; the edges themselves are accepted.
TEST_F(CoreTest, TheCoreRefusesWhatNoPlatformCouldHold) {
    constexpr int kMaxSide = 32767;
    const auto gadget = [](int number) {
        return [number] { return CreateButtonGadget(number, 0, 0, 10, 10, ""); };
    };
    const auto window = [](int number, int width, int height) {
        return [=] { return OpenFormWindow(number, 0, 0, width, height, "", kDialogWindowFlags); };
    };
    const auto font = [](int number) {
        return [number] { return LoadNumberedFont(number, "Courier", 10); };
    };
    const struct {
        const char* name;
        std::function<Handle()> call;
        bool accepted;
    } cases[] = {
        {"gadget -1", gadget(-1), false},
        {"gadget 32768", gadget(kMaxObjectNumber + 1), false},
        {"gadget 32767", gadget(kMaxObjectNumber), true},
        {"font -1", font(-1), false},
        {"font 32768", font(kMaxObjectNumber + 1), false},
        {"font 32767", font(kMaxObjectNumber), true},
        {"a font of size 0", [] { return LoadNumberedFont(1, "Courier", 0); }, false},
        {"window -1", window(-1, 10, 10), false},
        {"window 32768", window(kMaxObjectNumber + 1, 10, 10), false},
        {"window 32767", window(kMaxObjectNumber, 10, 10), true},
        {"a width of 32768", window(1, kMaxSide + 1, 10), false},
        {"a height of 32768", window(1, 10, kMaxSide + 1), false},
        {"a width of 0", window(1, 0, 10), false},
        {"a height of 0", window(1, 10, 0), false},
        {"both sides 1", window(1, 1, 1), true},
        {"a font of size 1", [] { return LoadNumberedFont(1, "Courier", 1); }, true},
        {"both sides 32767", window(1, kMaxSide, kMaxSide), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int madeBefore = fake_->made;
        EXPECT_EQ(c.call() != 0, c.accepted);
        EXPECT_EQ(fake_->made - madeBefore, c.accepted ? 1 : 0);
    }
}

TEST_F(CoreTest, NumbersAreReplacedAndKept) {
    const NativeId oldButton = Native(kButton);
    EXPECT_NE(Create(kButton, GadgetKind::Check), 0);
    EXPECT_EQ(fake_->destroyed, std::vector<NativeId>{oldButton});
    EXPECT_EQ(ReadGadgetState(kButton), -1);
    // A panel takes the gadgets of its pages with it.
    const NativeId panel = Native(kPanel);
    Create(kPanel, GadgetKind::Button);
    EXPECT_EQ(fake_->destroyed, (std::vector<NativeId>{oldButton, panel}));
    for (const int gone : {kField, kList, kHiddenField}) {
        EXPECT_EQ(Native(gone), 0u) << gone;
    }
    EXPECT_NE(Native(kEditor), 0u);
    ExpectNothingNamed(kNothing);
    EXPECT_EQ(BeginGadgetList(WindowHandle(kWindow)), 1);
    EXPECT_EQ(BeginGadgetList(static_cast<Handle>(Native(kButton))), 0);

    fake_->refuse = true;
    const NativeId check = Native(kButton);
    EXPECT_EQ(Create(kButton, GadgetKind::Button), 0);
    EXPECT_EQ(Native(kButton), check);
    EXPECT_EQ(OpenFormWindow(1, 0, 0, 10, 10, "", kDialogWindowFlags), 0);
    EXPECT_EQ(LastFailure(), "the windowing system refused to open window 1");
    EXPECT_EQ(WindowHandle(1), 0);
    EXPECT_EQ(LoadNumberedFont(0, "Courier", 10), 0);
    EXPECT_EQ(FontHandle(0), 0);
}

// Panels nest, a page takes its panel's place, and each EndGadgetList() goes back one panel,
// never beyond the window; a window newly opened starts with nothing pushed.
TEST_F(CoreTest, NewGadgetsGoIntoTheCurrentContainer) {
    const auto parentOfNew = [] {
        return Create(8, GadgetKind::Button) == 0 ? 0 : started->parents.at(Native(8));
    };
    EXPECT_EQ(parentOfNew(), WindowNative());
    Create(7, GadgetKind::Panel);
    EXPECT_EQ(parentOfNew(), 0u);  // a panel without tabs holds nothing
    InsertGadgetItem(7, -1, "C");
    InsertGadgetItem(7, -1, "D");
    const NativeId pageD = parentOfNew();
    Create(9, GadgetKind::Panel);
    EXPECT_EQ(fake_->parents.at(Native(9)), pageD);
    InsertGadgetItem(9, -1, "E");
    EXPECT_NE(parentOfNew(), pageD);
    // Neither the panel holding the current page nor one around it can be replaced from there.
    EXPECT_EQ(Create(9, GadgetKind::Button), 0);
    EXPECT_EQ(Create(7, GadgetKind::Button), 0);
    EndGadgetList();
    EXPECT_EQ(parentOfNew(), pageD);
    EndGadgetList();
    EndGadgetList();
    EXPECT_EQ(parentOfNew(), WindowNative());

    Create(10, GadgetKind::Panel);
    ASSERT_NE(OpenFormWindow(1, 0, 0, 100, 100, "Zwei", kDialogWindowFlags), 0);
    EndGadgetList();
    EXPECT_EQ(parentOfNew(), WindowNative(1));
}

// Within an input its gadget and menu events come first, then its close; inputs keep their
// order. A close is merged only with the newest window event, and only when it is the same
// window's.
TEST_F(CoreTest, WindowEventsMergeAndFollowTheirInputsEvents) {
    EXPECT_EQ(EventWindow(), -1);
    ASSERT_NE(OpenFormWindow(1, 0, 0, 100, 100, "Zwei", kDialogWindowFlags), 0);
    const Event otherClose = CloseEvent(1);
    const auto close = [](int window) { Running().CloseRequested(WindowNative(window)); };
    const auto click = [] { Running().Clicked(Native(kButton)); };
    const auto press = [] { Running().KeyPressed(Native(kField), kKeyReturn); };
    const auto input = [] { Running().InputArrived(); };
    const struct {
        const char* name;
        std::function<void()> act;
        std::vector<Event> expected;
    } cases[] = {
        {"two closes", [&] { input(), close(0), input(), close(0); }, {CloseEvent()}},
        {"another window's between",
         [&] { input(), close(0), close(1), close(0); },
         {CloseEvent(), otherClose, CloseEvent()}},
        {"close, click, key, then the next input's click",
         [&] { input(), close(0), click(), press(), input(), click(); },
         {GadgetEvent(kButton, Type::Change), MenuEvent(12), CloseEvent(),
          GadgetEvent(kButton, Type::Change)}},
        {"close, then the next input's click",
         [&] { input(), close(0), input(), click(); },
         {CloseEvent(), GadgetEvent(kButton, Type::Change)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        EXPECT_EQ(Drain(), c.expected);
    }
}

// A replaced gadget takes its pending events with it, but not a menu event of the same number;
// a window reopened takes every pending event of the old one.
TEST_F(CoreTest, PendingEventsLeaveWithTheirGadgetOrWindow) {
    ASSERT_NE(OpenFormWindow(1, 0, 0, 100, 100, "Zwei", kDialogWindowFlags), 0);
    Create(20, GadgetKind::Button);
    BindShortcut(kWindow, kKeyReturn, kButton);
    Running().InputArrived();
    Running().Clicked(Native(kButton));
    Running().KeyPressed(Native(kField), kKeyReturn);
    Running().Clicked(Native(kField));
    Running().Clicked(Native(20));
    Running().CloseRequested(WindowNative(1));
    Running().CloseRequested(WindowNative());
    Create(kButton, GadgetKind::Check);
    ASSERT_NE(OpenFormWindow(1, 0, 0, 100, 100, "Zwei", kDialogWindowFlags), 0);
    EXPECT_EQ(Drain(), (std::vector<Event>{MenuEvent(kButton), GadgetEvent(kField, Type::Change),
                                           CloseEvent()}));
}

// The user's pending tab change is lost as an event, not as a change: the page shown follows.
TEST_F(CoreTest, CreatingAnEditorDropsPendingInputEventsOnly) {
    const NativeId panel = Native(kPanel);
    Running().InputArrived();
    Running().Clicked(Native(kButton));
    fake_->pendingInput = [this, panel] {
        Running().InputArrived();
        Running().KeyPressed(Native(kButton), kKeyReturn);
        Running().CloseRequested(WindowNative());
        Running().TabChanging(panel);
        Running().TabChanged(panel, 1);
    };
    EXPECT_NE(Create(7, GadgetKind::Editor), 0);
    EXPECT_EQ(Drain(), std::vector<Event>{CloseEvent()});
    EXPECT_EQ(TabFromPanel(), kHiddenField);
}

// What the platform refuses is not kept: a tab leaves the others on their pages, and an item
// is not read back.
TEST_F(CoreTest, WhatThePlatformRefusesIsNotKept) {
    const NativeId panel = Native(kPanel);
    InsertGadgetItem(kList, -1, "b");
    fake_->refuse = true;
    InsertGadgetItem(kPanel, 1, "refused");
    InsertGadgetItem(kList, 0, "refused");
    fake_->refuse = false;
    Running().TabChanging(panel);
    Running().TabChanged(panel, 1);
    EXPECT_EQ(TabFromPanel(), kHiddenField);
    InsertGadgetItem(kList, 0, "a");
    EXPECT_EQ(GadgetItemCount(kList), 2);
    EXPECT_EQ(ReadGadgetItemText(kList, 0), "a");
    EXPECT_EQ(ReadGadgetItemText(kList, 1), "b");
    EXPECT_EQ(fake_->items[Native(kList)], (std::vector<std::u16string>{u"a", u"b"}));
}

TEST_F(CoreTest, ShortcutsMatchOnTheExactModifiers) {
    constexpr std::int32_t kKeyF5 = 116;
    const std::int32_t all = kModShift | kModControl | kModAlt;
    BindShortcut(kWindow, kKeyF5 | kModControl | kModShift, 40);
    const struct {
        int gadget;
        std::int32_t shortcut;
        bool taken;
    } cases[] = {
        {kField, kKeyReturn, true},
        {kEditor, kKeyReturn, true},
        {kField, kKeyReturn | kModShift, false},
        {kField, kKeyReturn | kModControl, false},
        {kField, kKeyReturn | kModAlt, false},
        {kField, kKeyReturn | all, false},
        {kField, kKeyF5 | kModControl | kModShift, true},
        {kField, kKeyF5 | kModControl, false},
        {kField, kKeyF5 | all, false},
        {kField, kKeyTab | kModControl, false},
        {kEditor, kKeyTab, false},  // an editable editor takes Tab as text
        {kEditor, kKeyTab | kModShift, true},
        {kField, 'A', false},
        {kField, kKeyDelete, false},
        {kEditor, kKeyDelete, false},
        {kList, kKeyDelete, false},  // no item selected
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.gadget) + " key " + std::to_string(c.shortcut));
        EXPECT_EQ(Running().WouldTakeKey(Native(c.gadget), c.shortcut), c.taken);
        EXPECT_EQ(Running().KeyPressed(Native(c.gadget), c.shortcut), c.taken);
        Drain();
    }
    fake_->readOnly.insert(Native(kEditor));
    EXPECT_TRUE(Running().WouldTakeKey(Native(kEditor), kKeyTab));
    EXPECT_FALSE(Running().KeyPressed(0, kKeyReturn));
    BindShortcut(kWindow, kKeyReturn | kModControl, 41);
    BindShortcut(1, kKeyReturn, 42);
    Running().KeyPressed(WindowNative(), kKeyReturn);
    Running().KeyPressed(Native(kField), kKeyReturn | kModControl);
    EXPECT_EQ(Drain(), (std::vector<Event>{MenuEvent(12), MenuEvent(41)}));

    // Delete in a list with a selection asks as a double-click does; a binding comes first.
    fake_->states[Native(kList)] = 0;
    EXPECT_TRUE(Running().WouldTakeKey(Native(kList), kKeyDelete));
    EXPECT_TRUE(Running().KeyPressed(Native(kList), kKeyDelete));
    EXPECT_FALSE(Running().KeyPressed(Native(kList), kKeyDelete | kModShift));
    EXPECT_FALSE(Running().KeyPressed(Native(kField), kKeyDelete));
    BindShortcut(kWindow, kKeyDelete, 43);
    Running().KeyPressed(Native(kList), kKeyDelete);
    EXPECT_EQ(Drain(), (std::vector<Event>{GadgetEvent(kList, Type::DoubleClick), MenuEvent(43)}));
}

// A binding replaces the number a combination had, the focus keys' own included, and only
// numbers of 16 bits are bound.
TEST_F(CoreTest, BindingAgainReplacesTheNumber) {
    const struct {
        std::int32_t key;
        int bound;
        int posted;
    } cases[] = {
        {kKeyReturn, 13, 13}, {kKeyReturn, 65536, 13},    {kKeyReturn, -1, 13},
        {kKeyReturn, 0, 0},   {kKeyReturn, 65535, 65535}, {kKeyTab, 7, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bound);
        BindShortcut(kWindow, c.key, c.bound);
        Running().KeyPressed(Native(kField), c.key);
        EXPECT_EQ(Drain(), std::vector<Event>{MenuEvent(c.posted)});
    }
    fake_->focused = Native(kField);
    Running().KeyPressed(Native(kField), kKeyTab | kModShift);
    EXPECT_EQ(FocusedGadget(), kPanel);
}

TEST_F(CoreTest, TabWalksTheShownGadgetsInCreationOrder) {
    const std::int32_t back = kKeyTab | kModShift;
    // The last two: a hidden gadget that has the focus counts by its place.
    const struct {
        int from;  // -1: nothing has the focus
        std::int32_t key;
        int to;
    } steps[] = {{-1, kKeyTab, kPanel},      {-1, back, kButton},
                 {kPanel, kKeyTab, kField},  {kList, kKeyTab, kEditor},
                 {kButton, kKeyTab, kPanel}, {kEditor, back, kList},
                 {kPanel, back, kButton},    {kHiddenField, kKeyTab, kEditor},
                 {kHiddenField, back, kList}};
    for (const auto& step : steps) {
        SCOPED_TRACE(std::to_string(step.from) + " key " + std::to_string(step.key));
        fake_->focused = step.from < 0 ? 0 : Native(step.from);
        EXPECT_TRUE(
            Running().KeyPressed(step.from < 0 ? WindowNative() : Native(step.from), step.key));
        EXPECT_EQ(FocusedGadget(), step.to);
    }
    EXPECT_TRUE(Drain().empty());

    Running().TabChanging(Native(kPanel));
    Running().TabChanged(Native(kPanel), 1);
    EXPECT_EQ(TabFromPanel(), kHiddenField);

    // Another window's order holds only its own gadgets: none, then one that keeps the focus.
    ASSERT_NE(OpenFormWindow(1, 0, 0, 100, 100, "Zwei", kDialogWindowFlags), 0);
    EXPECT_TRUE(Running().KeyPressed(WindowNative(1), kKeyTab));
    EXPECT_EQ(FocusedGadget(), kHiddenField);
    Create(kNothing, GadgetKind::Button);
    for (const std::int32_t key : {kKeyTab, back, kKeyTab}) {
        Running().KeyPressed(WindowNative(1), key);
        EXPECT_EQ(FocusedGadget(), kNothing);
    }
}

TEST_F(CoreTest, ATabSwitchHidesShowsThenPosts) {
    const NativeId panel = Native(kPanel);
    Running().InputArrived();
    Running().TabChanging(panel);
    Running().TabChanged(panel, 1);
    Running().TabRowReleased(panel, true);
    Running().TabRowReleased(panel, false);
    const std::string first = std::to_string(Native(kPanel) + 1);
    const std::string second = std::to_string(Native(kHiddenField) - 1);
    EXPECT_EQ(fake_->pageCalls, (std::vector<std::string>{"-" + first, "+" + second}));
    EXPECT_EQ(Drain(), (std::vector<Event>{GadgetEvent(kPanel, Type::Change),
                                           GadgetEvent(kPanel, Type::TabClick)}));

    // A tab inserted ahead moves the selected tab's index, as the platform reports.
    fake_->echo = [](NativeId changed) {
        Running().TabChanging(changed);
        Running().TabChanged(changed, 2);
    };
    InsertGadgetItem(kPanel, 0, "Null");
    EXPECT_TRUE(Drain().empty());
    EXPECT_EQ(fake_->pageCalls.size(), 3u);  // the new page hidden, nothing else
}

// The fake's drag distance is 4: a move of 4 either way is none, one of 5 is a drag.
TEST_F(CoreTest, ListPressDragAndRelease) {
    Core& core = Running();
    const NativeId list = Native(kList);
    const auto press = [&](bool left = true, bool shiftOrControl = false) {
        core.ListPressed(list, 10, 10, left, shiftOrControl);
    };
    const auto move = [&](int x, int y) { core.ListMoved(list, x, y); };
    const auto release = [&](bool left = true) { core.ListReleased(list, left); };
    const Event change = GadgetEvent(kList, Type::Change);
    const Event drag = GadgetEvent(kList, Type::DragStart);
    const struct {
        const char* name;
        std::function<void()> act;
        std::vector<Event> expected;
    } cases[] = {
        {"press and release", [&] { press(), release(); }, {change}},
        {"move within the drag distance", [&] { press(), move(14, 6), release(); }, {change}},
        {"drag beyond it", [&] { press(), move(10, 15), move(10, 25), release(); }, {drag}},
        {"drag beyond it to the left, then upwards",
         [&] { press(), move(5, 10), release(), press(), move(10, 5), release(); },
         {drag, drag}},
        {"a hover after the capture was lost",
         [&] { press(), core.ListCaptureLost(list), move(10, 25), release(); },
         {}},
        {"press with Shift or Control, or another button",
         [&] { press(true, true), release(), press(false), release(false); },
         {}},
        {"selection change and double-click",
         [&] {
             core.SelectionChanged(list);
             core.ListDoubleClicked(list, true);
             core.ListDoubleClicked(list, false);
         },
         {change, GadgetEvent(kList, Type::DoubleClick)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
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
        WriteGadgetText(kEditor, c.text);
        EXPECT_EQ(fake_->views[Native(kEditor)], c.after);
    }
    fake_->views[Native(kEditor)] = {9, 9, 9, 9};
    WriteGadgetText(kEditor, "");
    EXPECT_EQ(fake_->views[Native(kEditor)], (View{9, 9, 9, 9}));
}

// Items, texts and names set by the caller post nothing; a focus given by the caller is
// reported. A name is converted like every text; numbers that name no gadget, a window's
// included, name nothing.
TEST_F(CoreTest, TheCallersChangesPostNoEventButFocus) {
    fake_->echo = [](NativeId gadget) { Running().FocusIn(gadget); };
    InsertGadgetItem(kList, -1, "a");
    WriteGadgetText(kField, "b");
    WriteGadgetText(kEditor, "c");
    SetGadgetAccessibleName(kButton, "Methode hinzuf\xFCgen");
    for (const int nothing : {kWindow, kNothing, -1}) {
        SetGadgetAccessibleName(nothing, "niemand");
    }
    FocusGadget(kField);
    EXPECT_EQ(Drain(), std::vector<Event>{GadgetEvent(kField, Type::FocusIn)});
    EXPECT_EQ(fake_->accessibleNames,
              (std::map<NativeId, std::u16string>{{Native(kButton), u"Methode hinzuf\u00FCgen"}}));
}

// The editor is handed its lines ended by a lone CR whatever the caller wrote, and what it
// shows unchanged is not written again.
TEST_F(CoreTest, TheEditorGetsLoneCarriageReturns) {
    WriteGadgetText(kEditor, "a\r\nb\nc\r");
    EXPECT_EQ(fake_->texts.at(Native(kEditor)), u"a\rb\rc\r");
    fake_->texts[Native(kEditor)] = u"x";
    WriteGadgetText(kEditor, "a\r\nb\nc\r");
    EXPECT_EQ(ReadGadgetText(kEditor), "x");
    fake_->texts[Native(kEditor)] = u"a\r\nb\u2029";
    EXPECT_EQ(ReadGadgetText(kEditor), "a\rb\r");
}

// What a field, list or editor is given to show, from the caller's colours and the desktop's.
TEST_F(CoreTest, GadgetsShowTheCallersColoursWithReadableText) {
    constexpr Colour kPale = RGB(255, 255, 230);
    constexpr Colour kNavy = RGB(0, 0, 128);
    constexpr Colour kDarkText = RGB(30, 30, 30);
    constexpr Colour kNearWhite = RGB(238, 238, 236);
    constexpr Colour kMidnight = RGB(0, 0, 64);
    constexpr Colour kGrey = RGB(60, 60, 60);
    constexpr Colour kBlack = RGB(0, 0, 0);
    constexpr Colour kWhite = RGB(255, 255, 255);
    constexpr Colour kGrey117 = RGB(117, 117, 117);
    constexpr Colour kGrey118 = RGB(118, 118, 118);
    constexpr Colour kGrey119 = RGB(119, 119, 119);
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
        {"dark desktop's text gives way", {kNone, kPale}, kNearWhite, false, {kBlack, kPale}},
        {"to white on a dark background", {kNone, kMidnight}, kGrey, false, {kWhite, kMidnight}},
        {"desktop's kept on dark", {kNone, kMidnight}, kNearWhite, false, {kNearWhite, kMidnight}},
        {"high contrast", {kNavy, kPale}, kNearWhite, true, {kNone, kNone}},
        // Both sides of the readable level, and of the grey where black and white tie.
        {"grey 118 kept", {kNone, kWhite}, kGrey118, false, {kGrey118, kWhite}},
        {"grey 119 gives way", {kNone, kWhite}, kGrey119, false, {kBlack, kWhite}},
        {"white just wins", {kNone, kGrey117}, kGrey117, false, {kWhite, kGrey117}},
        {"black just wins", {kNone, kGrey118}, kGrey118, false, {kBlack, kGrey118}},
    };
    // Each case twice: set under the case before's desktop and shown anew as the desktop
    // switches (its theme, or high contrast going on or off), then set under the new desktop.
    for (const auto& c : cases) {
        for (const bool switching : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (switching ? ", by a switch" : ", set"));
            for (const int gadget : {kField, kList, kEditor}) {
                SetGadgetColour(gadget, ColourType::Text, c.set.text);
                SetGadgetColour(gadget, ColourType::Background, c.set.background);
            }
            fake_->desktopText = c.desktopText;
            fake_->highContrast = c.highContrast;
            if (switching) {
                Running().DesktopColoursChanged();
            }
            for (const int gadget : {kField, kList, kEditor}) {
                EXPECT_EQ(fake_->colours[Native(gadget)], c.shown) << "gadget " << gadget;
            }
        }
    }
    // Gadgets that take no colours are given none, neither when set nor by a switch.
    SetGadgetColour(kButton, ColourType::Background, kPale);
    Running().DesktopColoursChanged();
    EXPECT_FALSE(fake_->colours.contains(Native(kButton)));
}

// Pairs whose ratios are known, the edges of the readable level among them; the grey 85 stands
// for a channel's dark half, where none of the others lie.
TEST(ContrastRatio, MatchesKnownPairsInEitherOrder) {
    const struct {
        Colour first;
        Colour second;
        double ratio;
    } pairs[] = {
        {RGB(0, 0, 0), RGB(255, 255, 255), 21.0},
        {RGB(255, 255, 230), RGB(255, 255, 230), 1.0},
        {RGB(118, 118, 118), RGB(255, 255, 255), 4.54},
        {RGB(119, 119, 119), RGB(255, 255, 255), 4.48},
        {RGB(255, 0, 0), RGB(255, 255, 255), 4.0},
        {RGB(0, 0, 255), RGB(255, 255, 255), 8.59},
        {RGB(238, 238, 236), RGB(255, 255, 230), 1.15},
        {RGB(85, 85, 85), RGB(255, 255, 255), 7.46},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.ratio);
        EXPECT_NEAR(ContrastRatio(pair.first, pair.second), pair.ratio, 0.005);
        EXPECT_DOUBLE_EQ(ContrastRatio(pair.second, pair.first),
                         ContrastRatio(pair.first, pair.second));
    }
}

// Red in the lowest byte, as Windows lays out a colour.
static_assert(RGB(255, 255, 230) == 0xE6FFFF);

}  // namespace
}  // namespace quillmoor::toolkit
