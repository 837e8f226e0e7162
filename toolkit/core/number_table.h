#pragma once

// A number space of the toolkit: objects named by caller-chosen numbers from 0 to
// kMaxObjectNumber. The table owns what it holds and grows only as far as the largest number in
// use; numbers outside the range are refused before anything is allocated for them.

#include <memory>
#include <utility>
#include <vector>

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

template <typename T>
class NumberTable {
public:
    static constexpr bool Accepts(int number) { return number >= 0 && number <= kMaxObjectNumber; }

    // nullptr when the number names nothing.
    T* Find(int number) const {
        if (!Accepts(number) || static_cast<std::size_t>(number) >= slots_.size()) {
            return nullptr;
        }
        return slots_[static_cast<std::size_t>(number)].get();
    }

    // Stores the object under the number and hands back what the number held before, so that
    // the caller decides when it dies (discarding the result destroys it at once). A refused
    // number stores nothing: the object itself comes back.
    std::unique_ptr<T> Replace(int number, std::unique_ptr<T> object) {
        if (!Accepts(number)) {
            return object;
        }
        const auto index = static_cast<std::size_t>(number);
        if (index >= slots_.size()) {
            if (!object) {
                return nullptr;
            }
            slots_.resize(index + 1);
        }
        return std::exchange(slots_[index], std::move(object));
    }

    std::unique_ptr<T> Remove(int number) { return Replace(number, nullptr); }

    // The numbers in use, ascending.
    std::vector<int> Numbers() const {
        std::vector<int> numbers;
        for (std::size_t index = 0; index < slots_.size(); ++index) {
            if (slots_[index]) {
                numbers.push_back(static_cast<int>(index));
            }
        }
        return numbers;
    }

private:
    std::vector<std::unique_ptr<T>> slots_;
};

}  // namespace quillmoor::toolkit
