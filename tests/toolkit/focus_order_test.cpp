#include "toolkit/core/focus_order.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace quillmoor::toolkit {
namespace {

// A form like the main window: a panel (1), the first page's fields (2, 3), a hidden page's
// list (4), and a button outside the panel (5).
const std::vector<FocusSlot> kForm = {
    {1, true}, {2, true}, {3, true}, {4, false}, {5, true},
};

TEST(FocusOrder, WalksTheCandidatesWithWrapping) {
    struct Case {
        int focused;
        FocusDirection direction;
        std::optional<int> expected;
    };
    const std::vector<Case> cases = {
        {1, FocusDirection::Next, 2},
        {3, FocusDirection::Next, 5},      // skips the hidden page's list
        {5, FocusDirection::Next, 1},      // wraps to the first
        {-1, FocusDirection::Next, 1},     // no focus: the first
        {99, FocusDirection::Next, 1},     // focus on no gadget of the window
        {4, FocusDirection::Next, 5},      // a focused non-candidate counts by its place
        {1, FocusDirection::Previous, 5},  // wraps to the last
        {5, FocusDirection::Previous, 3},
        {2, FocusDirection::Previous, 1},
        {-1, FocusDirection::Previous, 5},  // no focus: the last
        {4, FocusDirection::Previous, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextFocus(kForm, c.focused, c.direction), c.expected)
            << "from " << c.focused << (c.direction == FocusDirection::Next ? " next" : " back");
    }
}

TEST(FocusOrder, EdgeForms) {
    for (const FocusDirection direction : {FocusDirection::Next, FocusDirection::Previous}) {
        EXPECT_EQ(NextFocus({}, -1, direction), std::nullopt);
        EXPECT_EQ(NextFocus({{1, false}, {2, false}}, -1, direction), std::nullopt);
        EXPECT_EQ(NextFocus({{1, false}, {2, false}}, 1, direction), std::nullopt);
        EXPECT_EQ(NextFocus({{1, true}}, 1, direction), 1);
        EXPECT_EQ(NextFocus({{1, true}, {2, false}}, 2, direction), 1);
    }
}

}  // namespace
}  // namespace quillmoor::toolkit
