#include <functional>
#include <string>

#include "tests/toolkit/event_form_fixture.h"

namespace quillmoor::toolkit {
namespace {

using test::Key;
using Type = GadgetEventType;
using GadgetEventTest = EventFormTest;

TEST_F(GadgetEventTest, TabRowClicksAndArrowKeys) {
    Activate();
    test::ClickTab(kPanel, 1);
    EXPECT_EQ(Drain(), (std::vector<Event>{GadgetEvent(kPanel, Type::Change),
                                           GadgetEvent(kPanel, Type::TabClick)}));

    test::ClickTab(kPanel, 1);
    EXPECT_EQ(Drain(), std::vector<Event>{GadgetEvent(kPanel, Type::TabClick)});

    test::ClickTab(kPanel, 1, test::Button::Right);
    EXPECT_TRUE(Drain().empty());

    FocusGadget(kPanel);
    test::PressKey(Key::Left);
    test::PressKey(Key::Left);  // already the first tab: nothing changes
    test::PressKey(Key::Right);
    EXPECT_EQ(Drain(), (std::vector<Event>{GadgetEvent(kPanel, Type::Change),
                                           GadgetEvent(kPanel, Type::Change)}));
    EXPECT_EQ(test::CurrentTab(kPanel), 1);

    // The mouse still works the tabs after the keys have moved either way.
    test::PressKey(Key::Left);
    test::ClickTab(kPanel, 1);
    test::PressKey(Key::Left);
    test::PressKey(Key::Right);
    test::ClickTab(kPanel, 0);
    const Event change = GadgetEvent(kPanel, Type::Change);
    const Event click = GadgetEvent(kPanel, Type::TabClick);
    EXPECT_EQ(Drain(), (std::vector<Event>{change, change, click, change, change, change, click}));
    EXPECT_EQ(test::CurrentTab(kPanel), 0);
}

TEST_F(GadgetEventTest, TabsChangeOnlyByTheTabRow) {
    const struct {
        const char* name;
        std::function<void()> act;
    } cases[] = {
        {"Ctrl+Tab on a page", [] { test::PressKey(Key::Tab, test::kControl); }},
        {"Ctrl+Shift+Tab on a page",
         [] { test::PressKey(Key::Backtab, test::kControl | test::kShift); }},
        {"wheel over the tab row", [] { test::TurnWheelOverTabs(kPanel); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ClickTab(kPanel, 0);
        Activate();
        FocusGadget(kField);
        Drain();
        c.act();
        EXPECT_EQ(test::CurrentTab(kPanel), 0);
        EXPECT_EQ(Drain(), std::vector<Event>{});
    }
}

TEST_F(GadgetEventTest, ListMouseSequences) {
    const int drag = test::DragDistance();
    // The centre of item `index`, `dx` to the right of it.
    const auto item = [](int index, int dx = 0) {
        const test::Point centre = test::ItemCentre(kList, index);
        return test::Point{centre.x + dx, centre.y};
    };
    const auto click = [&](int index) { test::ClickAt(kList, item(index)); };
    // Pressed on item `index`, then moved `dx` to the right and released there.
    const auto pressMoveRelease = [&](int index, int dx, test::Modifiers modifiers) {
        test::PressOnList(kList, item(index), modifiers);
        test::MoveOnList(kList, item(index, dx));
        test::ReleaseOnList(kList, item(index, dx));
    };
    const Event change = GadgetEvent(kList, Type::Change);
    const struct {
        const char* name;
        std::function<void()> act;
        std::vector<Event> expected;
        int selected;
    } cases[] = {
        {"click selects, release reports", [&] { click(1); }, {change, change}, 1},
        {"click on the selected item", [&] { click(1), Drain(), click(1); }, {change}, 1},
        {"move within the drag distance",
         [&] { pressMoveRelease(0, drag, test::kNoModifier); },
         {change, change},
         0},
        {"drag beyond the distance",
         [&] {
             test::PressOnList(kList, item(0));
             test::MoveOnList(kList, item(0, drag + 1));
             test::MoveOnList(kList, item(0, drag + 5));
             test::ReleaseOnList(kList, item(0, drag + 5));
         },
         {change, GadgetEvent(kList, Type::DragStart)},
         0},
        {"press with Shift records nothing",
         [&] { test::ClickAt(kList, item(2), test::Button::Left, test::kShift); },
         {change},
         2},
        {"press with Control records nothing, so a move starts no drag",
         [&] { pressMoveRelease(2, drag + 5, test::kControl); },
         {change},
         2},
        {"double-click on an item other than the selected one",
         [&] { click(0), Drain(), test::DoubleClickOnList(kList, item(2)); },
         {change, change, GadgetEvent(kList, Type::DoubleClick)},
         2},
        {"a press the pointer left for another window starts no drag",
         [&] {
             test::PressOnList(kList, item(0));
             { const test::OtherProgram other; }
             EXPECT_TRUE(test::ActivateWindow(kWindow));
             test::MoveOnList(kList, item(0, drag + 5));
             test::ReleaseOnList(kList, item(0, drag + 5));
         },
         {change},
         0},
        {"Delete on the selected item asks as a double-click does",
         [&] { click(1), Drain(), test::PressKey(Key::Delete); },
         {GadgetEvent(kList, Type::DoubleClick)},
         1},
        {"Delete without a selection",
         [&] { FocusGadget(kList), test::PressKey(Key::Delete); },
         {},
         -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Activate();
        c.act();
        EXPECT_EQ(Drain([&](const Event& event) {
                      if (event.type == Type::DoubleClick) {
                          EXPECT_EQ(ReadGadgetState(kList), c.selected);
                      }
                  }),
                  c.expected);
        EXPECT_EQ(ReadGadgetState(kList), c.selected);
        test::ForgetSelection(kList);
        Drain();
    }
}

// Item operations post nothing, and a replaced gadget takes its pending events with it.
TEST_F(GadgetEventTest, ItemOperationsPostNothing) {
    Activate();
    test::ClickAt(kList, test::ItemCentre(kList, 1));
    Drain();
    InsertGadgetItem(kList, 0, "neu");
    DeleteGadgetItem(kList, 2);
    InsertGadgetItem(kPanel, -1, "Drei");
    test::Click(kButton);
    test::Click(kLastButton);
    CreateButtonGadget(kButton, 5, 385, 100, 25, "Ersatz");
    EXPECT_EQ(Drain(), std::vector<Event>{GadgetEvent(kLastButton, Type::Change)});
}

TEST_F(GadgetEventTest, ButtonAndCheckBoxClicks) {
    Activate();
    EXPECT_EQ(ReadGadgetState(kCheck), 0);
    test::Click(kButton);
    test::Click(kCheck);
    const auto ticked = [](const Event& event) {
        if (event.number == kCheck) {
            EXPECT_EQ(ReadGadgetState(kCheck), 1);
        }
    };
    EXPECT_EQ(Drain(ticked), (std::vector<Event>{GadgetEvent(kButton, Type::Change),
                                                 GadgetEvent(kCheck, Type::Change)}));
}

TEST_F(GadgetEventTest, TextFieldChangeAndFocus) {
    Activate();
    EXPECT_EQ(FocusedGadget(), -1);
    FocusGadget(kField);
    test::TypeText(U"ab");
    WriteGadgetText(kField, "");
    FocusGadget(kReadOnlyField);
    test::TypeText(U"x");
    EXPECT_EQ(Drain(), (std::vector<Event>{
                           GadgetEvent(kField, Type::FocusIn),
                           GadgetEvent(kField, Type::TextChange),
                           GadgetEvent(kField, Type::TextChange),
                           GadgetEvent(kField, Type::FocusOut),
                           GadgetEvent(kReadOnlyField, Type::FocusIn),
                       }));
    test::PressKey(Key::Backtab);
    EXPECT_EQ(Drain(), (std::vector<Event>{GadgetEvent(kReadOnlyField, Type::FocusOut),
                                           GadgetEvent(kField, Type::FocusIn)}));
    FocusGadget(99);  // no such gadget
    EXPECT_EQ(FocusedGadget(), kField);
    EXPECT_TRUE(Drain().empty());
}

// Close requests queue one close event each time and keep the window.
TEST_F(EventFormTest, WindowEventsKeepTheirPlaceAmongInputs) {
    const auto click = [] { test::Click(kButton); };
    const auto close = [] { test::RequestClose(kWindow); };
    const Event button = GadgetEvent(kButton, Type::Change);
    const struct {
        const char* name;
        std::function<void()> act;
        std::vector<Event> expected;
    } cases[] = {
        {"close, then click", [&] { close(), click(); }, {CloseEvent(), button}},
        {"click, then close", [&] { click(), close(); }, {button, CloseEvent()}},
        {"close, click, close", [&] { close(), click(), close(); }, {CloseEvent(), button}},
        {"two closes", [&] { close(), close(); }, {CloseEvent()}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Activate();
        c.act();
        EXPECT_EQ(Drain(), c.expected);
        EXPECT_TRUE(test::IsWindowVisible(kWindow));
    }
    close();
    EXPECT_EQ(WaitForEvent(), EventKind::Close);
    EXPECT_EQ(EventSubtype(), Type::None);
    EXPECT_EQ(EventWindow(), kWindow);
}

TEST_F(EventFormTest, CreatingAnEditorDropsPendingInputButKeepsWindowEvents) {
    Activate();
    test::Click(kButton);
    test::RequestClose(kWindow);
    FocusGadget(kButton);
    test::PressKey(test::Key::Return);
    ASSERT_NE(CreateEditorGadget(11, 200, 385, 100, 25), 0);
    EXPECT_EQ(Drain(), std::vector<Event>{CloseEvent()});
}

TEST_F(EventFormTest, EventsWhileAskingAreKeptInOrder) {
    Activate();
    test::WhileWaiting([] { test::RequestClose(kWindow); });
    // The box's default button, not the window's shortcut.
    const test::BoxAnswer answer(test::Key::Return);
    EXPECT_EQ(AskUser("Frage", "Wirklich?", AskFlags::YesNo), Answer::Yes);
    EXPECT_TRUE(answer.Answered()) << answer.Problem();
    EXPECT_EQ(Drain(), std::vector<Event>{CloseEvent()});
}

}  // namespace
}  // namespace quillmoor::toolkit
