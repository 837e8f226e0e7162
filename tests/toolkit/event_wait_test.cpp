#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "tests/toolkit/event_form_fixture.h"

namespace quillmoor::toolkit {
namespace {

using Type = GadgetEventType;

TEST_F(EventFormTest, CloseRequestsQueueOneCloseEventAndKeepTheWindow) {
    Activate();
    Window()->close();
    Window()->close();
    QCloseEvent request;
    QApplication::sendEvent(Window(), &request);
    EXPECT_FALSE(request.isAccepted());
    EXPECT_EQ(Drain(), std::vector<Event>{CloseEvent()});
    EXPECT_TRUE(Window()->isVisible());

    Window()->close();
    EXPECT_EQ(WaitForEvent(), EventKind::Close);
    EXPECT_EQ(EventSubtype(), Type::None);
    EXPECT_EQ(EventWindow(), kWindow);
}

TEST_F(EventFormTest, WindowEventsKeepTheirPlaceAmongInputs) {
    struct Case {
        const char* name;
        std::function<void()> act;
        std::vector<Event> expected;
    };
    const auto click = [] { QTest::mouseClick(Widget(kButton), Qt::LeftButton); };
    const auto close = [] { Window()->close(); };
    const Event button = GadgetEvent(kButton, Type::Change);
    const std::vector<Case> cases = {
        {"close, then click", [&] { close(), click(); }, {CloseEvent(), button}},
        {"click, then close", [&] { click(), close(); }, {button, CloseEvent()}},
        {"close, click, close", [&] { close(), click(), close(); }, {CloseEvent(), button}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Activate();
        c.act();
        EXPECT_EQ(Drain(), c.expected);
    }
}

TEST_F(EventFormTest, CreatingAnEditorDropsPendingInputButKeepsWindowEvents) {
    Activate();
    QTest::mouseClick(Widget(kButton), Qt::LeftButton);
    Window()->close();
    QTest::keyClick(Widget(kButton), Qt::Key_Return);
    ASSERT_NE(CreateEditorGadget(11, 200, 385, 100, 25), 0);
    EXPECT_EQ(Drain(), std::vector<Event>{CloseEvent()});
}

TEST_F(EventFormTest, EventsWhileAskingAreKeptInOrder) {
    Activate();
    QTimer::singleShot(0, [] {
        Window()->close();
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Return);  // the box's default button, not a shortcut
    });
    EXPECT_EQ(AskUser("Frage", "Wirklich?", AskFlags::YesNo), Answer::Yes);
    EXPECT_EQ(Drain(), std::vector<Event>{CloseEvent()});
}

// A waiting loop that polled would never block in the dispatcher, or would wake up over
// and over; this one blocks and wakes only for the timer and the input it sends.
TEST_F(EventFormTest, WaitingSleepsInTheEventDispatcher) {
    Activate();
    int blocks = 0;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    ASSERT_NE(dispatcher, nullptr);
    const auto connection = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                                             [&blocks] { ++blocks; });
    QTimer::singleShot(50, [] { QTest::mouseClick(Widget(kLastButton), Qt::LeftButton); });
    EXPECT_EQ(WaitForEvent(), EventKind::Gadget);
    QObject::disconnect(connection);
    EXPECT_EQ(EventGadgetId(), kLastButton);
    EXPECT_EQ(EventSubtype(), Type::Change);
    EXPECT_GE(blocks, 1);
    EXPECT_LE(blocks, 5);
}

}  // namespace
}  // namespace quillmoor::toolkit
