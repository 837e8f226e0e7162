// What only the Qt realisation shows of the number spaces: which widget input on an inner
// widget is traced to, the order in which EndToolkit() destroys, and a window's place on the
// offscreen screen.

#include <QListWidget>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "tests/support/qt/native_widgets.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit {
namespace {

using GadgetNumbersQt = ToolkitTest;

TEST_F(GadgetNumbersQt, ChildWidgetsAndPagesBelongToTheirGadget) {
    ASSERT_NE(CreatePanelGadget(1, 0, 0, 300, 200), 0);
    InsertGadgetItem(1, -1, "Eins");
    ASSERT_NE(CreateListGadget(2, 0, 0, 100, 100), 0);
    auto* panel = static_cast<QTabWidget*>(test::GadgetWidget(1));
    auto* list = static_cast<QListWidget*>(test::GadgetWidget(2));
    QWidget* window = test::WindowWidget(kWindow);
    EXPECT_EQ(qt::ToolkitObjectOf(list->viewport()), qt::IdOf(list));
    EXPECT_EQ(qt::ToolkitObjectOf(panel->tabBar()), qt::IdOf(panel));
    EXPECT_EQ(qt::ToolkitObjectOf(panel->widget(0)), qt::IdOf(panel));
    EXPECT_EQ(qt::ToolkitObjectOf(window), qt::IdOf(window));
    QWidget stranger;
    EXPECT_EQ(qt::ToolkitObjectOf(&stranger), 0u);
}

TEST_F(GadgetNumbersQt, EndToolkitClosesWindowsBeforeFonts) {
    ASSERT_NE(LoadNumberedFont(0, "Courier", 10), 0);
    Handle fontAtWindowEnd = 0;
    QObject::connect(test::WindowWidget(kWindow), &QObject::destroyed,
                     [&] { fontAtWindowEnd = FontHandle(0); });
    EndToolkit();
    EXPECT_NE(fontAtWindowEnd, 0);
    EXPECT_EQ(FontHandle(0), 0);
    EXPECT_EQ(WindowHandle(kWindow), 0);
}

// A window placed partly or wholly off the offscreen platform's small screen is moved just
// enough to lie inside its available area.
TEST_F(GadgetNumbersQt, AWindowOffTheScreenIsMovedJustEnoughToLieOnIt) {
    const struct {
        int x, y, width, height;
    } cases[] = {{100000, 100000, 200, 100}, {552, 458, 562, 391}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        ASSERT_NE(OpenFormWindow(1, c.x, c.y, c.width, c.height, "weit weg", kDialogWindowFlags),
                  0);
        const QWidget* window = test::WindowWidget(1);
        const QRect available = window->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        EXPECT_EQ(window->size(), QSize(c.width, c.height));
        if (frame.width() <= available.width() && frame.height() <= available.height()) {
            EXPECT_EQ(frame.topLeft(),
                      QPoint(std::min(c.x, available.right() + 1 - frame.width()),
                             std::min(c.y, available.bottom() + 1 - frame.height())));
        }
    }
}

}  // namespace
}  // namespace quillmoor::toolkit
