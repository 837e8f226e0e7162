#pragma once

// Each widget test starts the toolkit with one open window and ends it afterwards, so that no
// widget outlives its test.

#include <gtest/gtest.h>

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

class ToolkitTest : public ::testing::Test {
protected:
    static constexpr int kWindow = 0;

    void SetUp() override {
        ASSERT_TRUE(InitToolkit()) << LastFailure();
        ASSERT_NE(OpenFormWindow(kWindow, 20, 20, 400, 300, "Test", kDialogWindowFlags), 0)
            << LastFailure();
    }

    void TearDown() override { EndToolkit(); }
};

}  // namespace quillmoor::toolkit
