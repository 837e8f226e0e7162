#pragma once

// Texts cross the toolkit as Windows-1252 bytes; displays work in Unicode. The five bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 code points of
// the same value, so that every byte value survives a round trip.

#include <string>
#include <string_view>

namespace quillmoor::toolkit {

inline constexpr char kUnrepresentable = '?';

char32_t CodePointOfWindows1252(unsigned char byte);
std::u32string DecodeWindows1252(std::string_view bytes);

// A code point with no Windows-1252 form (emoji, CJK, combining marks, lone surrogates)
// becomes one kUnrepresentable.
char EncodeWindows1252(char32_t codePoint);

}  // namespace quillmoor::toolkit
