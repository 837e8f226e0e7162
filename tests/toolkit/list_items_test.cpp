#include "tests/support/form_driver.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace quillmoor::toolkit {
namespace {

class ListItems : public ToolkitTest {
protected:
    static constexpr int kList = 1;

    void SetUp() override {
        ToolkitTest::SetUp();
        ASSERT_NE(CreateListGadget(kList, 0, 0, 200, 100), 0);
    }

    // The toolkit reads its items back from what it gave the list: the list must show the same.
    static std::vector<std::string> Items() {
        const std::vector<std::string> items = test::Items(kList);
        EXPECT_EQ(test::ShownItems(kList), items);
        return items;
    }
};

TEST_F(ListItems, AnEmptyListHasNoSelectionAndDeletesNothing) {
    EXPECT_EQ(ReadGadgetState(kList), -1);
    EXPECT_EQ(GadgetItemCount(kList), 0);
    DeleteGadgetItem(kList, -1);
    DeleteGadgetItem(kList, 0);
    EXPECT_EQ(ReadGadgetItemText(kList, 0), "");
}

TEST_F(ListItems, InsertPlacesItemsAndRefusesPositionsOutsideTheList) {
    InsertGadgetItem(kList, -1, "b");
    InsertGadgetItem(kList, 0, "a");
    InsertGadgetItem(kList, 2, "d");
    InsertGadgetItem(kList, 2, "c");
    InsertGadgetItem(kList, -1, "e");
    InsertGadgetItem(kList, 6, "beyond the end");
    InsertGadgetItem(kList, -2, "negative");
    EXPECT_EQ(Items(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(ReadGadgetItemText(kList, 5), "");
    EXPECT_EQ(ReadGadgetItemText(kList, -1), "");
}

TEST_F(ListItems, ItemsAreNeverSorted) {
    for (const char* text : {"z", "a", "m"}) {
        InsertGadgetItem(kList, -1, text);
    }
    EXPECT_EQ(Items(), (std::vector<std::string>{"z", "a", "m"}));
}

TEST_F(ListItems, DeleteOutsideTheListChangesNothing) {
    for (const char* text : {"a", "b", "c"}) {
        InsertGadgetItem(kList, -1, text);
    }
    for (const int index : {-1, 3, 100, -5}) {
        DeleteGadgetItem(kList, index);
    }
    EXPECT_EQ(GadgetItemCount(kList), 3);
    DeleteGadgetItem(kList, 1);
    EXPECT_EQ(Items(), (std::vector<std::string>{"a", "c"}));
}

TEST_F(ListItems, SelectionFollowsItsItemWhenItemsAreInsertedOrDeletedBeforeIt) {
    for (const char* text : {"a", "b", "c"}) {
        InsertGadgetItem(kList, -1, text);
    }
    test::ClickAt(kList, test::ItemCentre(kList, 1));
    ASSERT_EQ(ReadGadgetState(kList), 1);
    InsertGadgetItem(kList, 0, "first");
    EXPECT_EQ(ReadGadgetState(kList), 2);
    InsertGadgetItem(kList, -1, "last");
    EXPECT_EQ(ReadGadgetState(kList), 2);
    DeleteGadgetItem(kList, 0);
    EXPECT_EQ(ReadGadgetState(kList), 1);
    EXPECT_EQ(ReadGadgetItemText(kList, ReadGadgetState(kList)), "b");
}

TEST_F(ListItems, DeletingTheSelectedItemLeavesNoneSelected) {
    for (const char* text : {"a", "b", "c"}) {
        InsertGadgetItem(kList, -1, text);
    }
    test::ClickAt(kList, test::ItemCentre(kList, 1));
    DeleteGadgetItem(kList, 1);
    EXPECT_EQ(ReadGadgetState(kList), -1);
    DeleteGadgetItem(kList, 1);
    EXPECT_EQ(ReadGadgetState(kList), -1);
    FocusGadget(kList);
    EXPECT_EQ(ReadGadgetState(kList), -1);
    EXPECT_EQ(Items(), (std::vector<std::string>{"a"}));
}

TEST_F(ListItems, ItemOperationsOnOtherKindsDoNothing) {
    ASSERT_NE(CreateButtonGadget(2, 0, 120, 80, 24, "x"), 0);
    InsertGadgetItem(2, -1, "a");
    EXPECT_EQ(GadgetItemCount(2), 0);
    EXPECT_EQ(ReadGadgetItemText(2, 0), "");
    EXPECT_EQ(ReadGadgetState(2), 0);
    EXPECT_EQ(GadgetItemCount(99), 0);
}

}  // namespace
}  // namespace quillmoor::toolkit
