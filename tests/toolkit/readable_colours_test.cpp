#include "toolkit/core/readable_colours.h"

#include <gtest/gtest.h>

namespace quillmoor::toolkit {
namespace {

// Pairs whose ratios are known, the edges of the readable level among them; the grey 85 stands
// for a channel's dark half, where none of the others lie.
TEST(ContrastRatio, MatchesKnownPairsInEitherOrder) {
    const struct {
        Colour first;
        Colour second;
        double ratio;
    } pairs[] = {
        {RGB(0, 0, 0), RGB(255, 255, 255), 21.0},
        {RGB(255, 255, 230), RGB(255, 255, 230), 1.0},
        {RGB(118, 118, 118), RGB(255, 255, 255), 4.54},
        {RGB(119, 119, 119), RGB(255, 255, 255), 4.48},
        {RGB(255, 0, 0), RGB(255, 255, 255), 4.0},
        {RGB(0, 0, 255), RGB(255, 255, 255), 8.59},
        {RGB(238, 238, 236), RGB(255, 255, 230), 1.15},
        {RGB(85, 85, 85), RGB(255, 255, 255), 7.46},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.ratio);
        EXPECT_NEAR(ContrastRatio(pair.first, pair.second), pair.ratio, 0.005);
        EXPECT_DOUBLE_EQ(ContrastRatio(pair.second, pair.first),
                         ContrastRatio(pair.first, pair.second));
    }
}

}  // namespace
}  // namespace quillmoor::toolkit
