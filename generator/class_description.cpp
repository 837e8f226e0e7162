#include "generator/class_description.h"

#include "generator/method_entry_view.h"

namespace quillmoor {

MethodParts SplitMethodEntry(std::string_view entry) {
    const MethodEntryView view = ViewMethodEntry(entry);
    MethodParts parts;
    parts.typeLetter = view.TypeLetter();
    parts.procedureName = RemoveAll(view.procedureName.nameField, view.procedureName.typeSuffix);
    parts.parameterTail.reserve(view.tailLead.size() + view.parameters.size());
    parts.parameterTail += view.tailLead;
    parts.parameterTail += view.parameters;
    return parts;
}

}  // namespace quillmoor
