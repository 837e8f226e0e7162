#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>
#include <functional>
#include <string>

#include "tests/support/double_click.h"
#include "tests/toolkit/event_form_fixture.h"

namespace quillmoor::toolkit {
namespace {

using Type = GadgetEventType;

class GadgetEventTest : public EventFormTest {
protected:
    static QTabBar* Tabs() { return WidgetAs<QTabWidget>(kPanel)->tabBar(); }
    static QPoint TabCentre(int tab) { return Tabs()->tabRect(tab).center(); }
    static QWidget* ListArea() { return WidgetAs<QListWidget>(kList)->viewport(); }
    static QPoint ItemCentre(int row) {
        auto* list = WidgetAs<QListWidget>(kList);
        return list->visualItemRect(list->item(row)).center();
    }
};

TEST_F(GadgetEventTest, TabRowClicksAndArrowKeys) {
    Activate();
    QTest::mouseClick(Tabs(), Qt::LeftButton, {}, TabCentre(1));
    EXPECT_EQ(Drain(), (std::vector<Event>{GadgetEvent(kPanel, Type::Change),
                                           GadgetEvent(kPanel, Type::TabClick)}));
    EXPECT_TRUE(Widget(kHiddenField)->isVisible());
    EXPECT_TRUE(Widget(kHiddenField)->isEnabled());
    EXPECT_FALSE(Widget(kField)->isVisible());
    EXPECT_FALSE(Widget(kField)->isEnabled());

    QTest::mouseClick(Tabs(), Qt::LeftButton, {}, TabCentre(1));
    EXPECT_EQ(Drain(), std::vector<Event>{GadgetEvent(kPanel, Type::TabClick)});

    QTest::mouseClick(Tabs(), Qt::RightButton, {}, TabCentre(1));
    EXPECT_TRUE(Drain().empty());

    Tabs()->setFocus();
    QTest::keyClick(Tabs(), Qt::Key_Left);
    QTest::keyClick(Tabs(), Qt::Key_Left);  // already the first tab: nothing changes
    QTest::keyClick(Tabs(), Qt::Key_Right);
    EXPECT_EQ(Drain(), (std::vector<Event>{GadgetEvent(kPanel, Type::Change),
                                           GadgetEvent(kPanel, Type::Change)}));
    EXPECT_EQ(Tabs()->currentIndex(), 1);
}

TEST_F(GadgetEventTest, TabsChangeOnlyByTheTabRow) {
    struct Case {
        const char* name;
        std::function<void()> act;
    };
    const std::vector<Case> cases = {
        {"Ctrl+Tab on a page",
         [] { QTest::keyClick(Widget(kField), Qt::Key_Tab, Qt::ControlModifier); }},
        {"Ctrl+Shift+Tab on a page",
         [] {
             QTest::keyClick(Widget(kField), Qt::Key_Backtab,
                             Qt::ControlModifier | Qt::ShiftModifier);
         }},
        {"wheel over the tab row",
         [] {
             const QPoint point = TabCentre(0);
             QWheelEvent wheel(point, Tabs()->mapToGlobal(point), {}, {0, -120}, Qt::NoButton,
                               Qt::NoModifier, Qt::NoScrollPhase, false);
             QApplication::sendEvent(Tabs(), &wheel);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Tabs()->setCurrentIndex(0);
        Activate();
        FocusGadget(kField);
        Drain();
        c.act();
        EXPECT_EQ(Tabs()->currentIndex(), 0);
        EXPECT_EQ(Drain(), std::vector<Event>{});
    }
}

TEST_F(GadgetEventTest, ListMouseSequences) {
    const int drag = QApplication::startDragDistance();
    struct Case {
        const char* name;
        std::function<void()> act;
        std::vector<Event> expected;
        int selected;
    };
    const Event change = GadgetEvent(kList, Type::Change);
    const std::vector<Case> cases = {
        {"click selects, release reports",
         [] { QTest::mouseClick(ListArea(), Qt::LeftButton, {}, ItemCentre(1)); },
         {change, change},
         1},
        {"click on the selected item",
         [] {
             QTest::mouseClick(ListArea(), Qt::LeftButton, {}, ItemCentre(1));
             Drain();
             QTest::mouseClick(ListArea(), Qt::LeftButton, {}, ItemCentre(1));
         },
         {change},
         1},
        {"move within the drag distance",
         [drag] {
             QTest::mousePress(ListArea(), Qt::LeftButton, {}, ItemCentre(0));
             QTest::mouseMove(ListArea(), ItemCentre(0) + QPoint(drag, 0));
             QTest::mouseRelease(ListArea(), Qt::LeftButton, {}, ItemCentre(0) + QPoint(drag, 0));
         },
         {change, change},
         0},
        {"drag beyond the distance",
         [drag] {
             QTest::mousePress(ListArea(), Qt::LeftButton, {}, ItemCentre(0));
             QTest::mouseMove(ListArea(), ItemCentre(0) + QPoint(drag + 1, 0));
             QTest::mouseMove(ListArea(), ItemCentre(0) + QPoint(drag + 5, 0));
             QTest::mouseRelease(ListArea(), Qt::LeftButton, {},
                                 ItemCentre(0) + QPoint(drag + 5, 0));
         },
         {change, GadgetEvent(kList, Type::DragStart)},
         0},
        {"press with Shift records nothing",
         [] { QTest::mouseClick(ListArea(), Qt::LeftButton, Qt::ShiftModifier, ItemCentre(2)); },
         {change},
         2},
        {"double-click on an item other than the selected one",
         [] {
             QTest::mouseClick(ListArea(), Qt::LeftButton, {}, ItemCentre(0));
             Drain();
             test::DoubleClick(ListArea(), ItemCentre(2));
         },
         {change, change, GadgetEvent(kList, Type::DoubleClick)},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Activate();
        c.act();
        std::vector<Event> events;
        for (EventKind kind = PollEvent(); kind != EventKind::None; kind = PollEvent()) {
            events.push_back({kind, EventGadgetId(), EventSubtype(), EventWindow()});
            if (EventSubtype() == Type::DoubleClick) {
                EXPECT_EQ(ReadGadgetState(kList), c.selected);
            }
        }
        EXPECT_EQ(events, c.expected);
        EXPECT_EQ(ReadGadgetState(kList), c.selected);
        WidgetAs<QListWidget>(kList)->clearSelection();
        Drain();
    }
}

TEST_F(GadgetEventTest, ItemOperationsPostNothing) {
    Activate();
    QTest::mouseClick(ListArea(), Qt::LeftButton, {}, ItemCentre(1));
    Drain();
    InsertGadgetItem(kList, 0, "neu");
    DeleteGadgetItem(kList, 2);
    InsertGadgetItem(kPanel, -1, "Drei");
    EXPECT_EQ(PollEvent(), EventKind::None);
}

TEST_F(GadgetEventTest, ButtonAndCheckBoxClicks) {
    Activate();
    QTest::mouseClick(Widget(kButton), Qt::LeftButton);
    QTest::mouseClick(Widget(kCheck), Qt::LeftButton);
    std::vector<Event> events;
    for (EventKind kind = PollEvent(); kind != EventKind::None; kind = PollEvent()) {
        events.push_back({kind, EventGadgetId(), EventSubtype(), EventWindow()});
        if (EventGadgetId() == kCheck) {
            EXPECT_EQ(ReadGadgetState(kCheck), 1);
        }
    }
    EXPECT_EQ(events, (std::vector<Event>{GadgetEvent(kButton, Type::Change),
                                          GadgetEvent(kCheck, Type::Change)}));
}

TEST_F(GadgetEventTest, TextFieldChangeAndFocus) {
    Activate();
    FocusGadget(kField);
    QTest::keyClicks(Widget(kField), "ab");
    WriteGadgetText(kField, "");
    FocusGadget(kReadOnlyField);
    QTest::keyClicks(Widget(kReadOnlyField), "x");
    EXPECT_EQ(Drain(), (std::vector<Event>{
                           GadgetEvent(kField, Type::FocusIn),
                           GadgetEvent(kField, Type::TextChange),
                           GadgetEvent(kField, Type::TextChange),
                           GadgetEvent(kField, Type::FocusOut),
                           GadgetEvent(kReadOnlyField, Type::FocusIn),
                       }));
    QTest::keyClick(KeyTarget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Drain(), (std::vector<Event>{GadgetEvent(kReadOnlyField, Type::FocusOut),
                                           GadgetEvent(kField, Type::FocusIn)}));
}

TEST_F(GadgetEventTest, EventsOfAReplacedGadgetLeaveWithIt) {
    Activate();
    QTest::mouseClick(Widget(kButton), Qt::LeftButton);
    QTest::mouseClick(Widget(kLastButton), Qt::LeftButton);
    CreateButtonGadget(kButton, 5, 385, 100, 25, "Ersatz");
    EXPECT_EQ(Drain(), std::vector<Event>{GadgetEvent(kLastButton, Type::Change)});
}

}  // namespace
}  // namespace quillmoor::toolkit
