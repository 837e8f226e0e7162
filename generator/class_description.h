// Everything the source generator needs to write one class, and the rule that takes a method
// signature apart. All texts are 8-bit Windows-1252 byte strings used exactly as typed: no
// trimming, no validation, every byte value (NUL included) kept.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillmoor {

// Filled afresh from the form for every generation and owned by whoever fills it.
struct ClassDescription {
    std::string constructorHead;  // whole head, parentheses included: "New_TestKlasse()"
    std::string className;
    std::string structureName;
    std::string methodTableLabel;
    std::vector<std::string> methods;     // signatures such as "Test.l(a,b)", in list order
    std::vector<std::string> attributes;  // field declarations such as "ID.l", in list order
    bool createTestObject = false;
};

// The three pieces of a method entry that its procedure line and method-table line are built
// from. Owns its texts.
struct MethodParts {
    std::string typeLetter;     // one byte; "l" when the entry names no type
    std::string procedureName;  // text before the first "(", every "." + typeLetter removed
    std::string parameterTail;  // what follows "(*This.<structure>" on the procedure line
};

// Takes any entry apart, however malformed; the result is defined for every input.
MethodParts SplitMethodEntry(std::string_view entry);

}  // namespace quillmoor
