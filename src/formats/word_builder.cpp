// word_builder.cpp — turns the characters of a Word story into cells, lines
// and table rows of a document frame.
#include "formats/word_builder.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "formats/word_formats.h"

namespace vendaro::word {
namespace {

constexpr uint8_t kPictureMark = 1, kCellMark = 7, kTab = 9, kLineBreak = 11, kPageBreak = 12, kParagraph = 13;
constexpr uint8_t kFieldStart = 19, kFieldSeparator = 20, kFieldEnd = 21;
constexpr uint8_t kNonBreakingHyphen = 30, kOptionalHyphen = 31;
constexpr double kTabCellWidthMm = 12.5;
constexpr double kCellPaddingMm = 2.5;

// Inside a cell a paragraph mark keeps the cell's padding and nothing else.
TParaFormat cellBreakFormat(TParaFormat para) {
  para.LineSpacing = 1.0;
  para.LineSpacingMode = 0;
  para.FirstLineIndent = 0;
  para.LeftIndent = para.RightIndent = kCellPaddingMm;
  para.SpaceBefore = para.SpaceAfter = 0;
  para.Tabs.clear();
  return para;
}

}  // namespace

void DocumentBuilder::startStory(int32_t frame) {
  doc_.CurField = frame;
  TFieldRec& field = doc_.Fields[static_cast<size_t>(frame)];
  if (field.Lines.empty()) Document::InitNewLine(field.Lines, 0);
  doc_.CurLine = field.LineCount() - 1;
  doc_.CurChar = field.Lines[static_cast<size_t>(doc_.CurLine)].CharCount();
  fields_.clear();
  instructionDepth_ = 0;
  softHyphenNext_ = false;
  cellsInRow_ = 0;
}

TLineRec& DocumentBuilder::currentLine() {
  return doc_.Fields[static_cast<size_t>(doc_.CurField)].Lines[static_cast<size_t>(doc_.CurLine)];
}

bool DocumentBuilder::take(uint8_t code, const TextPosition& at) {
  if (++characters_ > kMaxImportedCharacters) return false;
  switch (code) {
    case kFieldStart:
      fields_.push_back(true);
      ++instructionDepth_;
      return true;
    case kFieldSeparator:
      if (!fields_.empty() && fields_.back()) {
        fields_.back() = false;
        --instructionDepth_;
      }
      return true;
    case kFieldEnd:
      if (!fields_.empty()) {
        if (fields_.back()) --instructionDepth_;
        fields_.pop_back();
      }
      return true;
    default: break;
  }
  if (inInstruction()) return true;
  const bool inTable = at.para->inTable;
  switch (code) {
    case kParagraph: case kLineBreak: case kPageBreak:
      if (inTable) {
        appendBreakCell(code, at);
      } else {
        endLine(code == kParagraph ? kLineEndParagraph : code == kLineBreak ? kLineEndManual : kLineEndPage, at);
      }
      return true;
    case kCellMark:
      if (!inTable) return true;
      if (at.para->rowEnd) {
        closeRow(at);
      } else {
        endLine(kLineEndParagraph, at);
        ++cellsInRow_;
      }
      return true;
    case kPictureMark:
      if (at.chars->special && !context_.data.empty()) appendPicture(at);
      return true;
    case kOptionalHyphen:
      softHyphenNext_ = true;
      return true;
    case kNonBreakingHyphen: appendText('-', at); return true;
    default: break;
  }
  if (code == kTab || code >= 32) appendText(code, at);
  return true;
}

int32_t DocumentBuilder::fontIndexFor(const CharProps& chp) {
  if (lastFont_ < 0 || !(chp == lastChars_)) {
    lastChars_ = chp;
    lastFont_ = doc_.GetNewFontIndex(fontFor(chp, doc_.CurFont, *context_.fontNames));
  }
  return lastFont_;
}

void DocumentBuilder::appendText(uint8_t code, const TextPosition& at) {
  TCharRec* cell = doc_.NewChar();
  if (cell == nullptr) return;
  cell->Ch = code;
  cell->FontIndex = fontIndexFor(*at.chars);
  if (softHyphenNext_) SettingOpsB(cell->CharFlags, kFlagSoftHyphen, true);
  softHyphenNext_ = false;
  doc_.RenderChar(*cell);
  if (code == kTab) {
    cell->CharWidth = kTabCellWidthMm;
    cell->CharHeight = -1.0;
  }
  ++doc_.CurChar;
}

void DocumentBuilder::appendBreakCell(uint8_t code, const TextPosition& at) {
  // Paragraph, line and page breaks inside a cell are cells of their own.
  appendText(code == kParagraph ? 13 : code == kLineBreak ? 14 : 15, at);
  if (code != kParagraph) return;
  TLineRec& line = currentLine();
  line.Chars[static_cast<size_t>(doc_.CurChar - 1)].ParaRef = cellBreakFormat(paraFormatFor(*at.para, context_.defaultTab, true));
}

void DocumentBuilder::appendPicture(const TextPosition& at) {
  if (doc_.Pictures.size() >= kMaxPictures) return;
  std::optional<WordPicture> picture = readPicture(context_.data, at.chars->pictureAt, doc_.fontEngine(), context_.raster);
  if (!picture) return;
  TCharRec* cell = doc_.NewChar();
  if (cell == nullptr) return;
  doc_.Pictures.push_back(std::move(picture->picture));
  cell->FontIndex = fontIndexFor(*at.chars);
  cell->Kind = kCellPicture;
  cell->PictureIndex = static_cast<uint16_t>(doc_.Pictures.size() - 1);
  cell->CharWidth = picture->widthMm;
  cell->CharHeight = picture->heightMm;
  ++doc_.CurChar;
}

void DocumentBuilder::formatLine(const TextPosition& at) {
  if (at.para->pageBreakBefore && doc_.CurLine > 0) {
    TLineRec& before = doc_.Fields[static_cast<size_t>(doc_.CurField)].Lines[static_cast<size_t>(doc_.CurLine - 1)];
    if (before.LineEnd == kLineEndParagraph && !before.InTable) before.LineEnd = kLineEndPage;
  }
  TLineRec& line = currentLine();
  line.Para = paraFormatFor(*at.para, context_.defaultTab, at.para->inTable);
  if (line.Para.ListKind != 0 && context_.lists->isBullet(at.para->list, at.para->listLevel)) line.Para.ListKind = 1;
  line.ColumnCount = std::clamp(section_.columnsLess1 + 1, 1, 10);
  line.ColumnGap = twipsToMm(std::max(0, section_.columnGap));
  line.ColumnLines = section_.lineBetween ? 1 : 0;
}

void DocumentBuilder::endLine(int32_t lineEnd, const TextPosition& at) {
  formatLine(at);
  currentLine().LineEnd = lineEnd;
  doc_.InsertNewLine(doc_.CurField, doc_.CurLine + 1);
  ++doc_.CurLine;
  doc_.CurChar = 0;
}

void DocumentBuilder::closeStory(const TextPosition& at) {
  if (!inInstruction() && !at.para->inTable) formatLine(at);
}

void DocumentBuilder::sectionBreak(const SectionProps& next, const TextPosition& at) {
  if (!inInstruction()) endLine(next.breakKind == 0 ? kLineEndParagraph : kLineEndPage, at);
  section_ = next;
}

void DocumentBuilder::dropTrailingEmptyLine() {
  LineList& lines = doc_.Fields[static_cast<size_t>(doc_.CurField)].Lines;
  if (lines.size() < 2 || !std::as_const(lines).back().Chars.empty() || std::as_const(lines).back().InTable) return;
  lines.resize(lines.size() - 1);
  lines.back().LineEnd = kLineEndSoft;
  doc_.CurLine = static_cast<int32_t>(lines.size()) - 1;
  doc_.CurChar = currentLine().CharCount();
}

void DocumentBuilder::closeRow(const TextPosition& at) {
  RowProps row;
  forEachSprm(at.paragraphSprms, [&](const Sprm& s) { applyRowSprm(s, row); });
  const int32_t cells = cellsInRow_;
  cellsInRow_ = 0;
  if (cells < 1 || cells > static_cast<int32_t>(kMaxRowCells) || cells != row.cells || cells > doc_.CurLine) return;
  // Boundaries must increase; otherwise the cells share the row equally.
  bool increasing = true;
  for (size_t i = 1; i < row.boundaries.size(); ++i) increasing = increasing && row.boundaries[i] > row.boundaries[i - 1];
  const TFieldRec& body = doc_.Fields.front();
  const double rowLeft = twipsToMm(row.boundaries.front());
  const double rowWidth = twipsToMm(std::abs(row.boundaries.back() - row.boundaries.front()));
  for (int32_t i = 0; i < cells; ++i) {
    TLineRec& line = doc_.Fields[static_cast<size_t>(doc_.CurField)].Lines[static_cast<size_t>(doc_.CurLine - cells + i)];
    line.InTable = 1;
    line.CellFirstLine = line.CellLastLine = 1;
    line.RowCells = cells;
    line.CellIndex = i;
    line.LineEnd = kLineEndParagraph;
    line.CellDesign = TCellDesign{};
    line.RowLeft = rowLeft;
    line.RowRight = 0;
    line.CellWidthWeight = increasing ? twipsToMm(row.boundaries[static_cast<size_t>(i) + 1] - row.boundaries[static_cast<size_t>(i)]) : 1.0;
    if (line.ColumnCount > 0)
      line.RowRight = (doc_.PageWidth - body.MarginLeft - body.MarginRight) / line.ColumnCount - rowLeft - rowWidth;
    const Shading shading = static_cast<size_t>(i) < row.shading.size() ? row.shading[static_cast<size_t>(i)] : Shading{};
    if (shading.present()) {
      line.CellDesign.BackColor = shadingColor(shading);
      line.CellDesign.BackTransparent = 0;
    }
  }
}

}  // namespace vendaro::word
