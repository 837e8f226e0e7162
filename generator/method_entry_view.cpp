#include "generator/method_entry_view.h"

namespace quillmoor {

namespace {

constexpr std::string_view kDefaultTypeSuffix = ".l";

// The byte right after the first "." is the type, even when that "." sits inside the parameter
// list. A second "." right behind the first, or no byte at all, leaves the default type.
std::string_view TypeSuffixOf(std::string_view entry) {
    const std::string_view letter = FirstCharacter(FieldAt(entry, '.', 2));
    if (letter.empty()) {
        return kDefaultTypeSuffix;
    }
    // Field 2 begins right behind the first ".", so the dot and the letter stand together.
    return std::string_view(letter.data() - 1, 2);
}

}  // namespace

ProcedureNameView ViewProcedureName(std::string_view entry) {
    return {TypeSuffixOf(entry), FieldAt(entry, '(', 1)};
}

MethodEntryView ViewMethodEntry(std::string_view entry) {
    MethodEntryView view;
    view.procedureName = ViewProcedureName(entry);
    // Field 2 of what follows the name, which starts at the first "(" if there is one.
    view.parameters = FieldAt(entry.substr(view.procedureName.nameField.size()), '(', 2);
    // An empty parameter list closes right behind "*This.<structure>"; anything else, including
    // the nothing of an entry without "(", is appended after a comma.
    view.tailLead = TrimSpaces(view.parameters) == ")" ? "" : ",";
    return view;
}

}  // namespace quillmoor
