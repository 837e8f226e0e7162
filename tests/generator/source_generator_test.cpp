#include "generator/source_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/generator/default_description.h"
#include "tests/generator/text_diff.h"

namespace quillmoor {
namespace {

using test::DefaultDescription;
using test::SameText;
using test::SplitLines;

std::string ReadGolden(const char* name) {
    std::ifstream file(std::string(QUILLMOOR_TEST_DATA) + "/golden/" + name, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << name;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::size_t CountLines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
}

struct NumberedLine {
    std::size_t number;  // from 1
    std::string text;
};

void ExpectLines(const std::string& text, const std::vector<NumberedLine>& expected) {
    const std::vector<std::string> lines = SplitLines(text);
    for (const NumberedLine& line : expected) {
        ASSERT_LE(line.number, lines.size());
        EXPECT_EQ(lines[line.number - 1], line.text) << "line " << line.number;
    }
}

TEST(GenerateSource, SampleClassMatchesGoldenFile) {
    ClassDescription description = DefaultDescription();
    description.methods = {"Test.l(a,b)"};
    description.attributes = {"ID.l"};
    description.createTestObject = true;

    EXPECT_TRUE(SameText(ReadGolden("test_klasse.pb"), GenerateSource(description)));
}

TEST(GenerateSource, LineCountFollowsMethodsAttributesAndFlag) {
    struct Case {
        std::size_t methods;
        std::size_t attributes;
        bool createTestObject;
        std::size_t lines;
    };
    const Case cases[] = {
        {0, 0, false, 54}, {1, 1, true, 69},  {0, 0, true, 58},
        {3, 0, false, 84}, {0, 5, false, 59}, {2, 3, true, 81},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.methods << " methods, " << c.attributes
                                        << " attributes, flag " << c.createTestObject);
        ClassDescription description = DefaultDescription();
        description.methods.assign(c.methods, "Test.l(a,b)");
        description.attributes.assign(c.attributes, "ID.l");
        description.createTestObject = c.createTestObject;

        const std::string text = GenerateSource(description);
        EXPECT_EQ(CountLines(text), c.lines);
        EXPECT_EQ(text.back(), '\r');
        EXPECT_EQ(text.find('\n'), std::string::npos);
        EXPECT_EQ(text.find('\t'), std::string::npos);
    }
}

// Runs of consecutive whole lines that odd but legal descriptions must produce.
TEST(GenerateSource, OddDescriptionsGiveTheseWholeLines) {
    struct Case {
        const char* name;
        std::vector<std::string> methods;
        std::vector<std::string> attributes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"entry without parenthesis", {"Test.l"}, {}, {"Procedure.l Test(*This.TestStruktur,"}},
        {"entry with a leading space",
         {" Test.l(a)"},
         {},
         {"Procedure.l  Test(*This.TestStruktur,a)"}},
        {"no methods", {}, {"ID.l"}, {"Interface TestKlasse", "EndInterface"}},
        {"no methods", {}, {"ID.l"}, {"DataSection", "   Test_Methoden:", "EndDataSection"}},
        {"no attributes", {"Test.l(a,b)"}, {}, {"   *Test_Methoden", "EndStructure"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClassDescription description = DefaultDescription();
        description.methods = c.methods;
        description.attributes = c.attributes;

        std::string run = "\r";
        for (const std::string& line : c.lines) {
            run += line + "\r";
        }
        EXPECT_NE(GenerateSource(description).find(run), std::string::npos);
    }
}

TEST(GenerateSource, EmptyNamesLeaveTheirPlacesEmpty) {
    ClassDescription description;
    description.methods = {"Run()"};
    description.createTestObject = true;

    const std::string text = GenerateSource(description);
    EXPECT_EQ(CountLines(text), 68u);
    ExpectLines(text, {
                          {2, "; Class        build with Quillmoor"},
                          {7, "Interface "},
                          {16, "Structure "},
                          {17, "   *"},
                          {26, "Procedure.l Run(*This.)"},
                          {34, "Procedure "},
                          {36, "   Size = AllocateMemory (SizeOf ())"},
                          {37, "   Protected *This. = Size"},
                          {43, "   *This\\ = ?"},
                          {44, "   InitializeStructure(*This,)"},
                          {55, "*TestObject. = "},
                          {61, "   :"},
                          {62, "      Data.i @Run()"},
                      });
}

TEST(GenerateSource, CarriesEveryByteValueThrough) {
    std::string everyByte;
    for (int value = 0; value < 256; ++value) {
        everyByte += static_cast<char>(value);
    }
    ClassDescription description = DefaultDescription();
    description.className = everyByte;
    description.attributes = {everyByte};
    description.methods = {"\xC4rger.\xF6(x\xFF)"};

    const std::string text = GenerateSource(description);
    EXPECT_NE(text.find("; Class " + everyByte + "       build with Quillmoor\r"),
              std::string::npos);
    EXPECT_NE(text.find("\rInterface " + everyByte + "\r"), std::string::npos);
    EXPECT_NE(text.find("\r   " + everyByte + "\rEndStructure\r"), std::string::npos);
    EXPECT_NE(text.find("\rProcedure.\xF6 \xC4rger(*This.TestStruktur,x\xFF)\r"),
              std::string::npos);
    EXPECT_NE(text.find("\r      Data.i @\xC4rger()\r"), std::string::npos);
}

TEST(GenerateSource, SameDescriptionGivesSameTextAfterAnyOther) {
    ClassDescription first = DefaultDescription();
    first.methods = {"Test.l(a,b)", "Name.s()"};
    ClassDescription second = DefaultDescription();
    second.attributes = {"ID.l"};
    second.createTestObject = true;

    const std::string firstText = GenerateSource(first);
    const std::string secondText = GenerateSource(second);
    EXPECT_TRUE(SameText(firstText, GenerateSource(first)));
    EXPECT_TRUE(SameText(secondText, GenerateSource(second)));
}

TEST(GenerateSource, EntriesAndNamesOfOneHundredThousandBytes) {
    const std::string longName(100'000, 'n');
    const std::string methodName(100'000, 'm');
    const std::string parameters(100'000, 'p');
    ClassDescription description;
    description.constructorHead = longName + "()";
    description.className = longName;
    description.structureName = longName;
    description.methodTableLabel = longName;
    description.methods = {methodName + ".s(" + parameters + ")", std::string(100'000, '(')};
    description.attributes = {std::string(100'000, ' ')};

    const std::string text = GenerateSource(description);
    EXPECT_EQ(CountLines(text), 54u + 2 * 10 + 1);
    ExpectLines(
        text, {
                  {28, "Procedure.s " + methodName + "(*This." + longName + "," + parameters + ")"},
                  {36, "Procedure.l (*This." + longName + ","},
                  {68, "      Data.i @" + methodName + "()"},
                  {69, "      Data.i @()"},
              });
}

}  // namespace
}  // namespace quillmoor
