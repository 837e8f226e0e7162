// The class the main form opens with; the generator's cases start from it, and the form's
// suites expect the generator to receive it until the user changes a field.
#pragma once

#include "generator/class_description.h"

namespace quillmoor::test {

inline ClassDescription DefaultDescription() {
    return {"New_TestKlasse()", "TestKlasse", "TestStruktur", "Test_Methoden", {}, {}, false};
}

}  // namespace quillmoor::test
