#include "generator/class_description.h"

#include "generator/text_primitives.h"

namespace quillmoor {

namespace {

constexpr std::string_view kDefaultTypeLetter = "l";

}  // namespace

MethodParts SplitMethodEntry(std::string_view entry) {
    MethodParts parts;

    // The byte right after the first "." is the type, even when that "." sits inside the
    // parameter list.
    const std::string_view typeLetter = FirstCharacter(FieldAt(entry, '.', 2));
    parts.typeLetter = typeLetter.empty() ? kDefaultTypeLetter : typeLetter;

    std::string suffix = ".";
    suffix += parts.typeLetter;
    parts.procedureName = RemoveAll(FieldAt(entry, '(', 1), suffix);

    // An empty parameter list closes right behind "*This.<structure>"; anything else, including
    // the nothing of an entry without "(", is appended after a comma.
    const std::string_view parameters = FieldAt(entry, '(', 2);
    if (TrimSpaces(parameters) == ")") {
        parts.parameterTail = parameters;
    } else {
        parts.parameterTail.reserve(parameters.size() + 1);
        parts.parameterTail += ',';
        parts.parameterTail += parameters;
    }
    return parts;
}

}  // namespace quillmoor
