#pragma once

// Random texts for the random user to type, each with the Windows-1252 bytes that the form must
// read back from it. Characters without a Windows-1252 form read back as one "?" each.

#include <random>
#include <string>

namespace quillmoor::random_user {

struct TypedText {
    std::u32string characters;  // what the user types
    std::string bytes;          // what the field then holds, as the toolkit reads it
};

enum class TextKind { Ascii, SpacesOnly, Windows1252Letters, OutsideWindows1252, Mixed };

// A short text of the kind, 1 to 12 characters, never empty.
TypedText RandomText(std::mt19937& random, TextKind kind);

// A text of exactly `length` characters, all of them in Windows-1252.
TypedText LongText(std::mt19937& random, int length);

}  // namespace quillmoor::random_user
