#include "generator/line_writer.h"

#include <utility>

namespace quillmoor {

LineWriter::LineWriter(std::size_t expectedSize) : text_(expectedSize, '\0') {}

std::string LineWriter::Finish() && {
    text_.resize(written_);
    return std::move(text_);
}

void LineWriter::Grow(std::size_t size) {
    text_.resize(std::max(2 * text_.size(), written_ + size));
}

}  // namespace quillmoor
