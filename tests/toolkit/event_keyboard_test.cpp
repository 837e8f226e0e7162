#include <string>

#include "tests/toolkit/event_form_fixture.h"

namespace quillmoor::toolkit {
namespace {

using test::Key;

// The keypad's Enter is Return too.
TEST_F(EventFormTest, ReturnIsTheMenuEventOnlyWithoutModifiers) {
    Activate();
    const int gadgets[] = {kPanel, kField, kReadOnlyField, kList, kCheck, kButton, kEditor};
    const test::Modifiers modifiers[] = {test::kNoModifier, test::kShift, test::kControl,
                                         test::kAlt};
    for (const Key key : {Key::Return, Key::KeypadEnter}) {
        for (const int gadget : gadgets) {
            for (const test::Modifiers modifier : modifiers) {
                SCOPED_TRACE((key == Key::Return ? "Return in gadget " : "Enter in gadget ") +
                             std::to_string(gadget) + ", modifiers " + std::to_string(modifier));
                FocusGadget(gadget);
                Drain();
                const test::KeyPressCounter counter(gadget, key);
                const int ticked = ReadGadgetState(kCheck);
                test::PressKey(key, modifier);
                const std::vector<Event> events = Drain();
                if (modifier == test::kNoModifier) {
                    EXPECT_EQ(events, std::vector<Event>{MenuEvent(kReturnEvent)});
                    EXPECT_EQ(counter.Presses(), 0);
                } else {
                    EXPECT_TRUE(events.empty()) << ::testing::PrintToString(events);
                    EXPECT_EQ(counter.Presses(), 1);
                }
                EXPECT_EQ(ReadGadgetText(kField), "");
                EXPECT_EQ(ReadGadgetState(kCheck), ticked);
                EXPECT_EQ(FocusedGadget(), gadget);
                WriteGadgetText(kEditor, "");
            }
        }
    }
}

// In the editor a modified Return breaks the line; Return and a bound Control+Return post.
TEST_F(EventFormTest, RebindingReturnChangesTheEventNumber) {
    Activate();
    FocusGadget(kEditor);
    test::TypeText(U"ab");
    test::PressKey(Key::Return);
    EXPECT_EQ(ReadGadgetText(kEditor), "ab");
    test::PressKey(Key::Return, test::kShift);
    test::TypeText(U"c");
    EXPECT_EQ(test::ShownText(kEditor), "ab\nc");
    BindShortcut(kWindow, kKeyReturn, 40);
    BindShortcut(kWindow, kKeyReturn | kModControl, 41);
    BindShortcut(1, kKeyReturn, 42);  // no such window
    test::PressKey(Key::Return);
    test::PressKey(Key::Return, test::kControl);
    EXPECT_EQ(Drain(), (std::vector<Event>{MenuEvent(kReturnEvent), MenuEvent(40), MenuEvent(41)}));
    EXPECT_EQ(test::ShownText(kEditor), "ab\nc");
}

TEST_F(EventFormTest, TabIsTextOnlyInAWritableEditorAndShiftTabLeavesIt) {
    Activate();
    const struct {
        bool readOnly;
        const char* textAfterTab;
        int focusAfterTab;
        int tabsReachingTheEditor;
    } cases[] = {{false, "\t", kEditor, 1}, {true, "", kLastButton, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.readOnly ? "read-only" : "writable");
        // The toolkit's calls make only writable editors; the widget itself is made read-only.
        test::SetReadOnly(kEditor, c.readOnly);
        WriteGadgetText(kEditor, "");
        FocusGadget(kEditor);
        const test::KeyPressCounter counter(kEditor, Key::Tab);
        test::PressKey(Key::Tab);
        EXPECT_EQ(ReadGadgetText(kEditor), c.textAfterTab);
        EXPECT_EQ(FocusedGadget(), c.focusAfterTab);
        EXPECT_EQ(counter.Presses(), c.tabsReachingTheEditor);
        FocusGadget(kEditor);
        test::PressKey(Key::Backtab);
        EXPECT_EQ(FocusedGadget(), kButton);
        EXPECT_EQ(ReadGadgetText(kEditor), c.textAfterTab);
    }
}

// A list with a selected item leaves Delete to the focused field or editor.
TEST_F(EventFormTest, DeleteKeepsItsJobOutsideTheLists) {
    Activate();
    test::ClickAt(kList, test::ItemCentre(kList, 1));
    const struct {
        int gadget;
        std::vector<Event> events;
    } cases[] = {{kField, {GadgetEvent(kField, GadgetEventType::TextChange)}}, {kEditor, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gadget);
        FocusGadget(c.gadget);
        WriteGadgetText(c.gadget, "ab");
        test::PressKey(Key::Home);
        Drain();
        test::PressKey(Key::Delete);
        EXPECT_EQ(ReadGadgetText(c.gadget), "b");
        EXPECT_EQ(Drain(), c.events);
    }
    EXPECT_EQ(ReadGadgetState(kList), 1);
}

// Gadgets come in the order they were made, not of their numbers: button 0, made after the
// editor, follows it, and the last button, made again after that, moves behind 0.
TEST_F(EventFormTest, TabAndShiftTabWalkTheShownCandidates) {
    constexpr int kLateButton = 0;
    ASSERT_NE(CreateButtonGadget(kLateButton, 110, 385, 100, 25, "Null"), 0);
    ASSERT_NE(CreateButtonGadget(kLastButton, 5, 385, 100, 25, "Ende"), 0);
    Activate();
    // From the button on the first page the hidden page's gadgets are skipped.
    const struct {
        int from;  // -1: no gadget has the focus
        bool backwards;
        int to;
    } steps[] = {{-1, false, kPanel},
                 {-1, true, kLastButton},
                 {kPanel, false, kField},
                 {kField, false, kReadOnlyField},
                 {kReadOnlyField, false, kList},
                 {kList, false, kCheck},
                 {kButton, false, kEditor},
                 {kLateButton, false, kLastButton},
                 {kLastButton, false, kPanel},
                 {kPanel, true, kLastButton},
                 {kLastButton, true, kLateButton},
                 {kLateButton, true, kEditor},
                 {kEditor, true, kButton},
                 {kReadOnlyField, true, kField},
                 {kField, true, kPanel}};
    for (const auto& step : steps) {
        SCOPED_TRACE(std::to_string(step.from) + (step.backwards ? " back" : " on"));
        if (step.from < 0) {
            test::ClearFocus(kWindow);
        } else {
            FocusGadget(step.from);
        }
        test::PressKey(step.backwards ? Key::Backtab : Key::Tab);
        EXPECT_EQ(FocusedGadget(), step.to);
    }
    EXPECT_TRUE(test::HasFocusOnTabRow(kPanel));
    // Once the other page is shown, Tab reaches its gadgets.
    test::PressKey(Key::Right);
    test::PressKey(Key::Tab);
    EXPECT_EQ(FocusedGadget(), kHiddenField);
    test::PressKey(Key::Tab);
    test::PressKey(Key::Tab);
    EXPECT_EQ(FocusedGadget(), kEditor);
}

// When another program's window was active, the focus comes back to the gadget that had it,
// and a text field reports both moves as it would any other.
TEST_F(EventFormTest, ReactivationGivesTheFocusBack) {
    Activate();
    FocusGadget(kField);
    Drain();
    {
        const test::OtherProgram other;
        ASSERT_TRUE(other.IsActive());
        ASSERT_TRUE(test::ActivateWindow(kWindow));
    }
    EXPECT_EQ(FocusedGadget(), kField);
    EXPECT_EQ(Drain(), (std::vector<Event>{GadgetEvent(kField, GadgetEventType::FocusOut),
                                           GadgetEvent(kField, GadgetEventType::FocusIn)}));
}

}  // namespace
}  // namespace quillmoor::toolkit
