#include "toolkit/core/readable_colours.h"

#include <algorithm>
#include <cmath>

namespace quillmoor::toolkit {

namespace {

// One sRGB channel, 0..255, as linear light.
double Linear(int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Colour colour) {
    return 0.2126 * Linear(colour & 0xFF) + 0.7152 * Linear((colour >> 8) & 0xFF) +
           0.0722 * Linear((colour >> 16) & 0xFF);
}

}  // namespace

double ContrastRatio(Colour first, Colour second) {
    const double one = RelativeLuminance(first);
    const double other = RelativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

GadgetColours ColoursToShow(GadgetColours set, Colour desktopText, bool highContrast) {
    if (highContrast) {
        return {};
    }
    if (set.text != kDefaultColour || set.background == kDefaultColour) {
        return set;
    }
    if (ContrastRatio(desktopText, set.background) >= kReadableContrast) {
        return {desktopText, set.background};
    }
    constexpr Colour kBlack = RGB(0, 0, 0);
    constexpr Colour kWhite = RGB(255, 255, 255);
    const bool blackReadsBetter =
        ContrastRatio(kBlack, set.background) >= ContrastRatio(kWhite, set.background);
    return {blackReadsBetter ? kBlack : kWhite, set.background};
}

}  // namespace quillmoor::toolkit
