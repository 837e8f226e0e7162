#include "tests/random_user/typed_text.h"

#include <array>
#include <vector>

namespace quillmoor::random_user {
namespace {

struct Character {
    char32_t codePoint;
    char byte;
};

// Letters and signs beyond ASCII that Windows-1252 holds, some of them at places where
// Latin-1 has control codes.
constexpr std::array<Character, 14> kWindows1252Letters = {{
    {U'\u00E4', '\xE4'},
    {U'\u00F6', '\xF6'},
    {U'\u00FC', '\xFC'},
    {U'\u00DF', '\xDF'},
    {U'\u00C4', '\xC4'},
    {U'\u00D6', '\xD6'},
    {U'\u00DC', '\xDC'},
    {U'\u00E9', '\xE9'},
    {U'\u20AC', '\x80'},
    {U'\u0152', '\x8C'},
    {U'\u0153', '\x9C'},
    {U'\u0160', '\x8A'},
    {U'\u2026', '\x85'},
    {U'\u201C', '\x93'},
}};

// Cyrillic, CJK, a symbol, a combining accent, a letter just past Latin-1, and an emoji
// beyond the 16-bit range.
constexpr std::array<char32_t, 6> kOutsideWindows1252 = {U'\u0416', U'\u4E2D', U'\u2603',
                                                         U'\u0301', U'\u0100', U'\U0001F600'};

// Method entries are made of these more than of anything else.
constexpr std::string_view kEntrySigns = "().,ls ";

Character RandomAscii(std::mt19937& random) {
    if (std::uniform_int_distribution<int>(0, 2)(random) == 0) {
        const char sign = kEntrySigns[std::uniform_int_distribution<std::size_t>(
            0, kEntrySigns.size() - 1)(random)];
        return {static_cast<char32_t>(sign), sign};
    }
    const char printable =
        static_cast<char>(std::uniform_int_distribution<int>(0x20, 0x7E)(random));
    return {static_cast<char32_t>(printable), printable};
}

template <typename Container>
const auto& Pick(std::mt19937& random, const Container& container) {
    return container[std::uniform_int_distribution<std::size_t>(0, container.size() - 1)(random)];
}

void Append(TypedText& text, char32_t codePoint, char byte) {
    text.characters.push_back(codePoint);
    text.bytes.push_back(byte);
}

void AppendOneOf(std::mt19937& random, TextKind kind, TypedText& text) {
    switch (kind) {
        case TextKind::Ascii: {
            const Character character = RandomAscii(random);
            Append(text, character.codePoint, character.byte);
            break;
        }
        case TextKind::SpacesOnly:
            Append(text, U' ', ' ');
            break;
        case TextKind::Windows1252Letters: {
            const Character& character = Pick(random, kWindows1252Letters);
            Append(text, character.codePoint, character.byte);
            break;
        }
        case TextKind::OutsideWindows1252:
            Append(text, Pick(random, kOutsideWindows1252), '?');
            break;
        case TextKind::Mixed: {
            constexpr std::array<TextKind, 4> kKinds = {TextKind::Ascii, TextKind::SpacesOnly,
                                                        TextKind::Windows1252Letters,
                                                        TextKind::OutsideWindows1252};
            AppendOneOf(random, Pick(random, kKinds), text);
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
    text.characters.reserve(length);
    text.bytes.reserve(static_cast<std::size_t>(length));
    for (int index = 0; index < length; ++index) {
        AppendOneOf(random, index % 16 == 0 ? TextKind::Windows1252Letters : TextKind::Ascii, text);
    }
    return text;
}

}  // namespace quillmoor::random_user
