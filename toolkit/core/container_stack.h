#pragma once

// The container stack: the container in which new gadgets are created, and the containers
// that were current before it. A container is whatever the platform realisation uses to name
// a window, a tab panel or a panel page. toolkit.h calls it the gadget list, after
// BeginGadgetList() and EndGadgetList().

#include <optional>
#include <utility>
#include <vector>

namespace quillmoor::toolkit {

template <typename Container>
class ContainerStack {
public:
    // A newly opened window: it becomes current, with an empty stack.
    void Open(Container window) {
        current_ = std::move(window);
        stack_.clear();
    }

    // Nothing is current before the first window opens or after Clear().
    void Clear() {
        current_.reset();
        stack_.clear();
    }

    const std::optional<Container>& Current() const { return current_; }

    // A new tab panel: the current container is pushed and the panel becomes current.
    // Without a current container there is nothing to push, and nothing changes.
    void Push(Container panel) {
        if (!current_) {
            return;
        }
        stack_.push_back(std::move(*current_));
        current_ = std::move(panel);
    }

    // A new panel page takes the place of the panel or of the previous page; nothing is pushed.
    void ReplaceCurrent(Container page) {
        if (current_) {
            current_ = std::move(page);
        }
    }

    // The container current before the last Push() becomes current again; with an empty
    // stack nothing changes.
    void Pop() {
        if (stack_.empty()) {
            return;
        }
        current_ = std::move(stack_.back());
        stack_.pop_back();
    }

private:
    std::optional<Container> current_;
    std::vector<Container> stack_;
};

}  // namespace quillmoor::toolkit
