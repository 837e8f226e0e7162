// Cases the method-entry rule cannot reach on its own; the rule's own tables cover the rest.
#include "generator/text_primitives.h"

#include <gtest/gtest.h>

namespace quillmoor {
namespace {

TEST(FieldAt, FieldsBeyondTheSecondAndFieldZero) {
    EXPECT_EQ(FieldAt("f(a(b", '(', 3), "b");
    EXPECT_EQ(FieldAt("f(a(b", '(', 4), "");
    EXPECT_EQ(FieldAt("f(a(b", '(', 0), "");
}

TEST(RemoveAll, MatchesNeverOverlapAndAnEmptyPatternRemovesNothing) {
    EXPECT_EQ(RemoveAll("aaa", "aa"), "a");
    EXPECT_EQ(RemoveAll("abc", ""), "abc");
}

TEST(TrimSpaces, KeepsInnerSpacesAndEmptiesAllSpaceText) {
    EXPECT_EQ(TrimSpaces(" a b "), "a b");
    EXPECT_EQ(TrimSpaces("   "), "");
}

}  // namespace
}  // namespace quillmoor
