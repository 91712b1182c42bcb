// document_generator.h — random document parts for property tests:
// character cells of every kind, paragraphs with indents, lists, spacing and
// tab stops, and table rows with uneven column weights.
#pragma once

#include <random>

#include "document/records.h"
#include "layout/layout_fixture.h"

namespace vendaro::test {

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  double length(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
  bool chance(int percent) { return between(1, 100) <= percent; }

  TCharRec cell() {
    TCharRec c = textCell("aabbc"[between(0, 4)], chance(1) ? 120.0 : length(1.5, 9.0), length(3.0, 6.0));
    const int kind = between(1, 100);
    if (kind <= 14) c.Ch = ' ';
    else if (kind <= 16) c.Ch = '-';
    else if (kind <= 18) c = textCell('\t', 12.5, -1.0);
    else if (kind <= 19) c.Kind = kCellPicture;
    else if (chance(4)) SettingOpsB(c.CharFlags, kFlagSoftHyphen, true);
    return c;
  }

  TLineRec line(int cells, int32_t end) {
    TLineRec l;
    for (int i = 0; i < cells; ++i) l.Chars.push_back(cell());
    l.LineEnd = end;
    l.Dirty = 1;
    TParaFormat& p = l.Para;
    p.ListKind = static_cast<uint8_t>(chance(20) ? between(1, 2) : 0);
    p.LeftIndent = chance(30) ? length(0, 10) : 0;
    p.FirstLineIndent = chance(30) ? length(-5, 10) : 0;
    p.RightIndent = chance(20) ? length(0, 10) : 0;
    p.SpaceBefore = chance(20) ? length(0, 3) : 0;
    p.LineSpacingMode = static_cast<uint8_t>(chance(20) ? between(0, 2) : 0);
    p.LineSpacing = p.LineSpacingMode == 0 ? length(1, 2) : length(2, 8);
    double pos = 0;
    for (int t = between(0, 3); t > 0; --t) p.Tabs.push_back({pos += between(5, 40), between(0, 3), between(0, 3)});
    return l;
  }

  void paragraphs(LineList& lines, int count) {
    for (int i = 0; i < count; ++i) {
      if (chance(15)) lines.push_back(line(between(1, 10), kLineEndSoft));  // an old wrap
      lines.push_back(line(between(0, 60), chance(10) ? kLineEndManual : chance(5) ? kLineEndPage : kLineEndParagraph));
    }
  }

  void tableRow(LineList& lines) {
    const int32_t cells = between(2, 3);
    for (int32_t c = 0; c < cells; ++c) {
      TLineRec l = line(between(0, 30), chance(70) ? kLineEndParagraph : kLineEndSoft);
      l.InTable = l.CellFirstLine = l.CellLastLine = 1;
      l.RowCells = cells;
      l.CellIndex = c;
      l.CellWidthWeight = length(0.5, 2);
      lines.push_back(l);
    }
  }

 private:
  std::mt19937 random_;
};

}  // namespace vendaro::test
