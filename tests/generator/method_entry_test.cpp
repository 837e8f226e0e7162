#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "generator/class_description.h"

namespace quillmoor {
namespace {

using namespace std::string_view_literals;

TEST(SplitMethodEntry, TakesAnyEntryApart) {
    const std::string name(100'000, 'x');
    const std::string parameters(100'000, 'a');
    const struct {
        std::string entry;
        std::string_view typeLetter;
        std::string procedureName;
        std::string parameterTail;
    } cases[] = {
        // Well formed.
        {"Test.l(a,b)", "l", "Test", ",a,b)"},
        {"Name.s()", "s", "Name", ")"},
        {"Run( )", "l", "Run", " )"},
        {"Run()", "l", "Run", ")"},
        {"Run(x)", "l", "Run", ",x)"},
        // The type is the byte after the first ".", wherever it stands, unless that is another
        // "." or nothing; every "." + type goes from the name.
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
        // Malformed parameter lists: only spaces are trimmed before comparing with ")".
        {"Test.l", "l", "Test", ","},
        {" Test()", "l", " Test", ")"},
        {"f(  )  ", "l", "f", "  )  "},
        {"f(\t)", "l", "f", ",\t)"},
        {"f(   ", "l", "f", ",   "},
        {"f(a(b)", "l", "f", ",a"},
        {"(((", "l", "", ","},
        {"()", "l", "", ")"},
        {")))", "l", ")))", ","},
        {"   ", "l", "   ", ","},
        // Entries of 100,000 bytes.
        {name + ".l(" + parameters + ")", "l", name, "," + parameters + ")"},
        {std::string(100'000, '.'), "l", std::string(100'000, '.'), ","},
        {std::string(100'000, '('), "l", "", ","},
        {std::string(50'000, '.') + std::string(50'000, 'l'), "l",
         std::string(49'999, '.') + std::string(49'999, 'l'), ","},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "entry \"" << c.entry.substr(0, 40) << '"');
        const MethodParts parts = SplitMethodEntry(c.entry);
        EXPECT_EQ(parts.typeLetter, c.typeLetter);
        EXPECT_EQ(parts.procedureName, c.procedureName);
        EXPECT_EQ(parts.parameterTail, c.parameterTail);
    }
}

}  // namespace
}  // namespace quillmoor
