#include "toolkit/core/windows1252.h"

#include <gtest/gtest.h>

#include <numeric>

#include "toolkit/core/utf16_text.h"

namespace quillmoor::toolkit {
namespace {

struct Mapping {
    unsigned char byte;
    char32_t codePoint;
};

// The bytes whose code point differs from their value, and the edges around them.
constexpr Mapping kMappings[] = {
    {0x00, 0x0000}, {0x0D, 0x000D}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A},
    {0x83, 0x0192}, {0x8A, 0x0160}, {0x8C, 0x0152}, {0x8D, 0x008D}, {0x8E, 0x017D}, {0x8F, 0x008F},
    {0x90, 0x0090}, {0x91, 0x2018}, {0x96, 0x2013}, {0x99, 0x2122}, {0x9C, 0x0153}, {0x9D, 0x009D},
    {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE4, 0x00E4}, {0xF6, 0x00F6}, {0xFF, 0x00FF},
};

TEST(Windows1252, BytesMapToTheirCodePointsAndBack) {
    for (const Mapping& mapping : kMappings) {
        EXPECT_EQ(CodePointOfWindows1252(mapping.byte), mapping.codePoint) << int{mapping.byte};
        EXPECT_EQ(static_cast<unsigned char>(EncodeWindows1252(mapping.codePoint)), mapping.byte)
            << int{mapping.byte};
    }
}

TEST(Windows1252, EveryByteValueRoundTripsThroughUtf16) {
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    EXPECT_EQ(Utf16OfWindows1252(all).size(), all.size());
    EXPECT_EQ(Windows1252OfUtf16(Utf16OfWindows1252(all)), all);
}

TEST(Windows1252, CodePointsWithoutAFormBecomeOneQuestionMarkEach) {
    const struct {
        std::u16string input;
        std::string expected;
    } cases[] = {
        {u"\U0001F600", "?"},            // emoji: a surrogate pair, one character
        {u"a\u4E2Db", "a?b"},            // CJK
        {u"e\u0301", "e?"},              // combining acute accent
        {u"\u0080\u0082\u009F", "???"},  // C1 controls that Windows-1252 uses for other marks
        {u"\u0100\uFFFD\U0010FFFF", "???"},
        {u"\xD800x\xDC00", "?x?"},    // lone surrogates
        {u"\xDC00\xD800", "??"},      // a pair the wrong way round
        {u"x\xDBFF", "x?"},           // a high surrogate cut off at the end
        {u"\uFFFF\U00010000", "??"},  // either side of the 16-bit range
        {u"\u00F6\u20AC", "\xF6\x80"},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(Windows1252OfUtf16(testCase.input), testCase.expected);
    }
}

// An editor's text goes out with a lone CR ending each line and comes back the same way,
// whichever of the platforms' line ends it holds.
TEST(Windows1252, EditorLineEndsBecomeLoneCarriageReturns) {
    EXPECT_EQ(EditorUtf16OfWindows1252("a\rb\r\nc\nd\r\r\n"), u"a\rb\rc\rd\r\r");
    EXPECT_EQ(EditorWindows1252OfUtf16(u"a\r\nb\rc\nd\u2028e\u2029f\n\r"), "a\rb\rc\rd\re\rf\r\r");
    EXPECT_EQ(Windows1252OfUtf16(u"a\r\nb\u2029"), "a\r\nb?");
}

}  // namespace
}  // namespace quillmoor::toolkit
