// Windows' high contrast, which Wine cannot switch on: this program links its own reading of the
// setting in place of the toolkit's, and sends the form what Windows sends when it changes.

#include "tests/support/form_driver.h"
#include "tests/support/main_form_driver.h"
#include "tests/win32/win32_form_fixture.h"
#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {

namespace {

bool highContrast = false;

}  // namespace

bool HighContrastOn() {
    return highContrast;
}

namespace {

using app::GadgetId;

class HighContrastWin32 : public Win32FormTest {
protected:
    void TearDown() override {
        highContrast = false;
        Win32FormTest::TearDown();
    }

    static void Switch(bool on) {
        highContrast = on;
        SendMessageW(MainWindow(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    }
};

// While it is on, the styled widgets show the system's pair in place of the program's pale
// yellow; once it is off, the program's colours come back.
TEST_F(HighContrastWin32, StyledWidgetsShowTheSystemPairWhileItIsOn) {
    const test::DarkDesktop dark;
    InsertGadgetItem(GadgetId::Methods, -1, "Test.l(a,b)");
    WriteGadgetText(GadgetId::Output, "Interface TestKlasse");
    for (const bool on : {true, false}) {
        Switch(on);
        for (const auto& [gadget, page] : test::kColouredSamples) {
            SCOPED_TRACE(std::to_string(gadget) + (on ? " on" : " off"));
            test::ClickPage(page);
            const test::DrawnColours drawn = test::ColoursDrawn(gadget);
            EXPECT_EQ(drawn.background,
                      static_cast<int>(on ? GetSysColor(COLOR_WINDOW) : RGB(255, 255, 230)));
            EXPECT_EQ(drawn.text, static_cast<int>(on ? GetSysColor(COLOR_WINDOWTEXT) : 0))
                << std::hex << drawn.text;
        }
    }
}

}  // namespace
}  // namespace quillmoor::toolkit::win32
