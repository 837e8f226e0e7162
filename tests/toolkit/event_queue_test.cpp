#include "toolkit/core/event_queue.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillmoor::toolkit {
namespace {

std::vector<Event> Drain(EventQueue& queue) {
    std::vector<Event> served;
    while (const auto event = queue.Take()) {
        served.push_back(*event);
    }
    return served;
}

Event Gadget(int gadget, GadgetEventType type, int window = 0) {
    return {EventKind::Gadget, gadget, type, window};
}
Event Menu(int number, int window = 0) {
    return {EventKind::Menu, number, GadgetEventType::None, window};
}
Event WindowEvent(EventKind kind, int window = 0) {
    return {kind, 0, GadgetEventType::None, window};
}

TEST(EventQueue, InputEventsComeBeforeWindowEventsQueuedMeanwhile) {
    EventQueue queue;
    queue.PostWindowEvent(EventKind::Close, 0, 1);
    queue.PostGadgetEvent(3, GadgetEventType::Change, 0, 1);
    queue.PostMenuEvent(12, 0, 1);
    queue.PostGadgetEvent(3, GadgetEventType::TabClick, 0, 1);
    EXPECT_EQ(Drain(queue), (std::vector<Event>{Gadget(3, GadgetEventType::Change), Menu(12),
                                                Gadget(3, GadgetEventType::TabClick),
                                                WindowEvent(EventKind::Close)}));
    EXPECT_FALSE(queue.Take().has_value());
}

TEST(EventQueue, InputsAreServedInTheOrderTheyCame) {
    EventQueue queue;
    queue.PostGadgetEvent(1, GadgetEventType::Change, 0, 1);
    queue.PostWindowEvent(EventKind::Close, 0, 2);
    queue.PostGadgetEvent(1, GadgetEventType::TabClick, 0, 3);
    queue.PostWindowEvent(EventKind::WindowMoved, 0, 3);
    queue.PostMenuEvent(12, 0, 3);
    queue.PostWindowEvent(EventKind::Close, 0, 4);
    EXPECT_EQ(
        Drain(queue),
        (std::vector<Event>{Gadget(1, GadgetEventType::Change), WindowEvent(EventKind::Close),
                            Gadget(1, GadgetEventType::TabClick), Menu(12),
                            WindowEvent(EventKind::WindowMoved), WindowEvent(EventKind::Close)}));
}

TEST(EventQueue, WindowEventEqualToTheNewestIsNotAddedTwice) {
    struct Case {
        const char* name;
        std::vector<Event> posted;
        std::vector<Event> served;
    };
    const Event close0 = WindowEvent(EventKind::Close, 0);
    const Event close1 = WindowEvent(EventKind::Close, 1);
    const Event moved0 = WindowEvent(EventKind::WindowMoved, 0);
    const std::vector<Case> cases = {
        {"same twice", {close0, close0}, {close0}},
        {"other window between", {close0, close1, close0}, {close0, close1, close0}},
        {"other kind between", {close0, moved0, close0}, {close0, moved0, close0}},
        {"other window", {close0, close1}, {close0, close1}},
    };
    for (const Case& c : cases) {
        EventQueue queue;
        for (const Event& event : c.posted) {
            queue.PostWindowEvent(event.kind, event.window, 1);
        }
        EXPECT_EQ(Drain(queue), c.served) << c.name;
    }
}

TEST(EventQueue, WindowEventTakenOutCanBeQueuedAgain) {
    EventQueue queue;
    queue.PostWindowEvent(EventKind::Close, 0, 1);
    ASSERT_TRUE(queue.Take().has_value());
    queue.PostWindowEvent(EventKind::Close, 0, 1);
    EXPECT_EQ(Drain(queue), std::vector<Event>{WindowEvent(EventKind::Close)});
}

TEST(EventQueue, DiscardingInputKeepsWindowEvents) {
    EventQueue queue;
    queue.PostGadgetEvent(1, GadgetEventType::Change, 0, 1);
    queue.PostWindowEvent(EventKind::Close, 0, 1);
    queue.PostMenuEvent(12, 0, 1);
    queue.DiscardInputEvents();
    EXPECT_EQ(Drain(queue), std::vector<Event>{WindowEvent(EventKind::Close)});
}

TEST(EventQueue, ForgettingAGadgetRemovesOnlyItsEvents) {
    EventQueue queue;
    queue.PostGadgetEvent(1, GadgetEventType::Change, 0, 1);
    queue.PostMenuEvent(1, 0, 1);
    queue.PostGadgetEvent(2, GadgetEventType::DoubleClick, 0, 1);
    queue.PostGadgetEvent(1, GadgetEventType::TabClick, 0, 1);
    queue.ForgetGadget(1);
    EXPECT_EQ(Drain(queue), (std::vector<Event>{Menu(1), Gadget(2, GadgetEventType::DoubleClick)}));
}

TEST(EventQueue, ForgettingAWindowRemovesEverythingOfIt) {
    EventQueue queue;
    queue.PostGadgetEvent(1, GadgetEventType::Change, 0, 1);
    queue.PostGadgetEvent(2, GadgetEventType::Change, 1, 1);
    queue.PostMenuEvent(12, 0, 1);
    queue.PostWindowEvent(EventKind::Close, 0, 1);
    queue.PostWindowEvent(EventKind::Close, 1, 1);
    queue.ForgetWindow(0);
    EXPECT_EQ(Drain(queue), (std::vector<Event>{Gadget(2, GadgetEventType::Change, 1),
                                                WindowEvent(EventKind::Close, 1)}));
}

TEST(EventQueue, ManyEventsKeepTheirOrder) {
    EventQueue queue;
    constexpr int kCount = 10000;
    for (int i = 0; i < kCount; ++i) {
        queue.PostMenuEvent(i % 65536, 0, static_cast<InputSerial>(i / 3));
    }
    const std::vector<Event> served = Drain(queue);
    ASSERT_EQ(served.size(), static_cast<std::size_t>(kCount));
    for (int i = 0; i < kCount; ++i) {
        EXPECT_EQ(served[i].number, i % 65536);
    }
}

}  // namespace
}  // namespace quillmoor::toolkit
