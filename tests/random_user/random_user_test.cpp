// Thousands of random user actions on the real form and loop; after each, the form must hold
// exactly what the user's own model says, and every panel event must leave the generated text
// of that model in the editor. A failure names its seed; QUILLMOOR_SEED replays it.

#include "tests/random_user/random_user.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/app/main_form_fixture.h"

namespace quillmoor::random_user {
namespace {

constexpr std::uint32_t kDefaultSeed = 20261208;
constexpr int kActions = QUILLMOOR_RANDOM_USER_ACTIONS;

std::uint32_t Seed() {
    const char* chosen = std::getenv("QUILLMOOR_SEED");
    return chosen == nullptr ? kDefaultSeed
                             : static_cast<std::uint32_t>(std::strtoul(chosen, nullptr, 10));
}

using RandomUserTest = app::testing::MainFormTest;

TEST_F(RandomUserTest, ThousandsOfRandomActionsKeepEveryEntryAndTheGeneratedText) {
    const std::uint32_t seed = Seed();
    RandomUser user(seed, kActions);
    for (int action = 0; action < kActions; ++action) {
        const std::string problem = user.Act();
        ASSERT_TRUE(problem.empty())
            << "action " << action << ": " << problem << "\nlatest actions:\n"
            << user.RecentActions() << "seed " << seed << "; replay with\n  QUILLMOOR_SEED=" << seed
            << " ctest -R RandomUserTest";
    }
    // Guards the test itself: most of its checks run on panel events, and a seed that never
    // pastes a long text leaves the longest entries untried.
    EXPECT_GT(user.PanelEventsChecked(), kActions / 10);
    EXPECT_GT(user.LongTextsTyped(), 0);
}

}  // namespace
}  // namespace quillmoor::random_user
