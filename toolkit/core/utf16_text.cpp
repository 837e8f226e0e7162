#include "toolkit/core/utf16_text.h"

#include "toolkit/core/windows1252.h"

namespace quillmoor::toolkit {

namespace {

constexpr char16_t kLineSeparator = 0x2028;
constexpr char16_t kParagraphSeparator = 0x2029;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// With editorLines, each line end (a "\r\n" pair counting as one) becomes a lone "\r".
std::string Encode(std::u16string_view text, bool editorLines) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char16_t unit = text[index];
        if (editorLines && (unit == u'\r' || unit == u'\n' || unit == kLineSeparator ||
                            unit == kParagraphSeparator)) {
            bytes.push_back('\r');
            if (unit == u'\r' && index + 1 < text.size() && text[index + 1] == u'\n') {
                ++index;
            }
        } else if (IsHighSurrogate(unit) && index + 1 < text.size() &&
                   IsLowSurrogate(text[index + 1])) {
            bytes.push_back(kUnrepresentable);
            ++index;
        } else {
            bytes.push_back(EncodeWindows1252(static_cast<char32_t>(unit)));
        }
    }
    return bytes;
}

}  // namespace

std::u16string Utf16OfWindows1252(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        text[index] =
            static_cast<char16_t>(CodePointOfWindows1252(static_cast<unsigned char>(bytes[index])));
    }
    return text;
}

std::string Windows1252OfUtf16(std::u16string_view text) {
    return Encode(text, false);
}

// Whole generated classes of megabytes come through here: one pass, sized up front.
std::u16string EditorUtf16OfWindows1252(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    std::size_t length = 0;
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        if (bytes[index] == '\r' || bytes[index] == '\n') {
            text[length++] = u'\r';
            if (bytes[index] == '\r' && index + 1 < bytes.size() && bytes[index + 1] == '\n') {
                ++index;
            }
        } else {
            text[length++] = static_cast<char16_t>(
                CodePointOfWindows1252(static_cast<unsigned char>(bytes[index])));
        }
    }
    text.resize(length);
    return text;
}

std::string EditorWindows1252OfUtf16(std::u16string_view text) {
    return Encode(text, true);
}

}  // namespace quillmoor::toolkit
