// The rule that takes a method entry apart, without copying: the generator writes the pieces
// straight into its text, and SplitMethodEntry builds its owned MethodParts from the same pieces,
// so that the procedure line and the method-table line can never disagree with it.
#pragma once

#include <string_view>

#include "generator/text_primitives.h"

namespace quillmoor {

// Every view points into the entry passed to ViewMethodEntry or at constant text; the caller keeps
// the entry alive.
struct MethodEntryView {
    std::string_view typeSuffix;  // "." + type letter; ".l" when the entry names no type
    std::string_view nameField;   // text before the first "("; the procedure name once every
                                  // typeSuffix is dropped from it
    std::string_view tailLead;    // "," or nothing; the parameter tail is tailLead + parameters
    std::string_view parameters;  // text between the first and the second "("

    std::string_view TypeLetter() const { return typeSuffix.substr(1); }

    // Hands the procedure name to `consume` in pieces, without building it.
    template <typename Consume>
    void ForEachProcedureNamePiece(Consume&& consume) const {
        ForEachPieceBetween(nameField, typeSuffix, consume);
    }
};

// Takes any entry apart, however malformed; the result is defined for every input.
MethodEntryView ViewMethodEntry(std::string_view entry);

}  // namespace quillmoor
