#include "toolkit/core/container_stack.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmoor::toolkit {
namespace {

TEST(ContainerStack, NothingIsCurrentBeforeAWindowOpens) {
    ContainerStack<std::string> stack;
    stack.Push("panel");
    stack.ReplaceCurrent("page");
    stack.Pop();
    EXPECT_FALSE(stack.Current().has_value());
}

TEST(ContainerStack, PanelsNestAndPagesReplaceThePanel) {
    ContainerStack<std::string> stack;
    stack.Open("window");
    stack.Push("panel");
    stack.ReplaceCurrent("page 1");
    stack.ReplaceCurrent("page 2");
    stack.Push("inner panel");
    stack.ReplaceCurrent("inner page");
    EXPECT_EQ(stack.Current(), "inner page");
    stack.Pop();
    EXPECT_EQ(stack.Current(), "page 2");
    stack.Pop();
    EXPECT_EQ(stack.Current(), "window");
    stack.Pop();
    EXPECT_EQ(stack.Current(), "window");
}

TEST(ContainerStack, OpeningAWindowEmptiesTheStack) {
    ContainerStack<std::string> stack;
    stack.Open("first");
    stack.Push("panel");
    stack.Open("second");
    stack.Pop();
    EXPECT_EQ(stack.Current(), "second");
}

}  // namespace
}  // namespace quillmoor::toolkit
