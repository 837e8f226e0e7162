#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "generator/class_description.h"

namespace quillmoor {
namespace {

using namespace std::string_view_literals;

struct Case {
    std::string entry;
    std::string_view typeLetter;
    std::string procedureName;
    std::string parameterTail;
};

void ExpectSplit(const Case& c) {
    SCOPED_TRACE(testing::Message() << "entry \"" << c.entry.substr(0, 40) << '"');
    const MethodParts parts = SplitMethodEntry(c.entry);
    EXPECT_EQ(parts.typeLetter, c.typeLetter);
    EXPECT_EQ(parts.procedureName, c.procedureName);
    EXPECT_EQ(parts.parameterTail, c.parameterTail);
}

TEST(SplitMethodEntry, WellFormedEntries) {
    const Case cases[] = {
        {"Test.l(a,b)", "l", "Test", ",a,b)"}, {"Name.s()", "s", "Name", ")"},
        {"Run( )", "l", "Run", " )"},          {"Run()", "l", "Run", ")"},
        {"Run(x)", "l", "Run", ",x)"},
    };
    for (const Case& c : cases) {
        ExpectSplit(c);
    }
}

TEST(SplitMethodEntry, TypeIsTheByteAfterTheFirstDotWherePossible) {
    const Case cases[] = {
        {"Get.str(a)", "s", "Gettr", ",a)"},
        {"Calc(a.d)", "d", "Calc", ",a.d)"},
        {"A.lB.l(x)", "l", "AB", ",x)"},
        {"Test.(x)", "(", "Test.", ",x)"},
        {"Test.", "l", "Test.", ","},
        {"Test..s()", "l", "Test..s", ")"},
        {"..l(x)", "l", ".", ",x)"},
        {".....", "l", ".....", ","},
        {"\xC4rger.\xF6(x\xFF)", "\xF6", "\xC4rger", ",x\xFF)"},
        {std::string("x.\0(y)"sv), "\0"sv, "x", ",y)"},
    };
    for (const Case& c : cases) {
        ExpectSplit(c);
    }
}

TEST(SplitMethodEntry, ParameterTailOfMalformedEntries) {
    const Case cases[] = {
        {"Test.l", "l", "Test", ","},   {" Test()", "l", " Test", ")"},
        {"f(  )  ", "l", "f", "  )  "}, {"f(\t)", "l", "f", ",\t)"},
        {"f(a(b)", "l", "f", ",a"},     {"(((", "l", "", ","},
        {"()", "l", "", ")"},           {")))", "l", ")))", ","},
        {"   ", "l", "   ", ","},
    };
    for (const Case& c : cases) {
        ExpectSplit(c);
    }
}

TEST(SplitMethodEntry, EntriesOfOneHundredThousandBytes) {
    const std::string name(100'000, 'x');
    const std::string parameters(100'000, 'a');
    const Case cases[] = {
        {name + ".l(" + parameters + ")", "l", name, "," + parameters + ")"},
        {std::string(100'000, '.'), "l", std::string(100'000, '.'), ","},
        {std::string(100'000, '('), "l", "", ","},
        {std::string(50'000, '.') + std::string(50'000, 'l'), "l",
         std::string(49'999, '.') + std::string(49'999, 'l'), ","},
    };
    for (const Case& c : cases) {
        ExpectSplit(c);
    }
}

}  // namespace
}  // namespace quillmoor
