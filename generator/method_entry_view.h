// The rule that takes a method entry apart, without copying: the generator writes the pieces
// straight into its text, and SplitMethodEntry builds its owned MethodParts from the same pieces,
// so that the procedure line and the method-table line can never disagree with it.
#pragma once

#include <string_view>

#include "generator/text_primitives.h"

namespace quillmoor {

// Every view below points into the entry it was taken from or at constant text; the caller keeps
// the entry alive.

// The procedure name of an entry, kept as the text it is cut from.
struct ProcedureNameView {
    std::string_view typeSuffix;  // "." + type letter; ".l" when the entry names no type
    std::string_view nameField;   // text before the first "("

    // Hands the name, which is nameField with every typeSuffix dropped, to `consume` in pieces.
    template <typename Consume>
    void ForEachPiece(Consume&& consume) const {
        ForEachPieceBetween(nameField, typeSuffix, consume);
    }
};

struct MethodEntryView {
    ProcedureNameView procedureName;
    std::string_view tailLead;    // "," or nothing; the parameter tail is tailLead + parameters
    std::string_view parameters;  // text between the first and the second "("

    std::string_view TypeLetter() const { return procedureName.typeSuffix.substr(1); }
};

// Both take any entry apart, however malformed; the result is defined for every input. The
// second is the first plus the parameter tail.
ProcedureNameView ViewProcedureName(std::string_view entry);
MethodEntryView ViewMethodEntry(std::string_view entry);

}  // namespace quillmoor
