#pragma once

// Texts cross the toolkit as Windows-1252 bytes and reach a realisation as UTF-16, the form
// both Qt and Win32 work in. Every Windows-1252 character lies in the 16-bit range, so each
// byte becomes exactly one UTF-16 unit.

#include <string>
#include <string_view>

namespace quillmoor::toolkit {

std::u16string Utf16OfWindows1252(std::string_view bytes);
// A code point with no Windows-1252 form becomes one kUnrepresentable, a surrogate pair too.
std::string Windows1252OfUtf16(std::u16string_view text);

// Editor text: "\r", "\r\n" and "\n" each end one line, and reach the realisation as '\r'.
std::u16string EditorUtf16OfWindows1252(std::string_view bytes);
// "\r\n", '\r', '\n', U+2028 and U+2029 each end one line, and come back as a lone "\r".
std::string EditorWindows1252OfUtf16(std::u16string_view text);

}  // namespace quillmoor::toolkit
