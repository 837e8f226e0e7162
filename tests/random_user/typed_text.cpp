#include "tests/random_user/typed_text.h"

#include <array>
#include <string_view>

namespace quillmoor::random_user {
namespace {

// Letters and signs beyond ASCII that Windows-1252 holds, each beside its byte, many of them at
// places where Latin-1 has control codes: the first and the last of those places among them.
constexpr std::u32string_view kWindows1252Letters =
    U"\u00E4\u00F6\u00FC\u00DF\u00C4\u00D6\u00DC"
    U"\u00E9\u20AC\u0152\u0153\u0160\u2026\u201C"
    U"\u0178";
constexpr std::string_view kWindows1252Bytes =
    "\xE4\xF6\xFC\xDF\xC4\xD6\xDC\xE9\x80\x8C\x9C\x8A"
    "\x85\x93\x9F";
static_assert(kWindows1252Letters.size() == kWindows1252Bytes.size());

// Cyrillic, CJK, a symbol, a combining accent, a letter just past Latin-1, and an emoji
// beyond the 16-bit range.
constexpr std::u32string_view kOutsideWindows1252 = U"\u0416\u4E2D\u2603\u0301\u0100\U0001F600";

// Method entries are made of these more than of anything else.
constexpr std::string_view kEntrySigns = "().,ls ";

std::size_t Index(std::mt19937& random, std::size_t size) {
    return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
}

void Append(TypedText& text, char32_t codePoint, char byte) {
    text.characters.push_back(codePoint);
    text.bytes.push_back(byte);
}

void AppendOneOf(std::mt19937& random, TextKind kind, TypedText& text) {
    switch (kind) {
        case TextKind::Ascii: {
            const char ascii =
                std::uniform_int_distribution<int>(0, 2)(random) == 0
                    ? kEntrySigns[Index(random, kEntrySigns.size())]
                    : static_cast<char>(std::uniform_int_distribution<int>(0x20, 0x7E)(random));
            Append(text, static_cast<char32_t>(ascii), ascii);
            break;
        }
        case TextKind::SpacesOnly:
            Append(text, U' ', ' ');
            break;
        case TextKind::Windows1252Letters: {
            const std::size_t letter = Index(random, kWindows1252Letters.size());
            Append(text, kWindows1252Letters[letter], kWindows1252Bytes[letter]);
            break;
        }
        case TextKind::OutsideWindows1252:
            Append(text, kOutsideWindows1252[Index(random, kOutsideWindows1252.size())], '?');
            break;
        case TextKind::Mixed: {
            constexpr std::array<TextKind, 4> kKinds = {TextKind::Ascii, TextKind::SpacesOnly,
                                                        TextKind::Windows1252Letters,
                                                        TextKind::OutsideWindows1252};
            AppendOneOf(random, kKinds[Index(random, kKinds.size())], text);
            break;
        }
    }
}

}  // namespace

TypedText RandomText(std::mt19937& random, TextKind kind) {
    TypedText text;
    const int length = std::uniform_int_distribution<int>(1, 12)(random);
    for (int index = 0; index < length; ++index) {
        AppendOneOf(random, kind, text);
    }
    return text;
}

TypedText LongText(std::mt19937& random, int length) {
    TypedText text;
    for (int index = 0; index < length; ++index) {
        AppendOneOf(random, index % 16 == 0 ? TextKind::Windows1252Letters : TextKind::Ascii, text);
    }
    return text;
}

}  // namespace quillmoor::random_user
