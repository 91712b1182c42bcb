#include "document/shared_lines.h"

#include <algorithm>
#include <unordered_set>

namespace vendaro {
namespace {

size_t stringBytes(const NullableString& text) { return text ? sizeof(std::string) + text->capacity() : 0; }

size_t paraBytes(const TParaFormat& para) { return para.Tabs.capacity() * sizeof(TTabStop) + stringBytes(para.BulletFont); }

size_t cellBytes(const TCharRec& cell) {
  size_t bytes = stringBytes(cell.Text) + stringBytes(cell.Code);
  if (cell.ParaRef) bytes += sizeof(TParaFormat) + paraBytes(*cell.ParaRef);
  return bytes;
}

// The lines of all frames in order, as the records they are stored in.
std::vector<const void*> lineIdentities(const std::vector<TFieldRec>& fields) {
  std::vector<const void*> ids;
  for (const TFieldRec& frame : fields)
    for (size_t i = 0; i < frame.Lines.size(); ++i) ids.push_back(frame.Lines.identity(i));
  return ids;
}

// Two copies a few edits apart hold their lines in nearly the same order:
// the common start and end are skipped before the rest is looked up.
size_t bytesOfLinesNotShared(const std::vector<TFieldRec>& copy, const std::vector<TFieldRec>& other) {
  const std::vector<const void*> mine = lineIdentities(copy);
  const std::vector<const void*> theirs = lineIdentities(other);
  size_t start = 0;
  while (start < mine.size() && start < theirs.size() && mine[start] == theirs[start]) ++start;
  size_t mineEnd = mine.size(), theirsEnd = theirs.size();
  while (mineEnd > start && theirsEnd > start && mine[mineEnd - 1] == theirs[theirsEnd - 1]) --mineEnd, --theirsEnd;
  if (mineEnd == start) return 0;
  const std::unordered_set<const void*> shared(theirs.begin() + static_cast<std::ptrdiff_t>(start),
                                               theirs.begin() + static_cast<std::ptrdiff_t>(theirsEnd));
  std::unordered_set<const void*> counted;
  size_t bytes = 0;
  size_t flat = 0;  // the index into `mine` of the frame's first line
  for (const TFieldRec& frame : copy) {
    const size_t lines = frame.Lines.size();
    const size_t from = std::clamp(start, flat, flat + lines) - flat;
    const size_t to = std::clamp(mineEnd, flat, flat + lines) - flat;
    for (size_t i = from; i < to; ++i) {
      const void* id = frame.Lines.identity(i);
      if (!shared.contains(id) && counted.insert(id).second) bytes += heapBytesOf(frame.Lines[i]);
    }
    flat += lines;
  }
  return bytes;
}

}  // namespace

size_t heapBytesOf(const TLineRec& line) {
  size_t bytes = sizeof(TLineRec) + sizeof(size_t) + line.Chars.capacity() * sizeof(TCharRec) + paraBytes(line.Para);
  for (const TCharRec& cell : line.Chars) bytes += cellBytes(cell);
  return bytes;
}

size_t bytesNotShared(const std::vector<TFieldRec>& copy, const std::vector<TFieldRec>& other) {
  size_t bytes = copy.capacity() * sizeof(TFieldRec);
  for (const TFieldRec& frame : copy) bytes += frame.Lines.size() * sizeof(void*);
  return bytes + bytesOfLinesNotShared(copy, other);
}

}  // namespace vendaro
