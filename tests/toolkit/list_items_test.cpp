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

// Empty, the list has no selection; filled, it keeps the order the items were inserted in,
// never sorting them.
TEST_F(ListItems, InsertAndDeleteRefusePositionsOutsideTheList) {
    EXPECT_EQ(ReadGadgetState(kList), -1);
    DeleteGadgetItem(kList, 0);
    EXPECT_EQ(GadgetItemCount(kList), 0);
    InsertGadgetItem(kList, -1, "b");
    InsertGadgetItem(kList, 0, "z");
    InsertGadgetItem(kList, 2, "d");
    InsertGadgetItem(kList, 2, "c");
    InsertGadgetItem(kList, -1, "a");
    InsertGadgetItem(kList, 6, "beyond the end");
    InsertGadgetItem(kList, -2, "negative");
    EXPECT_EQ(Items(), (std::vector<std::string>{"z", "b", "c", "d", "a"}));
    EXPECT_EQ(ReadGadgetItemText(kList, 5), "");
    EXPECT_EQ(ReadGadgetItemText(kList, -1), "");
    for (const int index : {-1, 5, 100, -5}) {
        DeleteGadgetItem(kList, index);
    }
    EXPECT_EQ(GadgetItemCount(kList), 5);
    DeleteGadgetItem(kList, 1);
    EXPECT_EQ(Items(), (std::vector<std::string>{"z", "c", "d", "a"}));
    // Other kinds hold no items.
    ASSERT_NE(CreateButtonGadget(2, 0, 120, 80, 24, "x"), 0);
    InsertGadgetItem(2, -1, "a");
    EXPECT_EQ(GadgetItemCount(2), 0);
    EXPECT_EQ(ReadGadgetItemText(2, 0), "");
    EXPECT_EQ(ReadGadgetState(2), 0);
}

// Deleted, the selected item leaves none selected, and giving the list the focus selects none.
TEST_F(ListItems, SelectionFollowsItsItemUntilItIsDeleted) {
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
    DeleteGadgetItem(kList, 1);
    EXPECT_EQ(ReadGadgetState(kList), -1);
    DeleteGadgetItem(kList, 1);
    EXPECT_EQ(ReadGadgetState(kList), -1);
    FocusGadget(kList);
    EXPECT_EQ(ReadGadgetState(kList), -1);
    EXPECT_EQ(Items(), (std::vector<std::string>{"a", "last"}));
}

}  // namespace
}  // namespace quillmoor::toolkit
