// chain_gathering.cpp — before wrapping, the text of every chain of linked
// frames goes back into the chain's first frame; pagination hands the part
// that does not fit on to the following frames again.
#include <iterator>
#include <utility>

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

}  // namespace

void gatherTextChains(LayoutRun& run) {
  Document& doc = run.doc;
  for (int32_t index = doc.FieldCount() - 1; index >= 0; --index) {
    TFieldRec& frame = doc.Fields[static_cast<size_t>(index)];
    const int32_t prev = frame.PrevField;
    if (prev < 0 || prev >= doc.FieldCount() || prev == index) continue;
    const bool keepsALine = frame.FieldType > kFieldFooter;
    TFieldRec& head = doc.Fields[static_cast<size_t>(prev)];

    if (frame.Lines.empty() || isPlaceholder(frame)) {
      // An empty box adds nothing to the chain's text; it keeps its line so
      // that repeated runs do not pile up empty lines in the first frame.
      // When an edit emptied it, the paragraph that ran into it ends
      // earlier now and is wrapped again.
      if (!frame.Lines.empty() && frame.Lines[0].Dirty && !head.Lines.empty()) head.Lines.back().Dirty = 1;
      if (keepsALine) {
        if (frame.Lines.empty()) frame.Lines.push_back(placeholderLine());
        continue;
      }
      const TextPos end{prev, head.LineCount() > 0 ? head.LineCount() - 1 : 0,
                        head.LineCount() > 0 ? head.Lines.back().CharCount() : 0};
      run.positions.forEach([&](TextPos& p) {
        if (p.field == index) p = end;
      });
      frame.Lines.clear();
      continue;
    }

    const int32_t offset = head.LineCount();
    head.Lines.insert(head.Lines.end(), std::make_move_iterator(frame.Lines.begin()),
                      std::make_move_iterator(frame.Lines.end()));
    frame.Lines.clear();
    run.positions.forEach([&](TextPos& p) {
      if (p.field != index) return;
      p.field = prev;
      p.line += offset;
    });
    if (keepsALine) frame.Lines.push_back(placeholderLine());
  }
}

}  // namespace vendaro
