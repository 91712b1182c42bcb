#include "layout/line_gap_buffer.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace vendaro {

// Slots inside the gap hold no line: they are only ever moved into or
// assigned, never read.
void LineGapBuffer::moveGapTo(size_t at) {
  assert(at <= size());
  const size_t length = gapLength();
  if (length == 0) {
    gapStart_ = gapEnd_ = at;
    return;
  }
  if (at < gapStart_) {
    for (size_t i = gapStart_; i-- > at;) shares_[i + length] = std::move(shares_[i]);
  } else {
    for (size_t i = gapEnd_; i < at + length; ++i) shares_[i - length] = std::move(shares_[i]);
  }
  gapStart_ = at;
  gapEnd_ = at + length;
}

void LineGapBuffer::insert(size_t at, TLineRec line) {
  moveGapTo(at);
  if (gapLength() == 0) {
    // Grows by a share of the frame so that a pass inserting many lines
    // moves the lines behind the gap only a few times.
    const size_t extra = std::max<size_t>(16, size() / 2);
    shares_.insert(shares_.begin() + static_cast<std::ptrdiff_t>(gapStart_), extra, LineList::Share(TLineRec{}));
    gapEnd_ = gapStart_ + extra;
  }
  shares_[gapStart_++] = LineList::Share(std::move(line));
}

void LineGapBuffer::erase(size_t at) {
  assert(at < size());
  moveGapTo(at);
  LineList::Share removed = std::move(shares_[gapEnd_++]);
}

void LineGapBuffer::close() {
  if (gapLength() != 0)
    shares_.erase(shares_.begin() + static_cast<std::ptrdiff_t>(gapStart_), shares_.begin() + static_cast<std::ptrdiff_t>(gapEnd_));
  gapStart_ = gapEnd_ = 0;
}

}  // namespace vendaro
