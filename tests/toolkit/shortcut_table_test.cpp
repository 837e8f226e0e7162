#include "toolkit/core/shortcut_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {
namespace {

constexpr std::int32_t kKeyF5 = 116;

TEST(ShortcutTable, NewTableHoldsOnlyTheFocusKeys) {
    const ShortcutTable table;
    EXPECT_EQ(table.Lookup(kKeyTab), kFocusNextEvent);
    EXPECT_EQ(table.Lookup(kKeyTab | kModShift), kFocusPreviousEvent);
    EXPECT_EQ(table.Lookup(kKeyTab | kModControl), std::nullopt);
    EXPECT_EQ(table.Lookup(kKeyReturn), std::nullopt);
}

TEST(ShortcutTable, ModifiersMustMatchExactly) {
    ShortcutTable table;
    table.Bind(kKeyReturn, 12);
    table.Bind(kKeyF5 | kModControl | kModShift, 40);
    struct Case {
        std::int32_t pressed;
        std::optional<int> event;
    };
    const std::vector<Case> cases = {
        {kKeyReturn, 12},
        {kKeyReturn | kModShift, std::nullopt},
        {kKeyReturn | kModControl, std::nullopt},
        {kKeyReturn | kModAlt, std::nullopt},
        {kKeyReturn | kModShift | kModControl | kModAlt, std::nullopt},
        {kKeyF5, std::nullopt},
        {kKeyF5 | kModControl, std::nullopt},
        {kKeyF5 | kModControl | kModShift, 40},
        {kKeyF5 | kModControl | kModShift | kModAlt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(table.Lookup(c.pressed), c.event) << std::hex << c.pressed;
    }
}

TEST(ShortcutTable, BindingAgainReplacesTheNumber) {
    ShortcutTable table;
    table.Bind(kKeyReturn, 12);
    table.Bind(kKeyReturn, 13);
    EXPECT_EQ(table.Lookup(kKeyReturn), 13);
    table.Bind(kKeyTab, 7);
    EXPECT_EQ(table.Lookup(kKeyTab), 7);
    EXPECT_EQ(table.Lookup(kKeyTab | kModShift), kFocusPreviousEvent);
}

TEST(ShortcutTable, EventNumbersOutsideSixteenBitsAreRefused) {
    ShortcutTable table;
    table.Bind(kKeyReturn, 0);
    table.Bind(kKeyReturn, 65536);
    table.Bind(kKeyReturn, -1);
    EXPECT_EQ(table.Lookup(kKeyReturn), 0);
    table.Bind(kKeyReturn, 65535);
    EXPECT_EQ(table.Lookup(kKeyReturn), 65535);
}

}  // namespace
}  // namespace quillmoor::toolkit
