#pragma once

// A left-button double-click as the platform delivers it: press, release, then the second press
// arriving as a double-click, then its release. QTest::mouseDClick on a widget sends the
// double-click alone, which an item view takes for a first press, so the selection made by the
// first click would never be exercised.

#include <QTest>

namespace quillmoor::test {

inline void DoubleClick(QWidget* widget, QPoint point) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, point);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
}

}  // namespace quillmoor::test
