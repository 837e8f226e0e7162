#include "generator/text_primitives.h"

#include <algorithm>

namespace quillmoor {

std::string_view FieldAt(std::string_view text, char separator, std::size_t index) {
    if (index == 0) {
        return {};
    }
    auto start = text.begin();
    for (std::size_t field = 1; field < index; ++field) {
        start = std::find(start, text.end(), separator);
        if (start == text.end()) {
            return {};
        }
        ++start;
    }
    return {start, std::find(start, text.end(), separator)};
}

std::string_view FirstCharacter(std::string_view text) {
    return text.substr(0, 1);
}

std::string RemoveAll(std::string_view text, std::string_view pattern) {
    std::string result;
    result.reserve(text.size());
    ForEachPieceBetween(text, pattern, [&result](std::string_view piece) { result += piece; });
    return result;
}

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace quillmoor
