#include "document/document.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

#include "document/cell_measurer.h"
#include "document/line_cells.h"
#include "platform/font_engine.h"

namespace vendaro {

Document::Document(FontEngine& fonts) : fonts_(&fonts), measurer_(std::make_unique<CellMeasurer>(fonts)) {
  SetPrinterProps();
}

Document::Document() : Document(FontEngine::shared()) {}

Document::~Document() = default;

Document::Document(const Document& other)
    : Fields(other.Fields), Fonts(other.Fonts), Styles(other.Styles), Pictures(other.Pictures),
      CurField(other.CurField), CurLine(other.CurLine), CurChar(other.CurChar),
      MarkField(other.MarkField), MarkLine(other.MarkLine), MarkChar(other.MarkChar),
      CaretPage(other.CaretPage), CaretAtLineEnd(other.CaretAtLineEnd), ZoomPercent(other.ZoomPercent),
      ZoomMode(other.ZoomMode), AutoHyphenate(other.AutoHyphenate), DocLanguage(other.DocLanguage),
      FootnoteCounter(other.FootnoteCounter), DocProps(other.DocProps), PageWidth(other.PageWidth),
      PageHeight(other.PageHeight), PrinterDPI(other.PrinterDPI), PageWidthPx(other.PageWidthPx),
      PageHeightPx(other.PageHeightPx), CurFont(other.CurFont), DocFileName(other.DocFileName),
      DocTitle(other.DocTitle), Modified(other.Modified), TextEncoding(other.TextEncoding), fonts_(other.fonts_),
      measurer_(std::make_unique<CellMeasurer>(*other.fonts_)) {}

Document& Document::operator=(const Document& other) {
  if (this != &other) {
    Document copy(other);
    *this = std::move(copy);
  }
  return *this;
}

Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;

TFieldRec& Document::NewField() {
  Fields.emplace_back();
  return Fields.back();
}

namespace {

// The page-1 body covers the whole paper; its margins are the page margins.
TFieldRec pageBodyDefaults() {
  TFieldRec f;
  f.MarginLeft = f.MarginTop = f.MarginRight = f.MarginBottom = 25.0;
  f.ShowOn = kShowOnOnePage;
  f.WrapText = 1;
  f.MoveWithText = 1;
  f.WrapMode = 0;
  f.TextDistY = f.TextDistX = 3.2;
  f.BackColor = 0xFFFFFF;
  f.Transparent = 1;
  f.BottomFromBottom = 1;
  f.RightFromRight = 1;
  f.FieldType = kFieldBody;
  f.KeepAspect = 1;
  return f;
}

}  // namespace

TFieldRec& Document::NewPage(bool withLine) {
  TFieldRec frame;
  if (Fields.empty()) {
    frame = pageBodyDefaults();
  } else {
    frame = Fields.front();
    frame.Lines.clear();
  }
  frame.PrevField = -1;
  frame.NextField = -1;
  if (withLine) InitNewLine(frame.Lines, 0);
  Fields.push_back(std::move(frame));
  return Fields.back();
}

void Document::InitNewLine(LineList& lines, size_t index) {
  if (index >= lines.size()) lines.resize(index + 1);
  lines[index] = TLineRec{};
}

void Document::InsertNewLine(int32_t field, int32_t at) {
  assert(field >= 0 && field < FieldCount());
  auto& lines = Fields[static_cast<size_t>(field)].Lines;
  assert(at >= 0 && at <= static_cast<int32_t>(lines.size()));
  lines.insert(lines.begin() + at, TLineRec{});
}

TCharRec* Document::NewChar() {
  if (CurField < 0 || CurField >= FieldCount()) return nullptr;
  TFieldRec& field = Fields[static_cast<size_t>(CurField)];
  if (CurLine < 0 || CurLine > field.LineCount()) return nullptr;
  if (CurLine == field.LineCount()) InsertNewLine(CurField, CurLine);
  TLineRec& line = field.Lines[static_cast<size_t>(CurLine)];
  if (CurChar < 0 || CurChar > line.CharCount()) return nullptr;
  TCharRec cell;
  cell.Ch = 'a';
  cell.FontIndex = GetNewFontIndex(CurFont);
  return &*line.Chars.insert(line.Chars.begin() + CurChar, std::move(cell));
}

void Document::freezeichen(TCharRec& cell) {
  cell.Text.reset();
  cell.Code.reset();
}

void Document::FreeFields() { Fields.clear(); }

void Document::DeleteField(int32_t index) {
  assert(index >= 0 && index < FieldCount());
  TFieldRec& gone = Fields[static_cast<size_t>(index)];
  if (gone.PrevField >= 0 && gone.PrevField < FieldCount()) Fields[static_cast<size_t>(gone.PrevField)].NextField = -1;
  if (gone.NextField >= 0 && gone.NextField < FieldCount()) Fields[static_cast<size_t>(gone.NextField)].PrevField = -1;
  Fields.erase(Fields.begin() + index);
  for (TFieldRec& f : Fields) {
    if (f.PrevField > index) --f.PrevField;
    if (f.NextField > index) --f.NextField;
  }
}

void Document::CreateHeaderFooter() {
  static constexpr uint8_t kShowOn[3][2] = {{kShowOnUnused, kShowOnUnused},
                                            {kShowOnUnused, kShowOnUnused},
                                            {kShowOnAllPages, kShowOnAllPages}};
  for (const auto& pair : kShowOn) {
    TFieldRec header;
    header.Bottom = 24.5;
    header.RightFromRight = 1;
    header.MarginLeft = 25.0;
    header.MarginTop = 11.0;
    header.MarginRight = 25.0;
    header.FieldType = kFieldHeader;
    header.WrapText = header.MoveWithText = 1;
    header.TextDistY = header.TextDistX = 3.2;
    header.BackColor = 0xFFFFFF;
    header.Transparent = 1;
    header.KeepAspect = 1;
    header.ShowOn = pair[0];
    InitNewLine(header.Lines, 0);

    TFieldRec footer = header;
    footer.Top = 24.5;
    footer.Bottom = 0;
    footer.TopFromBottom = footer.BottomFromBottom = footer.RightFromRight = 1;
    footer.MarginTop = 0;
    footer.MarginBottom = 11.0;
    footer.FieldType = kFieldFooter;
    footer.ShowOn = pair[1];

    Fields.push_back(std::move(header));
    Fields.push_back(std::move(footer));
  }
}

int32_t Document::GetAnzPages() const {
  int32_t last = 0;
  for (const TFieldRec& f : Fields)
    if (f.PageNo >= 0 && f.PageNo <= kLastPageNo) last = std::max(last, f.PageNo);
  return last + 1;
}

int32_t Document::GetFieldofPage(int32_t page) const {
  int32_t found = 0;
  for (int32_t i = 0; i < FieldCount(); ++i) {
    const TFieldRec& f = Fields[static_cast<size_t>(i)];
    if (f.FieldType == kFieldBody && f.PageNo == page) found = i;
  }
  return found;
}

int32_t Document::GetFootNoteField(int32_t id) const {
  int32_t found = -1;
  for (int32_t i = 0; i < FieldCount(); ++i) {
    const TFieldRec& f = Fields[static_cast<size_t>(i)];
    if (f.FieldType == kFieldFooter && f.FootnoteNo == id) found = i;
  }
  return found;
}

namespace {
// Writes only the lines whose flag differs: a line shared with undo steps is
// copied when written, and clearing after every layout must not copy all.
void setEveryDirtyFlag(std::vector<TFieldRec>& fields, uint8_t dirty) {
  for (TFieldRec& f : fields) {
    const LineList& lines = f.Lines;
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].Dirty != dirty) f.Lines[i].Dirty = dirty;
  }
}
}  // namespace

