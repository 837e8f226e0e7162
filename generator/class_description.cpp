#include "generator/class_description.h"

namespace quillmoor {

namespace {

// Spaces only (byte 32): tabs and other white space stay.
std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

MethodParts SplitMethodEntry(std::string_view entry) {
    MethodParts parts;
    // The byte right after the first "." is the type, even when that "." sits inside the
    // parameter list. A second "." right behind the first, or no byte at all, leaves the default.
    const std::size_t dot = entry.find('.');
    const bool typed =
        dot != std::string_view::npos && dot + 1 < entry.size() && entry[dot + 1] != '.';
    const char type = typed ? entry[dot + 1] : 'l';
    parts.typeLetter = type;

    const std::size_t open = entry.find('(');
    const char suffixBytes[] = {'.', type};
    const std::string_view suffix(suffixBytes, sizeof suffixBytes);
    std::string_view name = entry.substr(0, open);
    for (std::size_t match = name.find(suffix); match != std::string_view::npos;
         match = name.find(suffix)) {
        parts.procedureName += name.substr(0, match);
        name.remove_prefix(match + suffix.size());
    }
    parts.procedureName += name;

    // The text between the first and the second "(". An empty parameter list closes right behind
    // "*This.<structure>"; anything else, including the nothing of an entry without "(", is
    // appended after a comma.
    std::string_view parameters;
    if (open != std::string_view::npos) {
        parameters = entry.substr(open + 1);
        parameters = parameters.substr(0, parameters.find('('));
    }
    if (TrimSpaces(parameters) != ")") {
        parts.parameterTail += ',';
    }
    parts.parameterTail += parameters;
    return parts;
}

}  // namespace quillmoor
