#include "tests/generator/text_diff.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>

namespace quillmoor::test {

namespace {

constexpr std::size_t kMostDifferencesShown = 20;

// Each line keeps its carriage return, so that a missing or doubled line end shows up.
std::vector<std::string_view> LinesWithEnds(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\r', start);
        const std::size_t length =
            end == std::string_view::npos ? text.size() - start : end - start + 1;
        lines.push_back(text.substr(start, length));
        start += length;
    }
    return lines;
}

std::string Visible(std::string_view text) {
    std::string shown = "\"";
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (character == '\r') {
            shown += "\\r";
        } else if (character == '\n') {
            shown += "\\n";
        } else if (character == '\t') {
            shown += "\\t";
        } else if (character == '"' || character == '\\') {
            shown += '\\';
            shown += character;
        } else if (byte < 32 || byte >= 127) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        } else {
            shown += character;
        }
    }
    return shown + "\"";
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::string_view line : LinesWithEnds(text)) {
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
    }
    return lines;
}

::testing::AssertionResult SameText(std::string_view expected, std::string_view actual) {
    if (expected == actual) {
        return ::testing::AssertionSuccess();
    }
    const std::vector<std::string_view> expectedLines = LinesWithEnds(expected);
    const std::vector<std::string_view> actualLines = LinesWithEnds(actual);
    auto failure = ::testing::AssertionFailure();
    failure << "texts differ: expected " << expectedLines.size() << " lines (" << expected.size()
            << " bytes), actual " << actualLines.size() << " lines (" << actual.size()
            << " bytes)\n";
    std::size_t shown = 0;
    const std::size_t lineCount = std::max(expectedLines.size(), actualLines.size());
    for (std::size_t index = 0; index < lineCount && shown < kMostDifferencesShown; ++index) {
        const bool inExpected = index < expectedLines.size();
        const bool inActual = index < actualLines.size();
        if (inExpected && inActual && expectedLines[index] == actualLines[index]) {
            continue;
        }
        ++shown;
        failure << "line " << index + 1 << ":\n  expected "
                << (inExpected ? Visible(expectedLines[index]) : "(no line)") << "\n  actual   "
                << (inActual ? Visible(actualLines[index]) : "(no line)") << "\n";
    }
    return failure;
}

}  // namespace quillmoor::test
