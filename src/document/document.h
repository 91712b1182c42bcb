// document.h — one open document: its frames, font table, styles, pictures,
// caret and selection, page setup and the store operations that create, grow
// and free the records. The editor (editing/) owns one and carries the
// commands; readers and writers work on it directly.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/font_table.h"
#include "document/records.h"
#include "platform/dib.h"

namespace vendaro {

class FontEngine;
class CellMeasurer;

// Absolute frame rectangle on the paper, mm.
struct FrameBounds {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// How a plain text file held its characters, so that saving it again as
// text writes them back the same way.
enum class TextFileEncoding : uint8_t { codePage, utf8, utf8WithMark };

inline constexpr int kDocPropCount = 8;
inline constexpr int32_t kNoPrinterDPI = 600;
inline constexpr int32_t kLastPageNo = 9999;

class Document {
 public:
  explicit Document(FontEngine& fonts);
  Document();  // measures with the program-wide font engine
  ~Document();
  Document(const Document& other);
  Document& operator=(const Document& other);
  Document(Document&&) noexcept;
  Document& operator=(Document&&) noexcept;

  // --- records -----------------------------------------------------------
  std::vector<TFieldRec> Fields;
  FontTable Fonts;
  std::vector<TStyleRec> Styles;
  std::vector<TPictureRec> Pictures;

  int32_t CurField = 0, CurLine = 0, CurChar = 0;
  int32_t MarkField = 0, MarkLine = 0, MarkChar = 0;
  int32_t CaretPage = 0;
  uint8_t CaretAtLineEnd = 0;
  double ZoomPercent = 100.0;
  int32_t ZoomMode = 0;
  uint8_t AutoHyphenate = 1;
  int32_t DocLanguage = 0;
  int32_t FootnoteCounter = 0;
  std::array<std::string, kDocPropCount> DocProps;
  double PageWidth = 210.0, PageHeight = 297.0;
  int32_t PrinterDPI = kNoPrinterDPI;
  int32_t PageWidthPx = 0, PageHeightPx = 0;
  TFontRec CurFont = defaultCurFont();
  std::string DocFileName, DocTitle;
  uint8_t Modified = 0;
  TextFileEncoding TextEncoding = TextFileEncoding::codePage;

  int32_t FieldCount() const { return static_cast<int32_t>(Fields.size()); }
  int32_t FontCount() const { return Fonts.size(); }
  int32_t StyleCount() const { return static_cast<int32_t>(Styles.size()); }
  int32_t PictureCount() const { return static_cast<int32_t>(Pictures.size()); }

  // --- store operations --------------------------------------------------
  TFieldRec& NewField();
  // Appends a frame: the page-1 body when it is the first, else a copy of
  // frame 0 without lines or chain links. `withLine` gives it one empty line.
  TFieldRec& NewPage(bool withLine);
  static void InitNewLine(LineList& lines, size_t index);
  void InsertNewLine(int32_t field, int32_t at);
  // Inserts a cell at the caret, with the input format's font; null when the
  // caret lies outside the records.
  TCharRec* NewChar();
  static void freezeichen(TCharRec& cell);
  int32_t GetNewFontIndex(const TFontRec& font) { return Fonts.GetNewFontIndex(font); }
  void FreeFields();
  void DeleteField(int32_t index);
  void CreateHeaderFooter();
  // One more than the largest PageNo of a frame; a frame whose PageNo lies
  // outside 0…kLastPageNo (a damaged file) makes no pages.
  int32_t GetAnzPages() const;
  int32_t GetFieldofPage(int32_t page) const;
  int32_t GetFootNoteField(int32_t id) const;
  void ClearAllDirtyFlags();
  void SetAllDirtyFlags();
  void SetFileChanged(bool flag) { Modified = flag ? 1 : 0; }
  // Measures the cell at printer resolution; `superscript` first moves the
  // cell to the superscript variant of its font (footnote marks).
  void RenderChar(TCharRec& cell, bool superscript, std::string_view text);
  // Measures a plain character cell by its own character.
  void RenderChar(TCharRec& cell) { RenderChar(cell, false, std::string_view(reinterpret_cast<const char*>(&cell.Ch), 1)); }
  // Height of a line of text in `font` at printer resolution, mm, measured
  // without adding the font to the table (empty lines take it from the
  // input format).
  double fontHeightMm(const TFontRec& font) const;
  // Width of `text` in font table entry `fontIndex` at printer resolution,
  // mm, measured as RenderChar measures a cell.
  double textWidthMm(int32_t fontIndex, std::string_view text) const;

  // --- page and frame geometry ------------------------------------------
  void SetPrinterProps();
  double paperWidthMm() const;
  double paperHeightMm() const;
  FrameBounds fieldBounds(const TFieldRec& field) const;

  FontEngine& fontEngine() const { return *fonts_; }

 private:
  FontEngine* fonts_;
  // Measurements per font entry; never shared between copies, since a copy
  // (an undo snapshot) may later grow a different table.
  std::unique_ptr<CellMeasurer> measurer_;
};

}  // namespace vendaro
