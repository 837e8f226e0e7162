#include "generator/method_entry_view.h"

namespace quillmoor {

namespace {

constexpr std::string_view kDefaultTypeSuffix = ".l";

// The byte right after the first "." is the type, even when that "." sits inside the parameter
// list. A second "." right behind the first, or no byte at all, leaves the default type.
std::string_view TypeSuffixOf(std::string_view entry) {
    const std::size_t dot = entry.find('.');
    if (dot == std::string_view::npos) {
        return kDefaultTypeSuffix;
    }
    const std::string_view suffix = entry.substr(dot, 2);
    return suffix.size() == 2 && suffix[1] != '.' ? suffix : kDefaultTypeSuffix;
}

}  // namespace

MethodEntryView ViewMethodEntry(std::string_view entry) {
    MethodEntryView view;
    view.typeSuffix = TypeSuffixOf(entry);
    view.nameField = FieldAt(entry, '(', 1);
    view.parameters = FieldAt(entry, '(', 2);
    // An empty parameter list closes right behind "*This.<structure>"; anything else, including
    // the nothing of an entry without "(", is appended after a comma.
    view.tailLead = TrimSpaces(view.parameters) == ")" ? "" : ",";
    return view;
}

}  // namespace quillmoor
