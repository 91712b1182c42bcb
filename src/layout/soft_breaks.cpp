#include "layout/soft_breaks.h"

#include <algorithm>
#include <cassert>
#include <span>
#include <string>

#include "layout/layout_run.h"

namespace vendaro {
namespace {

constexpr size_t kMinHyphenatedWord = 3;
constexpr size_t kMaxHyphenatedWord = 25;

// A cell that can belong to the word being broken: plain text that is not
// a space or a control character (tab, break cells).
bool isWordPart(const TCharRec& cell) { return cell.Kind == kCellChar && cell.Ch != ' ' && cell.Ch >= 32; }

bool fontForbidsHyphenation(const Document& doc, const TCharRec& cell) {
  if (cell.FontIndex < 0 || cell.FontIndex >= doc.FontCount()) return false;
  return GettingOps(doc.Fonts[cell.FontIndex].Attr, kAttrNoHyphenation);
}

// The last permitted hyphenation point of cells [first, end) before
// `overflow`, or 0 when there is none.
size_t lastHyphenationPoint(std::span<const TCharRec> cells, size_t first, size_t end, size_t overflow,
                            const Document& doc, DocumentHyphenation& hyphenation) {
  std::string word;
  word.reserve(end - first);
  for (size_t i = first; i < end; ++i) word.push_back(static_cast<char>(cells[i].Ch));
  size_t best = 0;
  size_t charactersBefore = 0;
  for (char c : hyphenation.TrenneSilben(word)) {
    if (c != '-') {
      ++charactersBefore;
      continue;
    }
    const size_t position = first + charactersBefore;
    if (position < overflow && position < cells.size() && !fontForbidsHyphenation(doc, cells[position])) best = position;
  }
  return best;
}

// The closest space or hyphen (break after it) or tab other than the line's
// first cell (break before it) before `overflow`.
size_t lastWordBoundary(std::span<const TCharRec> cells, size_t overflow) {
  for (size_t i = overflow; i-- > 0;) {
    const TCharRec& cell = cells[i];
    if (cell.Kind != kCellChar) continue;
    if (cell.Ch == kTabChar && i > 0) return i;
    if (cell.Ch == ' ' || cell.Ch == '-') return i + 1;
  }
  return overflow;
}

}  // namespace

SoftBreak findSoftBreak(std::span<const TCharRec> cells, size_t overflow, const Document& doc,
                        DocumentHyphenation& hyphenation) {
  assert(overflow > 0 && overflow < cells.size());
  if (hasSoftHyphen(cells[overflow])) return {overflow, true};

  bool automatic = doc.AutoHyphenate != 0;
  size_t end = overflow;
  // A word longer than any hyphenated automatically is not hyphenated, so its
  // rest is not read: a giant word would otherwise be read to its end for
  // every line it fills.
  const size_t scanEnd = std::min(cells.size(), overflow + kMaxHyphenatedWord + 1);
  for (; end < scanEnd && isWordPart(cells[end]) && cells[end].Ch != '-'; ++end) {
    if (end > overflow && hasSoftHyphen(cells[end])) {
      automatic = false;  // the writer hyphenated this word by hand
      break;
    }
  }
  size_t first = overflow;
  for (; first > 0 && isWordPart(cells[first - 1]); --first) {
    const TCharRec& cell = cells[first - 1];
    if (cell.Ch == '-') {
      automatic = false;
      break;
    }
    if (hasSoftHyphen(cell)) {
      // A break before the line's first cell would leave the line empty.
      if (first - 1 > 0) return {first - 1, true};
      automatic = false;
      break;
    }
  }

  const size_t length = end - first;
  if (automatic && length >= kMinHyphenatedWord && length <= kMaxHyphenatedWord) {
    const size_t point = lastHyphenationPoint(cells, first, end, overflow, doc, hyphenation);
    if (point > 0) return {point, true};
  }
  return {lastWordBoundary(cells, overflow), false};
}

}  // namespace vendaro
