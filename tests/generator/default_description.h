// The class the main form opens with; the generator's cases start from it, and the form's
// suites expect the generator to receive it until the user changes a field.
#pragma once

#include "generator/class_description.h"

namespace quillmoor::test {

inline ClassDescription DefaultDescription() {
    ClassDescription description;
    description.constructorHead = "New_TestKlasse()";
    description.className = "TestKlasse";
    description.structureName = "TestStruktur";
    description.methodTableLabel = "Test_Methoden";
    return description;
}

}  // namespace quillmoor::test
