// The styled widgets' text stays readable on their pale yellow whatever the desktop's colours,
// measured on the pixels drawn: on a light desktop, on a dark one, and on one that turns dark
// under the running form.

#include "toolkit/core/readable_colours.h"

#include <optional>

#include "tests/app/main_form_fixture.h"

namespace quillmoor::app::testing {
namespace {

enum class Desktop { Light, Dark, TurnsDark };

class ReadableColours : public MainFormTest, public ::testing::WithParamInterface<Desktop> {
protected:
    void BeforeBuild() override {
        if (GetParam() == Desktop::Dark) {
            dark_.emplace();
        }
    }

    std::optional<test::DarkDesktop> dark_;
};

TEST_P(ReadableColours, StyledTextIsReadableOnItsBackground) {
    if (GetParam() == Desktop::TurnsDark) {
        dark_.emplace();
    }
    tk::InsertGadgetItem(GadgetId::Methods, -1, "Test.l(a,b)");
    for (const auto& [gadget, page] : test::kColouredSamples) {
        SCOPED_TRACE("gadget " + std::to_string(gadget));
        ShowPage(page);
        const test::DrawnColours drawn = test::ColoursDrawn(gadget);
        EXPECT_EQ(drawn.background, tk::RGB(255, 255, 230));
        EXPECT_GE(tk::ContrastRatio(drawn.text, drawn.background), tk::kReadableContrast)
            << std::hex << "text " << drawn.text;
    }
}

constexpr const char* kDesktopNames[] = {"Light", "Dark", "TurnsDark"};

INSTANTIATE_TEST_SUITE_P(Desktops, ReadableColours,
                         ::testing::Values(Desktop::Light, Desktop::Dark, Desktop::TurnsDark),
                         [](const auto& info) {
                             return kDesktopNames[static_cast<int>(info.param)];
                         });

}  // namespace
}  // namespace quillmoor::app::testing
