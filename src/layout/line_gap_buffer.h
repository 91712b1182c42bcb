// line_gap_buffer.h — a frame's lines seen through a movable gap, so that
// the insertions and removals of one pass over a frame, which move steadily
// forward (wrapping) or backward (joining), cost time in proportion to the
// frame instead of its square. Lines are read freely; `edit` gives a line
// for changing, which copies it first while an undo step still shares it.
#pragma once

#include <cstddef>
#include <vector>

#include "document/records.h"

namespace vendaro {

class LineGapBuffer {
 public:
  // While the buffer is open the frame's list holds the gap; every access
  // to the lines goes through the buffer until close().
  explicit LineGapBuffer(LineList& lines) : shares_(lines.shares_) {}
  ~LineGapBuffer() { close(); }
  LineGapBuffer(const LineGapBuffer&) = delete;
  LineGapBuffer& operator=(const LineGapBuffer&) = delete;

  size_t size() const { return shares_.size() - gapLength(); }
  const TLineRec& operator[](size_t i) const { return shares_[slot(i)].read(); }
  TLineRec& edit(size_t i) { return shares_[slot(i)].write(); }
  // Gives line `i` a value of one of its fields; a line that has it already
  // is left alone (and stays shared).
  template <typename Field, typename Value>
  void set(size_t i, Field TLineRec::*field, const Value& value) {
    if ((*this)[i].*field != value) edit(i).*field = value;
  }

  // Whether line `i` is unchanged since layout last cleaned it and was then
  // noted with all of `marks` (see LineMarks).
  bool settledWith(size_t i, uint8_t marks) const {
    const LineList::Share& share = shares_[slot(i)];
    return !share.changed() && (share.marks() & marks) == marks;
  }

  void insert(size_t at, TLineRec line);
  void erase(size_t at);
  // Removes the gap: the frame's list holds exactly the lines again.
  void close();

 private:
  size_t slot(size_t i) const { return i < gapStart_ ? i : i + gapLength(); }
  size_t gapLength() const { return gapEnd_ - gapStart_; }
  void moveGapTo(size_t at);

  LineList::Shares& shares_;
  size_t gapStart_ = 0;
  size_t gapEnd_ = 0;
};

}  // namespace vendaro
