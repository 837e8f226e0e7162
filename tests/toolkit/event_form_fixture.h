#pragma once

// Reading the events back, for the core's suite too, and a form with every gadget kind, built
// through the toolkit's own calls, for tests that drive it with real input.
//
// Window 0: panel 1 with page "Eins" (text field 2, read-only field 3, list 4 with "a", "b",
// "c", check box 5, button 6) and page "Zwei" (text field 7, list 8), then editor 9 and
// button 10 below the panel. Return is bound to menu event 12.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "tests/support/form_driver.h"
#include "toolkit/core/event_queue.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

inline void PrintTo(const Event& event, std::ostream* out) {
    *out << "{kind " << static_cast<int>(event.kind) << ", number " << event.number << ", type "
         << static_cast<int>(event.type) << ", window " << event.window << "}";
}

// Every pending event in order; `atEach` runs while its event is the current one.
inline std::vector<Event> Drain(const std::function<void(const Event&)>& atEach = {}) {
    std::vector<Event> events;
    for (EventKind kind = PollEvent(); kind != EventKind::None; kind = PollEvent()) {
        events.push_back({kind, EventGadgetId(), EventSubtype(), EventWindow()});
        if (atEach) {
            atEach(events.back());
        }
    }
    // Past the last event, none is current.
    EXPECT_EQ(EventWindow(), -1);
    EXPECT_EQ(EventSubtype(), GadgetEventType::None);
    return events;
}

inline Event GadgetEvent(int gadget, GadgetEventType type) {
    return {EventKind::Gadget, gadget, type, 0};
}
inline Event MenuEvent(int number) {
    return {EventKind::Menu, number, GadgetEventType::None, 0};
}
inline Event CloseEvent(int window = 0) {
    return {EventKind::Close, 0, GadgetEventType::None, window};
}

class EventFormTest : public ::testing::Test {
protected:
    // The gadgets by their numbers, as above.
    enum : int { kWindow = 0, kPanel = 1, kField = 2, kReadOnlyField = 3, kList = 4, kCheck = 5 };
    enum : int { kButton = 6, kHiddenField = 7, kHiddenList = 8, kEditor = 9, kLastButton = 10 };
    static constexpr int kReturnEvent = 12;

    void SetUp() override {
        ASSERT_TRUE(InitToolkit()) << LastFailure();
        ASSERT_NE(OpenFormWindow(kWindow, 0, 0, 420, 420, "Ereignisse", kDialogWindowFlags), 0);
        ASSERT_NE(CreatePanelGadget(kPanel, 5, 5, 410, 250), 0);
        InsertGadgetItem(kPanel, -1, "Eins");
        CreateTextGadget(kField, 10, 10, 150, 22, "", TextFieldFlags::Editable);
        CreateTextGadget(kReadOnlyField, 10, 40, 150, 22, "fest", TextFieldFlags::ReadOnly);
        CreateListGadget(kList, 10, 70, 150, 100);
        for (const char* item : {"a", "b", "c"}) {
            InsertGadgetItem(kList, -1, item);
        }
        CreateCheckGadget(kCheck, 200, 10, 150, 22, "Testobjekt");
        CreateButtonGadget(kButton, 200, 40, 100, 25, "Neu");
        InsertGadgetItem(kPanel, -1, "Zwei");
        CreateTextGadget(kHiddenField, 10, 10, 150, 22, "", TextFieldFlags::Editable);
        CreateListGadget(kHiddenList, 10, 40, 150, 100);
        EndGadgetList();
        ASSERT_NE(CreateEditorGadget(kEditor, 5, 260, 410, 120), 0);
        ASSERT_NE(CreateButtonGadget(kLastButton, 5, 385, 100, 25, "Ende"), 0);
        BindShortcut(kWindow, kKeyReturn, kReturnEvent);
        // Building posts nothing and leaves the editor empty.
        EXPECT_EQ(PollEvent(), EventKind::None);
        EXPECT_EQ(ReadGadgetText(kEditor), "");
    }

    void TearDown() override { EndToolkit(); }

    // Makes the window the active one, as the user's first click would, and forgets what
    // that yields, so that a test sees only the events of its own input.
    static void Activate() {
        ASSERT_TRUE(test::ActivateWindow(kWindow));
        Drain();
    }
};

}  // namespace quillmoor::toolkit
