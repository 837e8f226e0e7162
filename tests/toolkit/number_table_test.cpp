#include "toolkit/core/number_table.h"

#include <gtest/gtest.h>

#include <memory>

namespace quillmoor::toolkit {
namespace {

// Counts its own destruction, so that a test sees when the table lets an object go.
struct Tracked {
    explicit Tracked(int* destroyed) : destroyed(destroyed) {}
    ~Tracked() { ++*destroyed; }
    int* destroyed;
};

TEST(NumberTable, ReplacingANumberHandsBackTheOldObject) {
    NumberTable<Tracked> table;
    int destroyed = 0;
    table.Replace(3, std::make_unique<Tracked>(&destroyed));
    Tracked* second = new Tracked(&destroyed);
    std::unique_ptr<Tracked> old = table.Replace(3, std::unique_ptr<Tracked>(second));
    EXPECT_NE(old, nullptr);
    EXPECT_EQ(table.Find(3), second);
    old.reset();
    EXPECT_EQ(destroyed, 1);
}

TEST(NumberTable, DiscardedResultDestroysTheReplacedObjectAtOnce) {
    NumberTable<Tracked> table;
    int destroyed = 0;
    table.Replace(0, std::make_unique<Tracked>(&destroyed));
    table.Remove(0);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(table.Find(0), nullptr);
}

TEST(NumberTable, RefusedNumbersStoreNothing) {
    NumberTable<int> table;
    for (const int number : {-1, -32768, kMaxObjectNumber + 1, 1 << 30}) {
        auto refused = table.Replace(number, std::make_unique<int>(7));
        ASSERT_NE(refused, nullptr) << number;
        EXPECT_EQ(*refused, 7);
        EXPECT_EQ(table.Find(number), nullptr);
    }
    EXPECT_TRUE(table.Numbers().empty());
}

TEST(NumberTable, EdgesOfTheRangeAreAccepted) {
    NumberTable<int> table;
    table.Replace(0, std::make_unique<int>(1));
    table.Replace(kMaxObjectNumber, std::make_unique<int>(2));
    EXPECT_EQ(*table.Find(0), 1);
    EXPECT_EQ(*table.Find(kMaxObjectNumber), 2);
    EXPECT_EQ(table.Numbers(), (std::vector<int>{0, kMaxObjectNumber}));
}

TEST(NumberTable, UnusedNumbersFindNothing) {
    NumberTable<int> table;
    table.Replace(5, std::make_unique<int>(1));
    for (const int number : {-1, 0, 4, 6, 100, kMaxObjectNumber + 1}) {
        EXPECT_EQ(table.Find(number), nullptr) << number;
    }
    EXPECT_EQ(table.Remove(9), nullptr);
}

}  // namespace
}  // namespace quillmoor::toolkit
