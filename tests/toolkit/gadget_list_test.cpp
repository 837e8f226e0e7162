#include "toolkit/core/gadget_list.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmoor::toolkit {
namespace {

TEST(GadgetList, NothingIsCurrentBeforeAWindowOpens) {
    GadgetList<std::string> list;
    list.Push("panel");
    list.ReplaceCurrent("page");
    list.Pop();
    EXPECT_FALSE(list.Current().has_value());
}

TEST(GadgetList, PanelsNestAndPagesReplaceThePanel) {
    GadgetList<std::string> list;
    list.Open("window");
    list.Push("panel");
    list.ReplaceCurrent("page 1");
    list.ReplaceCurrent("page 2");
    list.Push("inner panel");
    list.ReplaceCurrent("inner page");
    EXPECT_EQ(list.Current(), "inner page");
    list.Pop();
    EXPECT_EQ(list.Current(), "page 2");
    list.Pop();
    EXPECT_EQ(list.Current(), "window");
    list.Pop();
    EXPECT_EQ(list.Current(), "window");
}

TEST(GadgetList, OpeningAWindowEmptiesTheStack) {
    GadgetList<std::string> list;
    list.Open("first");
    list.Push("panel");
    list.Open("second");
    list.Pop();
    EXPECT_EQ(list.Current(), "second");
}

}  // namespace
}  // namespace quillmoor::toolkit
