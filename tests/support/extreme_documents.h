// extreme_documents.h — documents at the edges of what a file can ask for:
// one family per kind of size (a far tab stop with a leader, many empty
// lines, a giant word, long text, long tables, tabs only, an overflowing
// chain of boxes, a 10 m page, huge pictures). Each is built at the size
// given, so tests use small ones and benchmarks the large ones. Core only.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "document/document.h"
#include "document/page_setup.h"
#include "platform/dib.h"

namespace vendaro::test {

enum class ExtremeFamily {
  farTabLeader,   // size: the tab stop's position, mm
  emptyLines,     // size: empty lines, one paragraph of line breaks
  giantWord,      // size: letters of one word
  longText,       // size: characters in paragraphs of 1,000
  longTable,      // size: rows of three cells
  tabsOnly,       // size: tabs in one line
  boxChain,       // size: linked boxes, with twice the text they hold
  tenMetrePage,   // size: characters on a 10 × 10 m page
  bitmapPicture,  // size: side of a square 1-bit picture, pixels
  truecolourPicture,  // size: side of a square 32-bit picture, pixels
};

inline const char* extremeFamilyName(ExtremeFamily family) {
  static constexpr const char* kNames[] = {"far-tab-leader", "empty-lines", "giant-word", "long-text", "long-table",
                                           "tabs-only",      "box-chain",   "ten-metre-page", "bitmap-picture",
                                           "truecolour-picture"};
  return kNames[static_cast<int>(family)];
}

namespace extreme_detail {

inline int32_t arialFont(Document& doc) {
  doc.CurFont.Size = 11.0;
  SetPCharText(doc.CurFont.Name, "Arial");
  return doc.GetNewFontIndex(doc.CurFont);
}

inline TCharRec characterCell(Document& doc, uint8_t ch, int32_t font) {
  TCharRec cell;
  cell.Ch = ch;
  cell.FontIndex = font;
  doc.RenderChar(cell);
  return cell;
}

inline TLineRec textLine(Document& doc, std::string_view text, int32_t font, int32_t lineEnd = kLineEndParagraph) {
  TLineRec line;
  line.LineEnd = lineEnd;
  line.Chars.reserve(text.size());
  for (char c : text) line.Chars.push_back(characterCell(doc, static_cast<uint8_t>(c), font));
  return line;
}

// Words of two to nine letters, the same every time.
inline std::string words(int64_t length) {
  std::string text;
  text.reserve(static_cast<size_t>(length));
  for (int64_t i = 0; static_cast<int64_t>(text.size()) < length; ++i) {
    const int64_t word = 2 + i * 7 % 8;
    for (int64_t k = 0; k < word && static_cast<int64_t>(text.size()) < length; ++k)
      text.push_back(static_cast<char>('a' + (i + k) % 26));
    if (static_cast<int64_t>(text.size()) < length) text.push_back(' ');
  }
  return text;
}

inline void paragraphs(Document& doc, LineList& lines, int64_t characters, int64_t perParagraph) {
  const int32_t font = arialFont(doc);
  lines.clear();
  for (int64_t done = 0; done < characters; done += perParagraph)
    lines.push_back(textLine(doc, words(std::min(perParagraph, characters - done)), font));
  if (lines.empty()) lines.push_back(TLineRec{});
}

inline void farTabLeader(Document& doc, double positionMm) {
  const int32_t font = arialFont(doc);
  TLineRec line = textLine(doc, "Preis\tEnde", font);
  line.Para.Tabs = {TTabStop{positionMm, 0, 2}};
  line.Chars[5].TabLeader = 2;
  doc.Fields[0].Lines = {std::move(line)};
}

inline void emptyLines(Document& doc, int64_t count) {
  LineList& lines = doc.Fields[0].Lines;
  TLineRec empty;
  empty.LineEnd = kLineEndManual;
  lines.assign(static_cast<size_t>(count), empty);
  lines.back().LineEnd = kLineEndParagraph;
}

inline void longTable(Document& doc, int64_t rows) {
  const int32_t font = arialFont(doc);
  constexpr int32_t kCells = 3;
  LineList& lines = doc.Fields[0].Lines;
  lines.clear();
  for (int64_t row = 0; row < rows; ++row) {
    for (int32_t cell = 0; cell < kCells; ++cell) {
      TLineRec line = textLine(doc, "Zelle " + std::to_string(row), font);
      line.InTable = 1;
      line.CellFirstLine = line.CellLastLine = 1;
      line.RowCells = kCells;
      line.CellIndex = cell;
      lines.push_back(std::move(line));
    }
  }
  lines.push_back(TLineRec{});
}

inline void tabsOnly(Document& doc, int64_t count) {
  const int32_t font = arialFont(doc);
  doc.Fields[0].Lines = {textLine(doc, std::string(static_cast<size_t>(count), '\t'), font)};
}

// Boxes of 38 × 30 mm in rows of 20 on an A0 page, linked in order; the
// first holds twice the text the chain can show (about 600 characters a box).
inline void boxChain(Document& doc, int64_t boxes) {
  const int32_t first = doc.FieldCount();
  for (int32_t box = 0; box < boxes; ++box) {
    TFieldRec& frame = doc.NewPage(false);
    frame.FieldType = kFieldTextBox;
    frame.Left = 10.0 + (box % 20) * 41.0;
    frame.Top = 10.0 + (box / 20 % 20) * 58.0;
    frame.Right = frame.Left + 38.0;
    frame.Bottom = frame.Top + 30.0;
    frame.RightFromRight = frame.BottomFromBottom = frame.TopFromBottom = 0;
    frame.WrapText = 0;
    frame.MoveWithText = 0;
    frame.MarginLeft = frame.MarginTop = frame.MarginRight = frame.MarginBottom = 1.0;
    frame.PrevField = box == 0 ? -1 : first + box - 1;
    frame.NextField = box + 1 == boxes ? -1 : first + box + 1;
    frame.Lines = {TLineRec{}};
  }
  paragraphs(doc, doc.Fields[static_cast<size_t>(first)].Lines, boxes * 1200, 300);
}

inline void pictureFrame(Document& doc, int side, int bits) {
  TPictureRec picture;
  if (!newdib(picture, side, side, bits)) return;
  // Stripes a quarter of the height each, so that the picture is not flat.
  uint8_t* pixels = picture.mutablePixels();
  for (int y = 0; y < side; ++y)
    std::memset(pixels + static_cast<size_t>(y) * picture.RowBytes, (y * 4 / side) % 2 ? 0xAA : 0x00, picture.RowBytes);
  doc.Pictures.push_back(std::move(picture));
  TFieldRec& frame = doc.NewPage(true);
  frame.FieldType = kFieldPicture;
  frame.Left = 20, frame.Top = 20, frame.Right = 190, frame.Bottom = 190;
  frame.RightFromRight = frame.BottomFromBottom = frame.TopFromBottom = 0;
  frame.WrapText = 0;
  frame.MoveWithText = 0;
  frame.KeepAspect = 1;
  TCharRec cell;
  cell.Kind = kCellPicture;
  cell.FontIndex = arialFont(doc);  // every cell names a font of the table
  cell.PictureIndex = static_cast<int32_t>(doc.Pictures.size()) - 1;
  frame.Lines[0].Chars.push_back(cell);
}

inline void setPaper(Document& doc, double widthMm, double heightMm) {
  PageSetupValues values = currentPageSetup(doc);
  values.PageWidth = widthMm;
  values.PageHeight = heightMm;
  applyPageSetup(doc, values, true);
}

}  // namespace extreme_detail

// A fresh document with header and footer, its body holding the family's
// content at `size`; every line marked for layout.
inline Document extremeDocument(ExtremeFamily family, int64_t size) {
  using namespace extreme_detail;
  Document doc;
  doc.NewPage(true);
  doc.CreateHeaderFooter();
  switch (family) {
    case ExtremeFamily::farTabLeader: farTabLeader(doc, static_cast<double>(size)); break;
    case ExtremeFamily::emptyLines: emptyLines(doc, size); break;
    case ExtremeFamily::giantWord: doc.Fields[0].Lines = {textLine(doc, std::string(size_t(size), 'w'), arialFont(doc))}; break;
    case ExtremeFamily::longText: paragraphs(doc, doc.Fields[0].Lines, size, 1000); break;
    case ExtremeFamily::longTable: longTable(doc, size); break;
    case ExtremeFamily::tabsOnly: tabsOnly(doc, size); break;
    case ExtremeFamily::boxChain:
      setPaper(doc, 841.0, 1189.0);
      boxChain(doc, size);
      break;
    case ExtremeFamily::tenMetrePage:
      setPaper(doc, 10000.0, 10000.0);
      paragraphs(doc, doc.Fields[0].Lines, size, 1000);
      break;
    case ExtremeFamily::bitmapPicture: pictureFrame(doc, static_cast<int>(size), 1); break;
    case ExtremeFamily::truecolourPicture: pictureFrame(doc, static_cast<int>(size), 32); break;
  }
  doc.SetAllDirtyFlags();
  return doc;
}

}  // namespace vendaro::test
