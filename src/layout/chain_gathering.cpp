// chain_gathering.cpp — before wrapping, the text of every chain of linked
// frames goes back into the chain's first frame; pagination hands the part
// that does not fit on to the following frames again.
#include <utility>
#include <vector>

#include "layout/layout_run.h"

namespace vendaro {
namespace {

// The single empty line a linked text box keeps while it shows no text.
bool isPlaceholder(const TFieldRec& frame) {
  return frame.Lines.size() == 1 && frame.Lines[0].Chars.empty() && frame.Lines[0].LineEnd == kLineEndSoft;
}

TLineRec placeholderLine() {
  TLineRec line;
  line.Dirty = 1;  // measured like any empty line
  return line;
}

bool linksTo(const Document& doc, int32_t from, int32_t to) { return to >= 0 && to < doc.FieldCount() && to != from; }

// Appends the lines of frame `index` to those of frame `head`.
void gatherFrame(LayoutRun& run, int32_t head, int32_t index) {
  Document& doc = run.doc;
  TFieldRec& frame = doc.Fields[static_cast<size_t>(index)];
  TFieldRec& first = doc.Fields[static_cast<size_t>(head)];
  const bool keepsALine = frame.FieldType > kFieldFooter;

  if (frame.Lines.empty() || isPlaceholder(frame)) {
    // An empty box adds nothing to the chain's text; it keeps its line so
    // that repeated runs do not pile up empty lines in the first frame.
    // When an edit emptied it, the paragraph that ran into it ends
    // earlier now and is wrapped again.
    if (!frame.Lines.empty() && std::as_const(frame.Lines)[0].Dirty && !first.Lines.empty()) first.Lines.back().Dirty = 1;
    if (keepsALine) {
      if (frame.Lines.empty()) frame.Lines.push_back(placeholderLine());
      return;
    }
    const TextPos end{head, first.LineCount() > 0 ? first.LineCount() - 1 : 0,
                      first.LineCount() > 0 ? std::as_const(first.Lines).back().CharCount() : 0};
    run.positions.forEach([&](TextPos& p) {
      if (p.field == index) p = end;
    });
    frame.Lines.clear();
    return;
  }

  const int32_t offset = first.LineCount();
  first.Lines.append(std::move(frame.Lines));
  run.positions.forEach([&](TextPos& p) {
    if (p.field != index) return;
    p.field = head;
    p.line += offset;
  });
  if (keepsALine) frame.Lines.push_back(placeholderLine());
}

}  // namespace

void gatherTextChains(LayoutRun& run) {
  Document& doc = run.doc;
  const int32_t count = doc.FieldCount();
  std::vector<bool> gathered(static_cast<size_t>(count), false);
  // Each chain from its first frame on, every box straight into the first,
  // so that each line moves once.
  for (int32_t head = 0; head < count; ++head) {
    if (linksTo(doc, head, doc.Fields[static_cast<size_t>(head)].PrevField)) continue;
    int32_t at = head;
    for (int32_t guard = count; guard > 0; --guard) {
      const int32_t next = doc.Fields[static_cast<size_t>(at)].NextField;
      if (!linksTo(doc, at, next) || doc.Fields[static_cast<size_t>(next)].PrevField != at || gathered[static_cast<size_t>(next)])
        break;
      gatherFrame(run, head, next);
      gathered[static_cast<size_t>(next)] = true;
      at = next;
    }
  }
  // Links that form no proper chain: each frame into its predecessor.
  for (int32_t index = count - 1; index >= 0; --index) {
    const int32_t prev = doc.Fields[static_cast<size_t>(index)].PrevField;
    if (!gathered[static_cast<size_t>(index)] && linksTo(doc, index, prev)) gatherFrame(run, prev, index);
  }
}

}  // namespace vendaro
