#pragma once

// The main form as the program builds it, for tests that read its native windows back.

#include <gtest/gtest.h>

#include "app/gadget_ids.h"
#include "app/main_form.h"
#include "toolkit/core/running_core.h"
#include "toolkit/win32/window_text.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

inline HWND NativeOf(int gadget) {
    return reinterpret_cast<HWND>(RunningCore()->GadgetNative(gadget));
}

inline HWND MainWindow() {
    return reinterpret_cast<HWND>(WindowHandle(app::kMainWindow));
}

class Win32FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(InitToolkit()) << LastFailure();
        ASSERT_TRUE(app::BuildMainForm()) << LastFailure();
    }
    void TearDown() override { EndToolkit(); }
};

}  // namespace quillmoor::toolkit::win32
