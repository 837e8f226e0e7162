#include "tests/support/form_driver.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace quillmoor::toolkit {
namespace {

using FontsAndColours = ToolkitTest;

TEST_F(FontsAndColours, ColourIsSetAndResetOnTheKindsThatTakeIt) {
    ASSERT_NE(CreateTextGadget(1, 0, 0, 100, 20, "x", TextFieldFlags::Editable), 0);
    ASSERT_NE(CreateListGadget(2, 0, 30, 100, 50), 0);
    ASSERT_NE(CreateEditorGadget(3, 0, 90, 100, 50), 0);
    for (const int gadget : {1, 2, 3}) {
        SCOPED_TRACE("gadget " + std::to_string(gadget));
        const int background = test::BackgroundColour(gadget);
        const int text = test::TextColour(gadget);
        SetGadgetColour(gadget, ColourType::Background, RGB(255, 255, 230));
        SetGadgetColour(gadget, ColourType::Text, RGB(0, 0, 128));
        EXPECT_EQ(test::BackgroundColour(gadget), RGB(255, 255, 230));
        EXPECT_EQ(test::TextColour(gadget), RGB(0, 0, 128));
        SetGadgetColour(gadget, ColourType::Background, kDefaultColour);
        SetGadgetColour(gadget, ColourType::Text, kDefaultColour);
        EXPECT_EQ(test::BackgroundColour(gadget), background);
        EXPECT_EQ(test::TextColour(gadget), text);
    }
    // An editor keeps its text colour across a font change.
    SetGadgetColour(3, ColourType::Text, RGB(0, 0, 128));
    AssignGadgetFont(3, LoadNumberedFont(0, "Courier", 10));
    EXPECT_TRUE(test::FontIsFixedPitch(3));
    EXPECT_EQ(test::TextColour(3), RGB(0, 0, 128));
}

}  // namespace
}  // namespace quillmoor::toolkit
