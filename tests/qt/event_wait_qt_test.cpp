// What only Qt shows of waiting for events: the event dispatcher that the wait sleeps in.

#include <QAbstractEventDispatcher>
#include <QTest>
#include <QTimer>

#include "tests/support/qt/native_widgets.h"
#include "tests/toolkit/event_form_fixture.h"

namespace quillmoor::toolkit {
namespace {

using EventWaitQtTest = EventFormTest;

// A waiting loop that polled would never block in the dispatcher, or would wake up over
// and over; this one blocks and wakes only for the timer and the input it sends.
TEST_F(EventWaitQtTest, WaitingSleepsInTheEventDispatcher) {
    Activate();
    int blocks = 0;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    ASSERT_NE(dispatcher, nullptr);
    const auto connection = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                                             [&blocks] { ++blocks; });
    QTimer::singleShot(50,
                       [] { QTest::mouseClick(test::GadgetWidget(kLastButton), Qt::LeftButton); });
    EXPECT_EQ(WaitForEvent(), EventKind::Gadget);
    QObject::disconnect(connection);
    EXPECT_EQ(EventGadgetId(), kLastButton);
    EXPECT_EQ(EventSubtype(), GadgetEventType::Change);
    EXPECT_GE(blocks, 1);
    EXPECT_LE(blocks, 5);
}

}  // namespace
}  // namespace quillmoor::toolkit
