#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>

#include "tests/support/qt/native_widgets.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/qt/native_objects.h"

namespace quillmoor::toolkit {
namespace {

QPointer<QWidget> WidgetOf(int gadget) {
    return test::GadgetWidget(gadget);
}

using GadgetNumbers = ToolkitTest;

TEST_F(GadgetNumbers, ReusingANumberDestroysTheOldGadget) {
    ASSERT_NE(CreateButtonGadget(1, 0, 0, 80, 24, "Alt"), 0);
    const QPointer<QWidget> old = WidgetOf(1);
    ASSERT_NE(CreateListGadget(1, 0, 30, 80, 80), 0);
    EXPECT_TRUE(old.isNull());
    EXPECT_NE(qobject_cast<QListWidget*>(WidgetOf(1)), nullptr);
}

TEST_F(GadgetNumbers, ReopeningAWindowNumberDestroysTheOldWindowAndItsGadgets) {
    ASSERT_NE(CreateButtonGadget(1, 0, 0, 80, 24, "x"), 0);
    const QPointer<QWidget> oldWindow = test::WindowWidget(kWindow);
    ASSERT_NE(OpenFormWindow(kWindow, 0, 0, 100, 100, "neu", kDialogWindowFlags), 0);
    EXPECT_TRUE(oldWindow.isNull());
    EXPECT_EQ(WidgetOf(1), nullptr);
    EXPECT_EQ(WindowHandle(kWindow), reinterpret_cast<Handle>(test::WindowWidget(kWindow)));
}

TEST_F(GadgetNumbers, FailedCreationKeepsTheOldGadget) {
    ASSERT_NE(CreatePanelGadget(1, 0, 0, 300, 200), 0);
    InsertGadgetItem(1, -1, "Seite");
    ASSERT_NE(CreateTextGadget(5, 0, 0, 80, 20, "alt", TextFieldFlags::Editable), 0);
    const QPointer<QWidget> old = WidgetOf(5);
    // A new panel without tabs is current: there is no page to create anything in.
    ASSERT_NE(CreatePanelGadget(2, 0, 0, 100, 100), 0);
    EXPECT_EQ(CreateTextGadget(5, 0, 0, 80, 20, "neu", TextFieldFlags::Editable), 0);
    EXPECT_EQ(WidgetOf(5), old);
    EXPECT_EQ(ReadGadgetText(5), "alt");
}

TEST_F(GadgetNumbers, NumbersOutsideTheRangeAreRefused) {
    for (const int number : {-1, kMaxObjectNumber + 1}) {
        EXPECT_EQ(CreateButtonGadget(number, 0, 0, 10, 10, "x"), 0) << number;
        EXPECT_EQ(OpenFormWindow(number, 0, 0, 10, 10, "x", kDialogWindowFlags), 0) << number;
        EXPECT_EQ(LoadNumberedFont(number, "Courier", 10), 0) << number;
    }
    EXPECT_NE(CreateButtonGadget(kMaxObjectNumber, 0, 0, 10, 10, "x"), 0);
}

TEST_F(GadgetNumbers, AGadgetCannotReplaceThePanelItLivesIn) {
    ASSERT_NE(CreatePanelGadget(1, 0, 0, 300, 200), 0);
    InsertGadgetItem(1, -1, "Seite");
    const QPointer<QWidget> panel = WidgetOf(1);
    EXPECT_EQ(CreateButtonGadget(1, 0, 0, 80, 24, "x"), 0);
    EXPECT_EQ(WidgetOf(1), panel);
}

TEST_F(GadgetNumbers, ReplacingAPanelForgetsTheGadgetsOnItsPages) {
    ASSERT_NE(CreatePanelGadget(1, 0, 0, 300, 200), 0);
    InsertGadgetItem(1, -1, "Seite");
    ASSERT_NE(CreateCheckGadget(2, 0, 0, 80, 20, "x"), 0);
    EndGadgetList();
    ASSERT_NE(CreateButtonGadget(1, 0, 0, 80, 24, "x"), 0);
    EXPECT_EQ(WidgetOf(2), nullptr);
    EXPECT_EQ(ReadGadgetState(2), 0);
}

TEST_F(GadgetNumbers, ChildWidgetsAndPagesBelongToTheirGadget) {
    ASSERT_NE(CreatePanelGadget(1, 0, 0, 300, 200), 0);
    InsertGadgetItem(1, -1, "Eins");
    ASSERT_NE(CreateListGadget(2, 0, 0, 100, 100), 0);
    auto* panel = static_cast<QTabWidget*>(WidgetOf(1).data());
    auto* list = static_cast<QListWidget*>(WidgetOf(2).data());
    QWidget* window = test::WindowWidget(kWindow);
    EXPECT_EQ(qt::ToolkitObjectOf(list->viewport()), qt::IdOf(list));
    EXPECT_EQ(qt::ToolkitObjectOf(panel->tabBar()), qt::IdOf(panel));
    EXPECT_EQ(qt::ToolkitObjectOf(panel->widget(0)), qt::IdOf(panel));
    EXPECT_EQ(qt::ToolkitObjectOf(window), qt::IdOf(window));
    QWidget stranger;
    EXPECT_EQ(qt::ToolkitObjectOf(&stranger), 0u);
}

TEST_F(GadgetNumbers, GadgetsOfAWindowComeInCreationOrder) {
    ASSERT_NE(CreateButtonGadget(9, 0, 0, 10, 10, "a"), 0);
    ASSERT_NE(CreateButtonGadget(3, 0, 0, 10, 10, "b"), 0);
    ASSERT_NE(CreateButtonGadget(6, 0, 0, 10, 10, "c"), 0);
    ASSERT_NE(CreateButtonGadget(9, 0, 0, 10, 10, "d"), 0);
    QWidget* window = test::WindowWidget(kWindow);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (const int expected : {3, 6, 9, 3}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(FocusedGadget(), expected);
    }
}

TEST_F(GadgetNumbers, PagesShowOnlyTheSelectedTabEnabled) {
    ASSERT_NE(CreatePanelGadget(1, 0, 0, 300, 200), 0);
    InsertGadgetItem(1, -1, "Eins");
    ASSERT_NE(CreateButtonGadget(2, 0, 0, 80, 24, "auf Eins"), 0);
    InsertGadgetItem(1, -1, "Zwei");
    ASSERT_NE(CreateButtonGadget(3, 0, 0, 80, 24, "auf Zwei"), 0);
    EndGadgetList();
    auto* panel = static_cast<QTabWidget*>(WidgetOf(1).data());
    EXPECT_EQ(panel->currentIndex(), 0);
    EXPECT_TRUE(WidgetOf(2)->isEnabled());
    EXPECT_FALSE(WidgetOf(3)->isEnabled());
    panel->setCurrentIndex(1);
    EXPECT_FALSE(WidgetOf(2)->isEnabled());
    EXPECT_TRUE(WidgetOf(3)->isVisible());
    EXPECT_TRUE(WidgetOf(3)->isEnabled());
    // Back outside the panel, new gadgets go into the window itself.
    ASSERT_NE(CreateButtonGadget(4, 0, 250, 80, 24, "unten"), 0);
    EXPECT_EQ(WidgetOf(4)->parentWidget(), test::WindowWidget(kWindow));
}

TEST_F(GadgetNumbers, BeginGadgetListKnowsOnlyWindowHandles) {
    EXPECT_EQ(BeginGadgetList(WindowHandle(kWindow)), 1);
    EXPECT_EQ(BeginGadgetList(0), 0);
    EXPECT_EQ(BeginGadgetList(CreateButtonGadget(1, 0, 0, 10, 10, "x")), 0);
    EXPECT_EQ(WindowHandle(kWindow + 1), 0);
}

TEST_F(GadgetNumbers, EndToolkitClosesWindowsBeforeFonts) {
    ASSERT_NE(LoadNumberedFont(0, "Courier", 10), 0);
    Handle fontAtWindowEnd = 0;
    QObject::connect(test::WindowWidget(kWindow), &QObject::destroyed,
                     [&] { fontAtWindowEnd = FontHandle(0); });
    EndToolkit();
    EXPECT_NE(fontAtWindowEnd, 0);
    EXPECT_EQ(FontHandle(0), 0);
    EXPECT_EQ(WindowHandle(kWindow), 0);
}

TEST(ToolkitLifetime, CallsOutsideTheToolkitsLifetimeDoNothing) {
    for (int cycle = 0; cycle < 2; ++cycle) {
        EXPECT_EQ(OpenFormWindow(0, 0, 0, 100, 100, "x", kDialogWindowFlags), 0);
        EXPECT_EQ(CreateButtonGadget(1, 0, 0, 10, 10, "x"), 0);
        InsertGadgetItem(1, -1, "x");
        WriteGadgetText(1, "x");
        EXPECT_EQ(ReadGadgetText(1), "");
        EXPECT_EQ(GadgetItemCount(1), 0);
        EXPECT_EQ(LoadNumberedFont(0, "Courier", 10), 0);
        EXPECT_EQ(FocusedGadget(), -1);
        EXPECT_EQ(AskUser("x", "y", AskFlags::YesNo), Answer::NotShown);
        ASSERT_TRUE(InitToolkit()) << LastFailure();
        ASSERT_NE(OpenFormWindow(0, 0, 0, 100, 100, "x", kDialogWindowFlags), 0);
        EXPECT_NE(CreateButtonGadget(1, 0, 0, 10, 10, "x"), 0);
        EndToolkit();
    }
}

// A program, or a test that fails half-way, may leave main() without EndToolkit(): its windows,
// gadgets and watchers must then go while Qt is still there to destroy them. The check runs in
// a fresh child process, where this program's Qt is the only one.
TEST(ToolkitLifetime, LeavingMainWithoutEndToolkitExitsCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            InitToolkit();
            OpenFormWindow(0, 20, 20, 400, 300, "x", kDialogWindowFlags);
            CreatePanelGadget(1, 0, 0, 300, 200);
            InsertGadgetItem(1, -1, "Seite");
            CreateListGadget(2, 0, 0, 100, 100);
            InsertGadgetItem(2, -1, "a");
            EndGadgetList();
            CreateEditorGadget(3, 0, 210, 300, 80);
            LoadNumberedFont(0, "Courier", 10);
            AssignGadgetFont(3, FontHandle(0));
            BindShortcut(0, kKeyReturn, 12);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(GadgetNumbers, AWindowOffTheScreenIsMovedOntoIt) {
    ASSERT_NE(OpenFormWindow(1, 100000, 100000, 200, 100, "weit weg", kDialogWindowFlags), 0);
    const QWidget* window = test::WindowWidget(1);
    const QRect available = window->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window->frameGeometry())) << window->frameGeometry().x();
    EXPECT_EQ(window->size(), QSize(200, 100));
}

TEST_F(GadgetNumbers, AWindowOfImpossibleSizeIsNotOpenedAndLeavesItsNumberFree) {
    ASSERT_NE(CreateButtonGadget(1, 0, 0, 80, 24, "x"), 0);
    const QPointer<QWidget> held = test::WindowWidget(kWindow);
    for (const int window : {kWindow + 1, kWindow}) {
        EXPECT_EQ(OpenFormWindow(window, 0, 0, 0, 100, "x", kDialogWindowFlags), 0);
        EXPECT_FALSE(LastFailure().empty());
        EXPECT_EQ(WindowHandle(window), 0);
    }
    EXPECT_TRUE(held.isNull());
    EXPECT_EQ(WidgetOf(1), nullptr);
}

}  // namespace
}  // namespace quillmoor::toolkit
