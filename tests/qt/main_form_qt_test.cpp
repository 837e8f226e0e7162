// Where Qt's offscreen screen puts the main form: a fact of the Qt realisation alone.

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "tests/app/main_form_fixture.h"
#include "tests/support/qt/native_widgets.h"

namespace quillmoor::app::testing {
namespace {

using MainFormQtTest = MainFormTest;

// The form's own position lies outside the offscreen platform's small screen: the window is
// moved just enough to lie wholly inside the screen's available area.
TEST_F(MainFormQtTest, WindowIsMovedJustEnoughToLieOnTheScreen) {
    QWidget* window = test::WindowWidget(kMainWindow);
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (frame.width() > available.width() || frame.height() > available.height()) {
        GTEST_SKIP() << "at this scale the window is larger than the screen";
    }
    EXPECT_TRUE(available.contains(frame)) << frame.x() << "," << frame.y();
    const int expectedX = std::min(552, available.right() + 1 - frame.width());
    const int expectedY = std::min(458, available.bottom() + 1 - frame.height());
    EXPECT_EQ(frame.topLeft(), QPoint(expectedX, expectedY));
}

}  // namespace
}  // namespace quillmoor::app::testing
