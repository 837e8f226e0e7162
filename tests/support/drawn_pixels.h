#pragma once

// How either form driver reads a gadget's colours off the pixels it drew.

#include <algorithm>
#include <map>
#include <span>

#include "tests/support/form_driver.h"
#include "toolkit/core/readable_colours.h"

namespace quillmoor::test {

// A tie goes to the lower colour number; where nothing contrasts, the text takes the background.
inline DrawnColours ColoursOfPixels(std::span<const int> pixels) {
    std::map<int, int> counts;
    for (const int pixel : pixels) {
        ++counts[pixel];
    }
    if (counts.empty()) {
        return {toolkit::kDefaultColour, toolkit::kDefaultColour};
    }
    const int background =
        std::ranges::max_element(counts, {}, &std::pair<const int, int>::second)->first;
    const auto contrast = [background](const auto& entry) {
        return toolkit::ContrastRatio(entry.first, background);
    };
    const auto text = std::ranges::max_element(counts, {}, contrast);
    return {background, contrast(*text) > 1 ? text->first : background};
}

}  // namespace quillmoor::test
