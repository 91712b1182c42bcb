#include "layout/cell_drawing.h"

#include <algorithm>

#include "document/cell_measurer.h"
#include "document/line_cells.h"

namespace vendaro {
namespace {

constexpr double kBulletPoints = 12.0;

}  // namespace

bool isPlainCharacter(const TCharRec& cell) { return cell.Kind == kCellChar && !isTabCell(cell); }

bool carriesUnderline(const TFontRec& font) {
  return GettingOpsB(font.Style, 2) || GettingOps(font.Attr, kAttrUnderline) ||
         GettingOps(font.Attr, kAttrWordUnderline) || GettingOps(font.Attr, kAttrDoubleUnderline);
}

size_t textRunEnd(const TLineRec& line, size_t first, bool wordsOnly) {
  const TCharRec& head = line.Chars[first];
  const bool headIsSpace = isSpaceCell(head);
  size_t end = first + 1;
  while (end < line.Chars.size()) {
    const TCharRec& c = line.Chars[end];
    if (!isPlainCharacter(c) || c.FontIndex != head.FontIndex || c.CharHeight != head.CharHeight) break;
    if (wordsOnly && isSpaceCell(c) != headIsSpace) break;
    ++end;
  }
  return end;
}

bool runIsUnderlined(const TFontRec& font, const TCharRec& head) {
  return carriesUnderline(font) && !(GettingOps(font.Attr, kAttrWordUnderline) && isSpaceCell(head));
}

std::string specialCellText(const TCharRec& cell, const TFontRec& font) {
  if (cell.Kind == kCellField) return displayText(font, textOf(cell.Text));
  return std::to_string(cell.ShownNumber);
}

char tabLeaderChar(const TCharRec& cell) {
  static constexpr char kLeaders[] = {0, '-', '.', '_'};
  return cell.TabLeader >= 1 && cell.TabLeader <= 3 ? kLeaders[cell.TabLeader] : 0;
}

RepeatRange visibleRepeats(int64_t start, int step, int64_t count, int visibleLeft, int visibleRight) {
  if (step <= 0 || count <= 0) return {};
  // Copy k covers [start + k·step, start + (k+1)·step).
  const auto floorDiv = [step](int64_t distance) {
    return distance >= 0 ? distance / step : -((-distance + step - 1) / step);
  };
  const int64_t first = std::clamp<int64_t>(floorDiv(visibleLeft - start), 0, count);
  const int64_t end = std::clamp<int64_t>(floorDiv(visibleRight - start + step - 1), first, count);
  return {first, end};
}

bool drawsLowered(const TFontRec& font) {
  return !GettingOps(font.Attr, kAttrSuperscript) &&
         (GettingOps(font.Attr, kAttrSubscript) || GettingOps(font.Attr, kAttrSmallCaps));
}

double cellTextHeightMm(const TCharRec& cell, const LineGeometry& g) {
  return cell.CharHeight >= 0 ? cell.CharHeight : g.height;
}

double cellEndMm(const LineGeometry& g, const TLineRec& line, size_t cell) {
  const TCharRec& c = line.Chars[cell];
  const double extra = isSpaceCell(c) && cell + 1 < g.cellX.size() - 1 ? g.spaceExtra : 0.0;
  return g.cellX[cell] + c.CharWidth + extra;
}

bool hasColumnSeparator(const TLineRec& line) {
  return line.ColumnCount >= 2 && line.ColumnLines && line.ColumnIndex < line.ColumnBreaks;
}

TFontRec plainFont(std::string_view face, double points) {
  TFontRec font = defaultCurFont();
  SetPCharText(font.Name, face);
  font.Size = points;
  font.Style = 0;
  font.Attr = 0;
  font.Color = 0;
  return font;
}

ListMark listMarkOf(const Document& doc, const TLineRec& line) {
  const TFontRec* first = line.Chars.empty() ? nullptr : &doc.Fonts[line.Chars.front().FontIndex];
  ListMark mark;
  if (line.Para.ListKind == 1) {
    const std::string_view face =
        line.Para.BulletFont.isNull() ? std::string_view("Wingdings") : textOf(line.Para.BulletFont);
    mark.font = plainFont(face, kBulletPoints);
    if (first != nullptr) mark.font.Color = first->Color;
    mark.text.assign(1, static_cast<char>(line.Para.BulletChar));
  } else {
    mark.font = first != nullptr ? *first : doc.CurFont;
    mark.font.Attr = 0;
    mark.font.Style = static_cast<uint8_t>(mark.font.Style & 0x3);
    mark.text = std::to_string(line.Para.ListNumber) + ".";
  }
  return mark;
}

}  // namespace vendaro
