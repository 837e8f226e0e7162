#include "generator/source_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <numeric>
#include <ranges>
#include <string>
#include <vector>

#include "tests/generator/default_description.h"

namespace quillmoor {
namespace {

// GoogleTest shows where two texts differ line by line only when their lines end in line feeds.
std::string WithLineFeeds(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

// The text up to its last carriage return, split there.
std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (const auto line : std::views::split(text, '\r')) {
        lines.emplace_back(line.begin(), line.end());
    }
    lines.pop_back();
    return lines;
}

ClassDescription Sample(std::vector<std::string> methods, std::vector<std::string> attributes,
                        bool createTestObject = false) {
    ClassDescription description = test::DefaultDescription();
    description.methods = std::move(methods);
    description.attributes = std::move(attributes);
    description.createTestObject = createTestObject;
    return description;
}

TEST(GenerateSource, SampleClassMatchesGoldenFile) {
    std::ifstream file(std::string(QUILLMOOR_TEST_DATA) + "/golden/test_klasse.pb",
                       std::ios::binary);
    ASSERT_TRUE(file.is_open());
    const std::string golden{std::istreambuf_iterator<char>(file), {}};
    // An earlier text leaves nothing behind in the next.
    GenerateSource(Sample({"Name.s()", "Run( )"}, {}));

    const std::string text = GenerateSource(Sample({"Test.l(a,b)"}, {"ID.l"}, true));
    ASSERT_EQ(WithLineFeeds(text), WithLineFeeds(golden));
    EXPECT_EQ(text, golden) << "a carriage return and a line feed changed places";
}

TEST(GenerateSource, LineCountsAndWholeLines) {
    struct NumberedLine {
        std::size_t number;  // from 1
        std::string text;
    };
    const std::string longName(100'000, 'n');
    const std::string methodName(100'000, 'm');
    const std::string parameters(100'000, 'p');
    // Descriptions in full name their fields in order: constructor head, class, structure,
    // method table label, methods, attributes, test object.
    const struct {
        const char* name;
        ClassDescription description;
        std::size_t lineCount;
        std::vector<NumberedLine> lines;
    } cases[] = {
        {"defaults",
         Sample({}, {}),
         54,
         {{7, "Interface TestKlasse"},
          {8, "EndInterface"},
          {15, "Structure TestStruktur"},
          {16, "   *Test_Methoden"},
          {17, "EndStructure"},
          {25, "Procedure New_TestKlasse()"},
          {47, "DataSection"},
          {48, "   Test_Methoden:"},
          {49, "EndDataSection"}}},
        {"the test object",
         Sample({}, {}, true),
         58,
         {{46, "*TestObject.TestKlasse = New_TestKlasse()"}, {47, ""}}},
        {"three methods",
         Sample({"Test.l(a,b)", "Name.s()", "Run( )"}, {}),
         84,
         {{10, "   Run( )"},
          {28, "Procedure.l Test(*This.TestStruktur,a,b)"},
          {36, "Procedure.s Name(*This.TestStruktur)"},
          {44, "Procedure.l Run(*This.TestStruktur )"},
          {76, "      Data.i @Test()"},
          {78, "      Data.i @Run()"},
          {79, "EndDataSection"}}},
        {"five attributes",
         Sample({}, {"A", "B", "C", "D", "E.l"}),
         59,
         {{16, "   *Test_Methoden"}, {21, "   E.l"}, {22, "EndStructure"}}},
        {"two methods, three attributes and the test object",
         Sample({"Test.l(a,b)", "Test.l(a,b)"}, {"ID.l", "ID.l", "ID.l"}, true),
         81,
         {}},
        {"entry without parenthesis",
         Sample({"Test.l"}, {}),
         64,
         {{26, "Procedure.l Test(*This.TestStruktur,"}, {58, "      Data.i @Test()"}}},
        {"entry with a leading space",
         Sample({" Test.l(a)"}, {}),
         64,
         {{26, "Procedure.l  Test(*This.TestStruktur,a)"}, {58, "      Data.i @ Test()"}}},
        {"empty names",
         {"", "", "", "", {"Run()"}, {}, true},
         68,
         {{2, "; Class        build with Quillmoor"},
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
          {62, "      Data.i @Run()"}}},
        {"entries and names of 100,000 bytes",
         {longName + "()",
          longName,
          longName,
          longName,
          {methodName + ".s(" + parameters + ")", std::string(100'000, '(')},
          {std::string(100'000, ' ')},
          false},
         75,
         {{28, "Procedure.s " + methodName + "(*This." + longName + "," + parameters + ")"},
          {36, "Procedure.l (*This." + longName + ","},
          {68, "      Data.i @" + methodName + "()"},
          {69, "      Data.i @()"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = GenerateSource(c.description);
        EXPECT_EQ(text.back(), '\r');
        EXPECT_EQ(text.find('\n'), std::string::npos);
        EXPECT_EQ(text.find('\t'), std::string::npos);
        const std::vector<std::string> lines = LinesOf(text);
        ASSERT_EQ(lines.size(), c.lineCount);
        for (const NumberedLine& line : c.lines) {
            EXPECT_EQ(lines[line.number - 1], line.text) << "line " << line.number;
        }
    }
}

TEST(GenerateSource, CarriesEveryByteValueThrough) {
    std::string everyByte(256, '\0');
    std::iota(everyByte.begin(), everyByte.end(), '\0');
    ClassDescription description = Sample({"\xC4rger.\xF6(x\xFF)"}, {everyByte});
    description.className = everyByte;

    const std::string text = GenerateSource(description);
    const std::string lines[] = {
        "; Class " + everyByte + "       build with Quillmoor\r", "\rInterface " + everyByte + "\r",
        "\r   " + everyByte + "\rEndStructure\r",
        "\rProcedure.\xF6 \xC4rger(*This.TestStruktur,x\xFF)\r", "\r      Data.i @\xC4rger()\r"};
    for (const std::string& line : lines) {
        EXPECT_NE(text.find(line), std::string::npos) << testing::PrintToString(line.substr(0, 12));
    }
}

}  // namespace
}  // namespace quillmoor
