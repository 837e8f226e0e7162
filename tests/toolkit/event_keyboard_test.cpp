#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <string>

#include "tests/toolkit/event_form_fixture.h"

namespace quillmoor::toolkit {
namespace {

// Counts the presses of one key that reach a widget, after the application-wide filters.
class KeyPressCounter : public QObject {
public:
    KeyPressCounter(QWidget& widget, Qt::Key key) : QObject(&widget), key_(key) {
        widget.installEventFilter(this);
    }
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == key_) {
            ++presses;
        }
        return false;
    }

private:
    Qt::Key key_;
};

QWidget* FocusTargetOf(QWidget* widget) {
    if (auto* panel = qobject_cast<QTabWidget*>(widget)) {
        return panel->tabBar();
    }
    return widget;
}

TEST_F(EventFormTest, NothingIsPendingRightAfterBuilding) {
    EXPECT_EQ(PollEvent(), EventKind::None);
    EXPECT_EQ(ReadGadgetText(kEditor), "");
}

TEST_F(EventFormTest, ReturnIsTheMenuEventOnlyWithoutModifiers) {
    Activate();
    const int gadgets[] = {kPanel, kField, kReadOnlyField, kList, kCheck, kButton, kEditor};
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                               Qt::ControlModifier, Qt::AltModifier};
    for (const int gadget : gadgets) {
        for (const Qt::KeyboardModifiers modifier : modifiers) {
            SCOPED_TRACE("gadget " + std::to_string(gadget) + ", modifiers " +
                         std::to_string(modifier.toInt()));
            QWidget* target = FocusTargetOf(Widget(gadget));
            target->setFocus();
            Drain();
            KeyPressCounter counter(*target, Qt::Key_Return);
            const int ticked = ReadGadgetState(kCheck);
            QTest::keyClick(target, Qt::Key_Return, modifier);
            const std::vector<Event> events = Drain();
            if (modifier == Qt::NoModifier) {
                EXPECT_EQ(events, std::vector<Event>{MenuEvent(kReturnEvent)});
                EXPECT_EQ(counter.presses, 0);
            } else {
                EXPECT_TRUE(events.empty()) << ::testing::PrintToString(events);
                EXPECT_EQ(counter.presses, 1);
            }
            EXPECT_EQ(ReadGadgetText(kField), "");
            EXPECT_EQ(ReadGadgetState(kCheck), ticked);
            EXPECT_EQ(FocusedGadget(), gadget);
            WriteGadgetText(kEditor, "");
        }
    }
}

TEST_F(EventFormTest, ModifiedReturnInTheEditorBreaksTheLine) {
    Activate();
    Widget(kEditor)->setFocus();
    QTest::keyClicks(Widget(kEditor), "ab");
    QTest::keyClick(Widget(kEditor), Qt::Key_Return);
    EXPECT_EQ(ReadGadgetText(kEditor), "ab");
    QTest::keyClick(Widget(kEditor), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(Widget(kEditor), "c");
    EXPECT_EQ(WidgetAs<QPlainTextEdit>(kEditor)->toPlainText(), "ab\nc");
    EXPECT_EQ(Drain(), std::vector<Event>{MenuEvent(kReturnEvent)});
}

TEST_F(EventFormTest, KeypadEnterIsReturn) {
    Activate();
    Widget(kField)->setFocus();
    Drain();
    QTest::keyClick(Widget(kField), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Drain(), std::vector<Event>{MenuEvent(kReturnEvent)});
    QTest::keyClick(Widget(kField), Qt::Key_Enter, Qt::KeypadModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Drain().empty());
}

TEST_F(EventFormTest, RebindingReturnChangesTheEventNumber) {
    Activate();
    BindShortcut(kWindow, kKeyReturn, 40);
    BindShortcut(kWindow, kKeyReturn | kModControl, 41);
    BindShortcut(1, kKeyReturn, 42);  // no such window
    Widget(kEditor)->setFocus();
    QTest::keyClick(Widget(kEditor), Qt::Key_Return);
    QTest::keyClick(Widget(kEditor), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Drain(), (std::vector<Event>{MenuEvent(40), MenuEvent(41)}));
    EXPECT_EQ(ReadGadgetText(kEditor), "");
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
        WidgetAs<QPlainTextEdit>(kEditor)->setReadOnly(c.readOnly);
        WriteGadgetText(kEditor, "");
        Widget(kEditor)->setFocus();
        KeyPressCounter counter(*Widget(kEditor), Qt::Key_Tab);
        QTest::keyClick(Widget(kEditor), Qt::Key_Tab);
        EXPECT_EQ(ReadGadgetText(kEditor), c.textAfterTab);
        EXPECT_EQ(FocusedGadget(), c.focusAfterTab);
        EXPECT_EQ(counter.presses, c.tabsReachingTheEditor);
        Widget(kEditor)->setFocus();
        QTest::keyClick(Widget(kEditor), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(FocusedGadget(), kButton);
        EXPECT_EQ(ReadGadgetText(kEditor), c.textAfterTab);
    }
}

TEST_F(EventFormTest, TabAndShiftTabWalkTheShownCandidates) {
    Activate();
    struct Step {
        int from;  // -1: no gadget has the focus
        bool backwards;
        int to;
    };
    const std::vector<Step> steps = {
        {-1, false, kPanel},
        {-1, true, kLastButton},
        {kPanel, false, kField},
        {kField, false, kReadOnlyField},
        {kReadOnlyField, false, kList},
        {kList, false, kCheck},
        {kButton, false, kEditor},  // the hidden page's gadgets are skipped
        {kLastButton, false, kPanel},
        {kPanel, true, kLastButton},
        {kEditor, true, kButton},
        {kReadOnlyField, true, kField},
        {kField, true, kPanel},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::to_string(step.from) + (step.backwards ? " back" : " on"));
        if (step.from < 0) {
            QApplication::focusWidget()->clearFocus();
        } else {
            FocusTargetOf(Widget(step.from))->setFocus();
        }
        if (step.backwards) {
            QTest::keyClick(KeyTarget(), Qt::Key_Backtab, Qt::ShiftModifier);
        } else {
            QTest::keyClick(KeyTarget(), Qt::Key_Tab);
        }
        EXPECT_EQ(FocusedGadget(), step.to);
    }
    EXPECT_EQ(QApplication::focusWidget(), WidgetAs<QTabWidget>(kPanel)->tabBar());
}

TEST_F(EventFormTest, TabReachesTheOtherPageOnceItIsShown) {
    Activate();
    WidgetAs<QTabWidget>(kPanel)->tabBar()->setFocus();
    QTest::keyClick(KeyTarget(), Qt::Key_Right);
    QTest::keyClick(KeyTarget(), Qt::Key_Tab);
    EXPECT_EQ(FocusedGadget(), kHiddenField);
    QTest::keyClick(KeyTarget(), Qt::Key_Tab);
    QTest::keyClick(KeyTarget(), Qt::Key_Tab);
    EXPECT_EQ(FocusedGadget(), kEditor);
}

// When another program's window was active, the focus comes back to the gadget that had it,
// and a text field reports both moves as it would any other.
TEST_F(EventFormTest, ReactivationGivesTheFocusBack) {
    Activate();
    FocusGadget(kField);
    Drain();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
    EXPECT_EQ(FocusedGadget(), kField);
    EXPECT_EQ(Drain(), (std::vector<Event>{GadgetEvent(kField, GadgetEventType::FocusOut),
                                           GadgetEvent(kField, GadgetEventType::FocusIn)}));
}

}  // namespace
}  // namespace quillmoor::toolkit
