#pragma once

// Which colours a gadget shows, given the ones the caller set and the desktop's. A caller that
// sets only a background cannot know the desktop's text colour: near-white text of a dark
// theme on a pale background is invisible. The text then comes from the desktop only where it
// stays readable. Readable means WCAG 2's level AA for normal text.

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

// A gadget's text and background colours; kDefaultColour leaves that one to the desktop.
struct GadgetColours {
    Colour text = kDefaultColour;
    Colour background = kDefaultColour;
    friend bool operator==(const GadgetColours&, const GadgetColours&) = default;
};

inline constexpr double kReadableContrast = 4.5;

// WCAG 2's contrast ratio of two colours, from 1 (the same) to 21 (black and white); the order
// of the two does not matter.
double ContrastRatio(Colour first, Colour second);

// Under high contrast the desktop's own pair, whatever the caller set. Otherwise what the
// caller set, except a default text over a set background: the desktop's text colour where it
// is readable there, else black or white, whichever is more so.
GadgetColours ColoursToShow(GadgetColours set, Colour desktopText, bool highContrast);

}  // namespace quillmoor::toolkit
