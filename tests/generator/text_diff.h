// Comparing generated texts whose lines end in a carriage return, with failure messages that
// show where they differ and make every control byte visible.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillmoor::test {

// The lines of `text`, each without its closing carriage return. A trailing piece without one is
// returned as a last line too, so that a missing line end never hides text.
std::vector<std::string> SplitLines(std::string_view text);

// Succeeds when both texts are equal byte for byte; otherwise lists the differing lines with
// their 1-based numbers, expected beside actual, line ends and control bytes escaped.
::testing::AssertionResult SameText(std::string_view expected, std::string_view actual);

}  // namespace quillmoor::test
