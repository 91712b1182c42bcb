// line_gap_buffer.h — a frame's lines seen through a movable gap, so that
// the insertions and removals of one pass over a frame, which move steadily
// forward (wrapping) or backward (joining), cost time in proportion to the
// frame instead of its square.
#pragma once

#include <cstddef>
#include <vector>

#include "document/records.h"

namespace vendaro {

class LineGapBuffer {
 public:
  // While the buffer is open the frame's vector holds the gap; every access
  // to the lines goes through the buffer until close().
  explicit LineGapBuffer(std::vector<TLineRec>& lines) : lines_(lines) {}
  ~LineGapBuffer() { close(); }
  LineGapBuffer(const LineGapBuffer&) = delete;
  LineGapBuffer& operator=(const LineGapBuffer&) = delete;

  size_t size() const { return lines_.size() - gapLength(); }
  TLineRec& operator[](size_t i) { return lines_[i < gapStart_ ? i : i + gapLength()]; }
  const TLineRec& operator[](size_t i) const { return lines_[i < gapStart_ ? i : i + gapLength()]; }

  void insert(size_t at, TLineRec line);
  void erase(size_t at);
  // Removes the gap: the frame's vector holds exactly the lines again.
  void close();

 private:
  size_t gapLength() const { return gapEnd_ - gapStart_; }
  void moveGapTo(size_t at);

  std::vector<TLineRec>& lines_;
  size_t gapStart_ = 0;
  size_t gapEnd_ = 0;
};

}  // namespace vendaro
