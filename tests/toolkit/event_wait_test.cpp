#include <functional>

#include "tests/toolkit/event_form_fixture.h"

namespace quillmoor::toolkit {
namespace {

using Type = GadgetEventType;

// Close requests queue one close event each time and keep the window.
TEST_F(EventFormTest, WindowEventsKeepTheirPlaceAmongInputs) {
    struct Case {
        const char* name;
        std::function<void()> act;
        std::vector<Event> expected;
    };
    const auto click = [] { test::Click(kButton); };
    const auto close = [] { test::RequestClose(kWindow); };
    const Event button = GadgetEvent(kButton, Type::Change);
    const std::vector<Case> cases = {
        {"close, then click", [&] { close(), click(); }, {CloseEvent(), button}},
        {"click, then close", [&] { click(), close(); }, {button, CloseEvent()}},
        {"close, click, close", [&] { close(), click(), close(); }, {CloseEvent(), button}},
        {"two closes", [&] { close(), close(); }, {CloseEvent()}},
    };
    for (const Case& c : cases) {
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
