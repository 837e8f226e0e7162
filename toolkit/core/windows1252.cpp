#include "toolkit/core/windows1252.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace quillmoor::toolkit {

namespace {

// Bytes 0x80..0x9F; the others equal their code point.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr unsigned char kRangeStart = 0x80;
constexpr unsigned char kRangeEnd = 0x9F;

}  // namespace

char32_t CodePointOfWindows1252(unsigned char byte) {
    if (byte >= kRangeStart && byte <= kRangeEnd) {
        return kHighControlRange[byte - kRangeStart];
    }
    return byte;
}

std::u32string DecodeWindows1252(std::string_view bytes) {
    std::u32string codePoints;
    codePoints.reserve(bytes.size());
    for (const char byte : bytes) {
        codePoints.push_back(CodePointOfWindows1252(static_cast<unsigned char>(byte)));
    }
    return codePoints;
}

char EncodeWindows1252(char32_t codePoint) {
    if (codePoint <= 0xFF && (codePoint < kRangeStart || codePoint > kRangeEnd)) {
        return static_cast<char>(codePoint);
    }
    const auto found = std::find(kHighControlRange.begin(), kHighControlRange.end(), codePoint);
    if (found == kHighControlRange.end()) {
        return kUnrepresentable;
    }
    return static_cast<char>(kRangeStart + std::distance(kHighControlRange.begin(), found));
}

}  // namespace quillmoor::toolkit
