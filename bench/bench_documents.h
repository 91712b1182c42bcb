// bench_documents.h — the long text the benchmarks lay out, type into and
// copy: paragraphs of German-looking words in Arial (11 point unless said),
// one line each,
// marked for layout.
#pragma once

#include <iterator>
#include <random>
#include <string>

#include "document/document.h"
#include "document/page_setup.h"
#include "editing/editor_host.h"
#include "platform/dib.h"

namespace vendaro::bench {

inline constexpr int kParagraphs = 2000;
inline constexpr int kParagraphLength = 150;  // 300,000 characters in all

// Words of 2 to 14 letters with spaces between them.
inline std::string germanLookingWords(std::mt19937& random, size_t length) {
  static const std::string letters = "eeeeennnniiiissssrrrraaaatttdhulcgmobwfkz";
  std::string text;
  while (text.size() < length) {
    const int word = std::uniform_int_distribution<int>(2, 14)(random);
    for (int i = 0; i < word; ++i) text.push_back(letters[random() % letters.size()]);
    text.push_back(' ');
  }
  text.resize(length);
  return text;
}

// Replaces the lines of frame 0 with the paragraphs.
inline void fillWithParagraphs(Document& doc, std::mt19937& random, int paragraphs = kParagraphs,
                               int length = kParagraphLength, double points = 11.0) {
  doc.CurFont.Size = points;
  SetPCharText(doc.CurFont.Name, "Arial");
  const int32_t font = doc.GetNewFontIndex(doc.CurFont);
  auto& lines = doc.Fields[0].Lines;
  lines.assign(static_cast<size_t>(paragraphs), TLineRec{});
  for (TLineRec& line : lines) {
    line.LineEnd = kLineEndParagraph;
    for (char c : germanLookingWords(random, static_cast<size_t>(length))) {
      TCharRec cell;
      cell.Ch = static_cast<uint8_t>(c);
      cell.FontIndex = font;
      doc.RenderChar(cell);
      line.Chars.push_back(cell);
    }
  }
  doc.SetAllDirtyFlags();
}

// An A0 page (841 × 1189 mm) as a poster: `characters` of text at 18
// points in paragraphs of 200, and, when asked, a picture of about 20
// megapixels (5472 × 3648, a smooth gradient with grain) in a frame of its
// own across the lower half. Marked for layout.
// Puts `count` field cells of every kind at random places of the page-1
// body's text, the lines they go into marked dirty.
inline void scatterFields(Document& doc, std::mt19937& random, int count) {
  static const char* const kCodes[] = {"page", "pagecount", "autonumber", "datetimedd.mm.yyyy", "file", "filepath",
                                       "userinf1", "docinf1", "FormFieldKunde", "dbase"};
  LineList& lines = doc.Fields[0].Lines;
  for (int k = 0; k < count; ++k) {
    TLineRec& line = lines[random() % lines.size()];
    TCharRec cell;
    cell.Kind = kCellField;
    cell.Ch = 'a';
    cell.FontIndex = line.Chars.empty() ? 0 : line.Chars.front().FontIndex;
    SetPCharText(cell.Code, kCodes[k % std::size(kCodes)]);
    SetPCharText(cell.Text, "Feld");
    line.Chars.insert(line.Chars.begin() + static_cast<std::ptrdiff_t>(random() % (line.Chars.size() + 1)), cell);
    line.Dirty = 1;
  }
}

// A 5472 × 3648 photo-like bitmap (20 megapixels) with a little grain.
inline TPictureRec twentyMegapixelPhoto(std::mt19937& random) {
  TPictureRec photo;
  constexpr int kWidth = 5472, kHeight = 3648;
  if (!newdib(photo, kWidth, kHeight, 24)) return photo;
  uint8_t* pixels = photo.mutablePixels();
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* row = pixels + static_cast<size_t>(y) * photo.RowBytes;
    for (int x = 0; x < kWidth; ++x) {
      const unsigned grain = random() & 7;
      row[3 * x] = static_cast<uint8_t>(x * 200 / kWidth + grain);
      row[3 * x + 1] = static_cast<uint8_t>(y * 200 / kHeight + grain);
      row[3 * x + 2] = static_cast<uint8_t>(128 + grain);
    }
  }
  return photo;
}

// Appends a picture frame showing `picture` at the given edges (mm).
inline void addPictureFrame(Document& doc, TPictureRec picture, double left, double top, double right, double bottom) {
  doc.Pictures.push_back(std::move(picture));
  TFieldRec& frame = doc.NewPage(true);
  frame.FieldType = kFieldPicture;
  frame.Left = left, frame.Top = top, frame.Right = right, frame.Bottom = bottom;
  frame.RightFromRight = frame.BottomFromBottom = 0;
  frame.WrapText = 0;
  frame.MoveWithText = 0;
  frame.KeepAspect = 1;
  TCharRec cell;
  cell.Kind = kCellPicture;
  cell.PictureIndex = static_cast<int32_t>(doc.Pictures.size()) - 1;
  frame.Lines[0].Chars.push_back(cell);
}

inline Document a0PosterDocument(int characters, bool withPicture) {
  Document doc;
  doc.NewPage(true);
  doc.CreateHeaderFooter();
  PageSetupValues a0 = currentPageSetup(doc);
  a0.PageWidth = 841.0;
  a0.PageHeight = 1189.0;
  applyPageSetup(doc, a0, true);
  std::mt19937 random(3);
  constexpr int kPerParagraph = 200;
  fillWithParagraphs(doc, random, characters / kPerParagraph, kPerParagraph, 18.0);
  if (!withPicture) return doc;
  TPictureRec photo = twentyMegapixelPhoto(random);
  if (!photo.hasPixels()) return doc;
  addPictureFrame(doc, std::move(photo), 40, 700, 800, 1150);
  return doc;
}

// A host that shows nothing and answers no dialog: the commands run as
// they would with every message dismissed.
class QuietHost : public EditorHost {
 public:
  void showMessage(const std::string&, MessageIcon, const std::string&) override {}
  void setStatusText(int, const std::string&) override {}
  void setCaption(const std::string&) override {}
};

}  // namespace vendaro::bench
