// Builds the generated text line by line in one buffer.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace quillmoor {

// Writes into a text sized up front from an upper bound, so that each write is a plain copy.
// Every write checks the room left and grows the text when the bound fell short: a wrong bound
// costs time, never memory safety. Owns the text until Finish hands it over.
class LineWriter {
public:
    explicit LineWriter(std::size_t expectedSize);

    // Leaves the line open.
    template <typename... Texts>
    void Append(const Texts&... pieces) {
        (Write(pieces), ...);
    }

    template <typename... Texts>
    void Line(const Texts&... pieces) {
        Append(pieces..., std::string_view("\r"));
    }

    void EmptyLines(std::size_t count) {
        MakeRoom(count);
        std::fill_n(text_.begin() + written_, count, '\r');
        written_ += count;
    }

    // The text written so far; the writer is spent.
    std::string Finish() &&;

private:
    void Write(std::string_view piece) {
        MakeRoom(piece.size());
        std::char_traits<char>::copy(text_.data() + written_, piece.data(), piece.size());
        written_ += piece.size();
    }

    void MakeRoom(std::size_t size) {
        if (size > text_.size() - written_) {
            Grow(size);
        }
    }

    // Kept out of line so that the checks above stay small enough to inline everywhere.
    void Grow(std::size_t size);

    std::string text_;
    std::size_t written_ = 0;
};

}  // namespace quillmoor