// Only lines changed since the last clean-up can be dirty: the others are
// passed over by their marks, and the changed ones are noted afresh.
void Document::ClearAllDirtyFlags() {
  for (TFieldRec& f : Fields) {
    const LineList& lines = f.Lines;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (!lines.changed(i)) continue;
      if (lines[i].Dirty) f.Lines[i].Dirty = 0;
      f.Lines.settle(i, lineMarksOf(lines[i]));
    }
  }
}

void Document::SetAllDirtyFlags() { setEveryDirtyFlag(Fields, 1); }

void Document::RenderChar(TCharRec& cell, bool superscript, std::string_view text) {
  assert(cell.FontIndex >= 0 && cell.FontIndex < FontCount());
  if (superscript) {
    TFontRec raised = Fonts[cell.FontIndex];
    SettingOps(raised.Attr, kAttrSuperscript, true);
    cell.FontIndex = GetNewFontIndex(raised);
  }
  const TFontRec& font = Fonts[cell.FontIndex];
  CellSize size = measurer_->measure(font, cell.FontIndex, PrinterDPI, text);
  cell.CharWidth = size.width;
  cell.CharHeight = size.height;
}

double Document::fontHeightMm(const TFontRec& font) const { return measurer_->heightMm(font, PrinterDPI); }

double Document::textWidthMm(int32_t fontIndex, std::string_view text) const {
  if (fontIndex < 0 || fontIndex >= FontCount()) return 0.0;
  return measurer_->measure(Fonts[fontIndex], fontIndex, PrinterDPI, text).width;
}

void Document::SetPrinterProps() {
  PrinterDPI = kNoPrinterDPI;
  PageWidthPx = static_cast<int32_t>(std::trunc(PageWidth / kMmPerInch * PrinterDPI));
  PageHeightPx = static_cast<int32_t>(std::trunc(PageHeight / kMmPerInch * PrinterDPI));
}

double Document::paperWidthMm() const { return static_cast<double>(PageWidthPx) / PrinterDPI * kMmPerInch; }
double Document::paperHeightMm() const { return static_cast<double>(PageHeightPx) / PrinterDPI * kMmPerInch; }

FrameBounds Document::fieldBounds(const TFieldRec& f) const {
  FrameBounds b;
  b.x1 = f.Left;
  b.x2 = f.RightFromRight ? paperWidthMm() - f.Right : f.Right;
  b.y2 = f.BottomFromBottom ? paperHeightMm() - f.Bottom : f.Bottom;
  b.y1 = (f.TopFromBottom && f.BottomFromBottom) ? paperHeightMm() - f.Top : f.Top;
  return b;
}

}  // namespace vendaro
