#pragma once

// How either form driver reads a gadget's colours off the pixels it drew.

#include <map>
#include <span>

#include "tests/support/form_driver.h"
#include "toolkit/core/readable_colours.h"

namespace quillmoor::test {

inline DrawnColours ColoursOfPixels(std::span<const int> pixels) {
    std::map<int, int> counts;
    for (const int pixel : pixels) {
        ++counts[pixel];
    }
    DrawnColours drawn{toolkit::kDefaultColour, toolkit::kDefaultColour};
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            most = count;
            drawn.background = colour;
        }
    }
    drawn.text = drawn.background;
    for (const auto& [colour, count] : counts) {
        if (toolkit::ContrastRatio(colour, drawn.background) >
            toolkit::ContrastRatio(drawn.text, drawn.background)) {
            drawn.text = colour;
        }
    }
    return drawn;
}

}  // namespace quillmoor::test
