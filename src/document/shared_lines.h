// shared_lines.h — how much memory one copy of a document's frames holds
// that another copy does not share: its own frame and line arrays, and the
// lines it does not have in common with the other (copies share the lines
// neither side changed).
#pragma once

#include <cstddef>
#include <vector>

#include "document/records.h"

namespace vendaro {

// Bytes of a line record with its cells, tab stops and strings.
size_t heapBytesOf(const TLineRec& line);

// Bytes `copy` holds that `other` does not share. Runs in time in proportion
// to the frames' line count, and to the lines that differ for the bytes.
size_t bytesNotShared(const std::vector<TFieldRec>& copy, const std::vector<TFieldRec>& other);

}  // namespace vendaro
