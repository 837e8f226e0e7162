// Feeds random class descriptions to the source generator and checks what must hold for every
// input: no crash, no line feed of its own, the fixed line count, and procedure and method-table
// lines exactly as the method-entry rule gives them. The rule is written out again here, the
// plain way, so that a fault in the generator's own helpers cannot hide behind itself.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "generator/class_description.h"
#include "generator/source_generator.h"

namespace {

using quillmoor::ClassDescription;

constexpr std::size_t kMaxTextLength = 48;
constexpr int kMaxEntries = 12;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "generator_fuzz: %s\n", what);
        std::abort();
    }
}

struct ExpectedMethod {
    std::string typeLetter;
    std::string procedureName;
    std::string parameterTail;
};

ExpectedMethod ExpectedSplit(const std::string& entry) {
    ExpectedMethod expected;

    const auto dot = entry.find('.');
    const bool typed = dot != std::string::npos && dot + 1 < entry.size() && entry[dot + 1] != '.';
    expected.typeLetter = typed ? std::string(1, entry[dot + 1]) : "l";

    const auto open = entry.find('(');
    const std::string head = entry.substr(0, open);
    const std::string suffix = "." + expected.typeLetter;
    for (std::size_t i = 0; i < head.size();) {
        if (head.compare(i, suffix.size(), suffix) == 0) {
            i += suffix.size();
        } else {
            expected.procedureName += head[i++];
        }
    }

    std::string field;
    if (open != std::string::npos) {
        const auto next = entry.find('(', open + 1);
        field = next == std::string::npos ? entry.substr(open + 1)
                                          : entry.substr(open + 1, next - open - 1);
    }
    // Only spaces around a lone ")" leave the field as it is.
    std::string bare = field;
    std::erase(bare, ' ');
    expected.parameterTail = bare == ")" ? field : "," + field;
    return expected;
}

ClassDescription DescriptionFrom(FuzzedDataProvider& input) {
    ClassDescription description;
    description.createTestObject = input.ConsumeBool();
    description.constructorHead = input.ConsumeRandomLengthString(kMaxTextLength);
    description.className = input.ConsumeRandomLengthString(kMaxTextLength);
    description.structureName = input.ConsumeRandomLengthString(kMaxTextLength);
    description.methodTableLabel = input.ConsumeRandomLengthString(kMaxTextLength);
    for (auto* entries : {&description.methods, &description.attributes}) {
        const int count = input.ConsumeIntegralInRange(0, kMaxEntries);
        for (int i = 0; i < count; ++i) {
            entries->push_back(input.ConsumeRandomLengthString(kMaxTextLength));
        }
    }
    return description;
}

bool AnyTextHolds(const ClassDescription& description, char byte) {
    std::string all = description.constructorHead + description.className +
                      description.structureName + description.methodTableLabel;
    for (const auto& entry : description.methods) {
        all += entry;
    }
    for (const auto& entry : description.attributes) {
        all += entry;
    }
    return all.find(byte) != std::string::npos;
}

// The text split at its carriage returns; every line, the last included, ends with one.
std::vector<std::string> LinesOf(const std::string& source) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = source.find('\r'); end != std::string::npos; end = source.find('\r', start)) {
        lines.push_back(source.substr(start, end - start));
        start = end + 1;
    }
    Require(start == source.size(), "the text does not end with a carriage return");
    return lines;
}

void CheckLines(const ClassDescription& description, const std::string& source) {
    const auto lines = LinesOf(source);
    const std::size_t methods = description.methods.size();
    const std::size_t attributes = description.attributes.size();
    Require(lines.size() == 54 + 10 * methods + attributes + (description.createTestObject ? 4 : 0),
            "wrong line count");

    // The procedure blocks follow the 24 fixed lines of the header, the interface and the
    // structure; the method table stands just before the six closing lines.
    const std::size_t firstProcedure = 24 + methods + attributes;
    const std::size_t firstTableLine = lines.size() - 6 - methods;
    for (std::size_t i = 0; i < methods; ++i) {
        const auto expected = ExpectedSplit(description.methods[i]);
        Require(lines[firstProcedure + 8 * i] ==
                    "Procedure." + expected.typeLetter + " " + expected.procedureName + "(*This." +
                        description.structureName + expected.parameterTail,
                "wrong procedure line");
        Require(lines[firstTableLine + i] == "      Data.i @" + expected.procedureName + "()",
                "wrong method-table line");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const ClassDescription description = DescriptionFrom(input);

    for (const auto& entry : description.methods) {
        const auto parts = quillmoor::SplitMethodEntry(entry);
        const auto expected = ExpectedSplit(entry);
        Require(parts.typeLetter == expected.typeLetter, "wrong type letter");
        Require(parts.procedureName == expected.procedureName, "wrong procedure name");
        Require(parts.parameterTail == expected.parameterTail, "wrong parameter tail");
    }

    const std::string source = quillmoor::GenerateSource(description);
    Require(source == quillmoor::GenerateSource(description), "the same input gave another text");
    if (!AnyTextHolds(description, '\n')) {
        Require(source.find('\n') == std::string::npos, "a line feed was added");
    }
    if (!AnyTextHolds(description, '\r')) {
        CheckLines(description, source);
    }
    return 0;
}
