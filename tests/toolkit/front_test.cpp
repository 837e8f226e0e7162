// The calls of toolkit.h through the front, linked with the core and the fake platform instead
// of a realisation: what the front itself decides, the toolkit's lifetime above all.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/toolkit/fake_platform.h"
#include "toolkit/core/running_core.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

namespace {

// The reason the next start fails with; empty: it starts the fake.
std::string refusal;
FakePlatform* started = nullptr;

}  // namespace

std::unique_ptr<Platform> StartPlatform(Happenings&, std::string& failure) {
    if (!refusal.empty()) {
        failure = refusal;
        return nullptr;
    }
    auto platform = std::make_unique<FakePlatform>();
    started = platform.get();
    return platform;
}

namespace {

constexpr int kWindow = 0;
constexpr int kField = 1;

class ToolkitFront : public ::testing::Test {
protected:
    void TearDown() override {
        EndToolkit();
        refusal.clear();
    }
};

TEST_F(ToolkitFront, OutsideTheLifetimeCallsDoNothingAndReturnNoneValues) {
    struct Moment {
        const char* name;
        std::function<void()> reach;
        std::string failure;  // what LastFailure() says after a refused OpenFormWindow()
    };
    const Moment moments[] = {
        {"before the start", [] {}, "the toolkit is not running"},
        {"after a failed start",
         [] {
             refusal = "no display";
             EXPECT_FALSE(InitToolkit());
         },
         "no display"},
        {"after the end",
         [] {
             refusal.clear();
             ASSERT_TRUE(InitToolkit());
             ASSERT_NE(OpenFormWindow(kWindow, 0, 0, 200, 100, "Fenster", kDialogWindowFlags), 0);
             EndToolkit();
         },
         "the toolkit is not running"},
    };
    for (const Moment& moment : moments) {
        SCOPED_TRACE(moment.name);
        moment.reach();
        EXPECT_EQ(RunningCore(), nullptr);
        EXPECT_EQ(OpenFormWindow(kWindow, 0, 0, 200, 100, "Fenster", kDialogWindowFlags), 0);
        EXPECT_EQ(LastFailure(), moment.failure);
        EXPECT_EQ(CreateTextGadget(kField, 0, 0, 10, 10, "x", TextFieldFlags::Editable), 0);
        EXPECT_EQ(ReadGadgetText(kField), "");
        EXPECT_EQ(ReadGadgetState(kField), 0);
        EXPECT_EQ(LoadNumberedFont(0, "Courier", 10), 0);
        EXPECT_EQ(AskUser("Frage", "Wirklich?", AskFlags::YesNo), Answer::NotShown);
        EXPECT_EQ(WaitForEvent(), EventKind::None);
        EXPECT_EQ(EventGadgetId(), 0);
        EXPECT_EQ(FocusedGadget(), -1);
        EXPECT_EQ(EventSubtype(), GadgetEventType::None);
        EXPECT_EQ(EventWindow(), -1);
    }
}

TEST_F(ToolkitFront, TheContractRunsOnTheCoreOverTheStartedPlatform) {
    DescribeProgram("Quillmoor", "quillmoor/icon");
    ASSERT_TRUE(InitToolkit()) << LastFailure();
    EXPECT_EQ(started->program, "Quillmoor");
    const Handle window = OpenFormWindow(kWindow, 0, 0, 200, 100, "Fenster", kDialogWindowFlags);
    ASSERT_NE(window, 0);
    ASSERT_NE(CreateTextGadget(kField, 10, 10, 100, 20, "", TextFieldFlags::Editable), 0);

    WriteGadgetText(kField, "K\xF6ln");
    EXPECT_EQ(started->texts.at(RunningCore()->GadgetNative(kField)), u"K\u00F6ln");
    EXPECT_EQ(ReadGadgetText(kField), "K\xF6ln");

    EXPECT_EQ(EventWindow(), -1);
    RunningCore()->InputArrived();
    RunningCore()->CloseRequested(static_cast<NativeId>(window));
    EXPECT_EQ(PollEvent(), EventKind::Close);
    EXPECT_EQ(EventWindow(), kWindow);
    EXPECT_EQ(EventSubtype(), GadgetEventType::None);
    EXPECT_EQ(PollEvent(), EventKind::None);
    EXPECT_EQ(EventWindow(), -1);
}

}  // namespace
}  // namespace quillmoor::toolkit
