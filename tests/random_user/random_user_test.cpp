// Thousands of random user actions on the real form and loop; after each, the form must hold
// exactly what the user's own model says, and every panel event must leave the generated text
// of that model in the editor. A failure names its seed; QUILLMOOR_SEED replays it.

#include "tests/random_user/random_user.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/gadget_ids.h"
#include "app/main_form.h"
#include "tests/support/form_driver.h"
#include "toolkit/toolkit.h"

namespace quillmoor::random_user {
namespace {

namespace tk = quillmoor::toolkit;

constexpr std::uint32_t kDefaultSeed = 20261208;
constexpr int kActions = QUILLMOOR_RANDOM_USER_ACTIONS;

std::uint32_t Seed() {
    const char* chosen = std::getenv("QUILLMOOR_SEED");
    return chosen == nullptr ? kDefaultSeed
                             : static_cast<std::uint32_t>(std::strtoul(chosen, nullptr, 10));
}

TEST(RandomUserTest, ThousandsOfRandomActionsKeepEveryEntryAndTheGeneratedText) {
    const std::uint32_t seed = Seed();
    ASSERT_TRUE(tk::InitToolkit()) << tk::LastFailure();
    ASSERT_TRUE(app::BuildMainForm()) << tk::LastFailure();
    ASSERT_TRUE(test::ActivateWindow(app::kMainWindow));

    RandomUser user(seed, kActions);
    for (int action = 0; action < kActions; ++action) {
        const std::string problem = user.Act();
        ASSERT_TRUE(problem.empty())
            << "action " << action << ": " << problem << "\nlatest actions:\n"
            << user.RecentActions() << "seed " << seed << "; replay with\n  QUILLMOOR_SEED=" << seed
            << " ctest -R RandomUserTest";
    }
    // Guards the test itself: most of its checks run on panel events.
    EXPECT_GT(user.PanelEventsChecked(), kActions / 10);
    tk::EndToolkit();
}

}  // namespace
}  // namespace quillmoor::random_user
