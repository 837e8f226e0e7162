#include "generator/text_primitives.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>

namespace quillmoor {
namespace {

using namespace std::string_view_literals;

TEST(FieldAt, NumbersTheRunsBetweenSeparatorsFromOne) {
    struct Case {
        std::string_view text;
        char separator;
        std::size_t index;
        std::string_view field;
    };
    const Case cases[] = {
        {"Test.l(a,b)", '(', 1, "Test.l"},
        {"Test.l(a,b)", '(', 2, "a,b)"},
        {"Test.l", '(', 1, "Test.l"},
        {"Test.l", '(', 2, ""},
        {"f(a(b", '(', 2, "a"},
        {"f(a(b", '(', 3, "b"},
        {"f(a(b", '(', 4, ""},
        {"Test.", '.', 2, ""},
        {"..s", '.', 2, ""},
        {"", '.', 1, ""},
        {"abc", '.', 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" field " << c.index);
        EXPECT_EQ(FieldAt(c.text, c.separator, c.index), c.field);
    }
}

TEST(FirstCharacter, IsOneByteOrNothing) {
    EXPECT_EQ(FirstCharacter(""), "");
    EXPECT_EQ(FirstCharacter("\xF6x"), "\xF6");
    EXPECT_EQ(FirstCharacter("\0x"sv), "\0"sv);
}

TEST(RemoveAll, DropsNonOverlappingMatchesScanningFromTheLeft) {
    struct Case {
        std::string_view text;
        std::string_view pattern;
        std::string_view result;
    };
    const Case cases[] = {
        {"A.lB.l", ".l", "AB"}, {"Get.str", ".s", "Gettr"}, {"aaa", "aa", "a"},
        {"..l", ".l", "."},     {"abc", "", "abc"},         {"", ".l", ""},
        {".l.l", ".l", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" without \"" << c.pattern << '"');
        EXPECT_EQ(RemoveAll(c.text, c.pattern), c.result);
    }
}

TEST(TrimSpaces, RemovesOnlyOuterSpaceCharacters) {
    EXPECT_EQ(TrimSpaces("  ) "), ")");
    EXPECT_EQ(TrimSpaces("\t) \t"), "\t) \t");
    EXPECT_EQ(TrimSpaces(" a b "), "a b");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces(""), "");
}

}  // namespace
}  // namespace quillmoor
