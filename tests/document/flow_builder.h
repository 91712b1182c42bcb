// flow_builder.h — documents for the caret and selection tests, built line
// by line with the table flags set by hand, so that no layout runs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/caret_moves.h"
#include "document/document.h"

namespace vendaro::test {

struct CellText {
  std::string text;
  int32_t end = kLineEndParagraph;
};

inline TLineRec lineOfText(std::string_view text, int32_t end) {
  TLineRec line;
  for (char c : text) {
    TCharRec cell;
    cell.Ch = static_cast<uint8_t>(c);
    line.Chars.push_back(cell);
  }
  line.LineEnd = end;
  return line;
}

struct FlowBuilder {
  explicit FlowBuilder(int frames = 1) {
    for (int i = 0; i < frames; ++i) doc.NewField();
  }
  FlowBuilder& text(int field, std::string_view s, int32_t end = kLineEndParagraph) {
    doc.Fields[static_cast<size_t>(field)].Lines.push_back(lineOfText(s, end));
    return *this;
  }
  // groups[v][c] is visual line v of cell c.
  FlowBuilder& row(int field, const std::vector<std::vector<CellText>>& groups) {
    for (size_t v = 0; v < groups.size(); ++v) {
      for (size_t c = 0; c < groups[v].size(); ++c) {
        TLineRec line = lineOfText(groups[v][c].text, groups[v][c].end);
        line.InTable = 1;
        line.RowCells = static_cast<int32_t>(groups[v].size());
        line.CellIndex = static_cast<int32_t>(c);
        line.CellFirstLine = v == 0;
        line.CellLastLine = v + 1 == groups.size();
        doc.Fields[static_cast<size_t>(field)].Lines.push_back(std::move(line));
      }
    }
    return *this;
  }
  FlowBuilder& link(int from, int to) {
    doc.Fields[static_cast<size_t>(from)].NextField = to;
    doc.Fields[static_cast<size_t>(to)].PrevField = from;
    return *this;
  }
  FlowBuilder& select(TextPos anchor, TextPos caret) {
    setAnchor(doc, anchor);
    setCaret(doc, caret);
    return *this;
  }

  Document doc;
};

}  // namespace vendaro::test
