#include "generator/method_entry_view.h"

#include <algorithm>
#include <cstddef>

namespace quillmoor {

namespace {

constexpr std::string_view kDefaultTypeSuffix = ".l";

// The byte right after the first "." is the type, even when that "." sits inside the parameter
// list. A second "." right behind the first, or no byte at all, leaves the default type.
std::string_view TypeSuffixOf(std::string_view entry) {
    const auto dot = std::find(entry.begin(), entry.end(), '.');
    const std::string_view suffix = entry.substr(static_cast<std::size_t>(dot - entry.begin()), 2);
    return suffix.size() == 2 && suffix[1] != '.' ? suffix : kDefaultTypeSuffix;
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
