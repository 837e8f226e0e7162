// Turns a ClassDescription into the complete PureBasic source of one emulated class.
#pragma once

#include <string>

#include "generator/class_description.h"

namespace quillmoor {

// A pure function: the same description always yields the same text, and nothing else is
// touched. Every line, the last included, ends with a carriage return alone; no line feed is
// written. Entries and names are copied byte for byte. The returned text is the caller's.
std::string GenerateSource(const ClassDescription& description);

}  // namespace quillmoor
