// The byte-wise text operations from which a method entry is taken apart. They are exact
// and case-sensitive, never fail and never allocate except where a new text is returned.
// Returned views point into the text passed in; the caller keeps that text alive.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillmoor {

// Field `index` (counted from 1) of `text` split at `separator`: field 1 is everything before the
// first separator, or the whole text without one. A field that does not exist, including field 0,
// is the empty text.
std::string_view FieldAt(std::string_view text, char separator, std::size_t index);

// The first byte of `text` as a one-byte text, or the empty text.
std::string_view FirstCharacter(std::string_view text);

// `text` with every non-overlapping occurrence of `pattern` dropped, scanning from the left. An
// empty pattern removes nothing.
std::string RemoveAll(std::string_view text, std::string_view pattern);

// Calls `consume` with each stretch of `text` that RemoveAll keeps, in order, so that a caller
// can write the result without building it. Stretches may be empty.
template <typename Consume>
void ForEachPieceBetween(std::string_view text, std::string_view pattern, Consume&& consume) {
    if (pattern.empty()) {
        consume(text);
        return;
    }
    for (std::size_t match = text.find(pattern); match != std::string_view::npos;
         match = text.find(pattern)) {
        consume(text.substr(0, match));
        text.remove_prefix(match + pattern.size());
    }
    consume(text);
}

// `text` without leading and trailing spaces (byte 32 only; tabs and other white space stay).
std::string_view TrimSpaces(std::string_view text);

}  // namespace quillmoor
