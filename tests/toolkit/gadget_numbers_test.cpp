#include <cstdlib>

#include "tests/support/form_driver.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace quillmoor::toolkit {
namespace {

using GadgetNumbers = ToolkitTest;

// A window of impossible size is not opened; on a number in use it leaves the number free.
TEST_F(GadgetNumbers, ReopeningAWindowNumberDestroysTheOldWindowAndItsGadgets) {
    const test::NativeWatch gadget(CreateButtonGadget(1, 0, 0, 80, 24, "x"));
    const test::NativeWatch oldWindow(WindowHandle(kWindow));
    const Handle handle = OpenFormWindow(kWindow, 0, 0, 100, 100, "neu", kDialogWindowFlags);
    ASSERT_NE(handle, 0);
    EXPECT_TRUE(oldWindow.IsGone());
    EXPECT_TRUE(gadget.IsGone());
    EXPECT_EQ(WindowHandle(kWindow), handle);

    const test::NativeWatch newGadget(CreateButtonGadget(1, 0, 0, 80, 24, "x"));
    const test::NativeWatch held(WindowHandle(kWindow));
    for (const int window : {kWindow + 1, kWindow}) {
        EXPECT_EQ(OpenFormWindow(window, 0, 0, 0, 100, "x", kDialogWindowFlags), 0);
        EXPECT_FALSE(LastFailure().empty());
        EXPECT_EQ(WindowHandle(window), 0);
    }
    EXPECT_TRUE(held.IsGone());
    EXPECT_TRUE(newGadget.IsGone());
}

// Reusing a number destroys the old gadget, a panel with the gadgets on its pages.
TEST_F(GadgetNumbers, ReusingANumberDestroysTheOldGadgetAndWhatItHolds) {
    const test::NativeWatch panel(CreatePanelGadget(1, 0, 0, 300, 200));
    InsertGadgetItem(1, -1, "Seite");
    const test::NativeWatch check(CreateCheckGadget(2, 0, 0, 80, 20, "x"));
    EndGadgetList();
    ASSERT_NE(CreateListGadget(1, 0, 30, 80, 80), 0);
    EXPECT_TRUE(panel.IsGone());
    EXPECT_TRUE(check.IsGone());
    EXPECT_EQ(test::ShownKind(1), GadgetKind::List);
    EXPECT_EQ(ReadGadgetState(2), 0);
}

TEST_F(GadgetNumbers, PagesShowOnlyTheSelectedTabEnabled) {
    ASSERT_NE(CreatePanelGadget(1, 0, 0, 300, 200), 0);
    InsertGadgetItem(1, -1, "Eins");
    ASSERT_NE(CreateButtonGadget(2, 0, 0, 80, 24, "auf Eins"), 0);
    InsertGadgetItem(1, -1, "Zwei");
    ASSERT_NE(CreateButtonGadget(3, 0, 0, 80, 24, "auf Zwei"), 0);
    EndGadgetList();
    EXPECT_EQ(test::CurrentTab(1), 0);
    EXPECT_TRUE(test::IsEnabled(2));
    EXPECT_FALSE(test::IsEnabled(3));
    test::ClickTab(1, 1);
    EXPECT_FALSE(test::IsShown(2));
    EXPECT_FALSE(test::IsEnabled(2));
    EXPECT_TRUE(test::IsShown(3));
    EXPECT_TRUE(test::IsEnabled(3));
    // Back outside the panel, new gadgets go into the window itself. Numbers beyond the range
    // never reach a platform (the core test shows them refused); the largest one names a real
    // object on each.
    ASSERT_NE(CreateButtonGadget(kMaxObjectNumber, 0, 250, 80, 24, "unten"), 0);
    EXPECT_EQ(test::GeometryInWindow(kMaxObjectNumber, kWindow), (test::Rect{0, 250, 80, 24}));
    EXPECT_NE(LoadNumberedFont(kMaxObjectNumber, "Courier", 10), 0);
    EXPECT_NE(OpenFormWindow(kMaxObjectNumber, 0, 0, 10, 10, "x", kDialogWindowFlags), 0);
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

}  // namespace
}  // namespace quillmoor::toolkit
