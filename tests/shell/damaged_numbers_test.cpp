// Files whose stored numbers were damaged: every double of every record set
// to NaN, ±infinity, ±1e300, 0 and −1 in turn. Each file opens (or is
// refused with the message), lays out, paints, saves and opens again, with
// every number the painter meets finite and in range. Under the sanitizer
// build no conversion of such a value may overflow.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "document/record_ranges.h"
#include "editing/editor.h"
#include "editing/settle_layout.h"
#include "formats/lpx_file.h"
#include "shell/document_files.h"
#include "support/recording_canvas.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;

using Damage = std::function<void(Document&, double)>;
struct DoubleField {
  const char* name;
  Damage damage;
};

void eachParagraph(Document& doc, const std::function<void(TParaFormat&)>& change) {
  for (TStyleRec& style : doc.Styles) change(style.Para);
  for (TFieldRec& frame : doc.Fields)
    for (TLineRec& line : frame.Lines) change(line.Para);
}

void eachLine(Document& doc, const std::function<void(TLineRec&)>& change) {
  for (TFieldRec& frame : doc.Fields)
    for (TLineRec& line : frame.Lines) change(line);
}

// Cells whose measures the file stores (characters are measured anew), and
// the character images of the styles.
void eachStoredCell(Document& doc, const std::function<void(TCharRec&)>& change) {
  for (TStyleRec& style : doc.Styles) change(style.Char);
  eachLine(doc, [&](TLineRec& line) {
    for (TCharRec& cell : line.Chars)
      if (cell.Kind != kCellChar) change(cell);
  });
}

template <typename Member>
DoubleField paragraphField(const char* name, Member member) {
  return {name, [member](Document& doc, double v) { eachParagraph(doc, [&](TParaFormat& p) { p.*member = v; }); }};
}
template <typename Member>
DoubleField lineField(const char* name, Member member) {
  return {name, [member](Document& doc, double v) { eachLine(doc, [&](TLineRec& l) { l.*member = v; }); }};
}
template <typename Member>
DoubleField frameField(const char* name, Member member) {
  return {name, [member](Document& doc, double v) {
            for (TFieldRec& frame : doc.Fields) frame.*member = v;
          }};
}

// Every double the native file stores, record by record.
std::vector<DoubleField> everyStoredDouble() {
  std::vector<DoubleField> fields = {
      {"ZoomPercent", [](Document& doc, double v) { doc.ZoomPercent = v; }},
      {"Font.Size",
       [](Document& doc, double v) {
         std::vector<TFontRec> fonts = doc.Fonts.entries();
         for (TFontRec& font : fonts) font.Size = v;
         doc.Fonts.assign(std::move(fonts));
       }},
      paragraphField("LineSpacing", &TParaFormat::LineSpacing),
      paragraphField("SpaceBefore", &TParaFormat::SpaceBefore),
      paragraphField("SpaceAfter", &TParaFormat::SpaceAfter),
      paragraphField("LeftIndent", &TParaFormat::LeftIndent),
      paragraphField("RightIndent", &TParaFormat::RightIndent),
      paragraphField("FirstLineIndent", &TParaFormat::FirstLineIndent),
      paragraphField("DefaultTabWidth", &TParaFormat::DefaultTabWidth),
      paragraphField("ListIndent", &TParaFormat::ListIndent),
      {"Tab.Pos",
       [](Document& doc, double v) {
         eachParagraph(doc, [&](TParaFormat& p) {
           for (TTabStop& stop : p.Tabs) stop.Pos = v;
         });
       }},
      {"Cell.CharWidth", [](Document& doc, double v) { eachStoredCell(doc, [&](TCharRec& c) { c.CharWidth = v; }); }},
      {"Cell.CharHeight", [](Document& doc, double v) { eachStoredCell(doc, [&](TCharRec& c) { c.CharHeight = v; }); }},
      lineField("CellWidthWeight", &TLineRec::CellWidthWeight),
      lineField("RowLeft", &TLineRec::RowLeft),
      lineField("RowRight", &TLineRec::RowRight),
      lineField("ColumnGap", &TLineRec::ColumnGap),
      {"CellDesign.BorderWidth",
       [](Document& doc, double v) {
         eachLine(doc, [&](TLineRec& l) { l.CellDesign.BorderWidth.fill(v); });
       }},
      frameField("Left", &TFieldRec::Left),
      frameField("Top", &TFieldRec::Top),
      frameField("Right", &TFieldRec::Right),
      frameField("Bottom", &TFieldRec::Bottom),
      frameField("MarginLeft", &TFieldRec::MarginLeft),
      frameField("MarginTop", &TFieldRec::MarginTop),
      frameField("MarginRight", &TFieldRec::MarginRight),
      frameField("MarginBottom", &TFieldRec::MarginBottom),
      frameField("TextDistY", &TFieldRec::TextDistY),
      frameField("TextDistX", &TFieldRec::TextDistX),
      frameField("BorderWidth", &TFieldRec::BorderWidth),
      frameField("AnchorDX", &TFieldRec::AnchorDX),
      frameField("AnchorDY", &TFieldRec::AnchorDY),
      frameField("NewAnchorDX", &TFieldRec::NewAnchorDX),
      frameField("NewAnchorDY", &TFieldRec::NewAnchorDY),
      frameField("AnchorDist", &TFieldRec::AnchorDist),
      {"PageWidth", [](Document& doc, double v) { doc.PageWidth = v; }},
      {"PageHeight", [](Document& doc, double v) { doc.PageHeight = v; }},
  };
  return fields;
}

constexpr double kDamagedValues[] = {std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::infinity(),
                                     -std::numeric_limits<double>::infinity(),
                                     1e300,
                                     -1e300,
                                     0.0,
                                     -1.0};

// What the painter sizes things by is finite and within what the dialogs
// or the stored-length limit allow.
void expectInRange(const Document& doc) {
  EXPECT_TRUE(doc.PageWidth >= kMinPaperMm && doc.PageWidth <= kMaxPaperMm) << doc.PageWidth;
  EXPECT_TRUE(doc.PageHeight >= kMinPaperMm && doc.PageHeight <= kMaxPaperMm) << doc.PageHeight;
  EXPECT_TRUE(doc.ZoomPercent >= 1 && doc.ZoomPercent <= 1000) << doc.ZoomPercent;
  for (const TFontRec& font : doc.Fonts.entries()) EXPECT_TRUE(font.Size >= kMinFontSize && font.Size <= kMaxFontSize);
  auto length = [](double v) { return std::isfinite(v) && std::abs(v) <= kMaxStoredLengthMm; };
  for (const TFieldRec& frame : doc.Fields) {
    EXPECT_TRUE(length(frame.Left) && length(frame.Top) && length(frame.Right) && length(frame.Bottom));
    EXPECT_TRUE(frame.BorderWidth >= 0 && frame.BorderWidth <= kMaxBorderWidthPoints) << frame.BorderWidth;
    for (const TLineRec& line : frame.Lines) {
      EXPECT_TRUE(length(line.Para.LineSpacing) && length(line.Para.LeftIndent) && length(line.Para.SpaceBefore));
      EXPECT_TRUE(std::isfinite(line.CellWidthWeight) && line.CellWidthWeight >= 0);
      for (const TTabStop& stop : line.Para.Tabs) EXPECT_TRUE(stop.Pos >= 0 && stop.Pos <= kMaxPaperMm) << stop.Pos;
      for (double width : line.CellDesign.BorderWidth) EXPECT_TRUE(width >= 0 && width <= kMaxBorderWidthPoints);
      EXPECT_TRUE(line.ColumnGap >= 0 && line.ColumnGap <= kMaxStoredLengthMm) << line.ColumnGap;
      for (const TCharRec& cell : line.Chars) {
        if (cell.Kind == kCellPicture) {
          EXPECT_TRUE(cell.CharWidth >= 0 && cell.CharHeight >= 0);
        }
      }
    }
  }
}

void openPaintSaveReopen(const fs::path& file, const fs::path& saved) {
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  if (!openNativeFile(editor, file, true)) {
    // Refused: said so, and the window's document untouched.
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kNotAnLpxDocument);
    return;
  }
  expectInRange(editor.doc());
  settleLayout(editor);
  editor.paintState().viewport = PaintViewport{0, 0, 2000, 1400, 1980, 1380, 16, 16, true, true};
  test::RecordingCanvas canvas;
  editor.DrawPages(canvas, false);
  ASSERT_TRUE(saveNativeFile(editor, saved, true));
  test::RecordingHost againHost;
  Editor again(againHost);
  again.FormCreate();
  ASSERT_TRUE(openNativeFile(again, saved, true));
  expectInRange(again.doc());
  EXPECT_TRUE(host.messages.empty() && againHost.messages.empty());
}

TEST(DamagedNumbers, EveryStoredDoubleAtEveryExtremeOpensPaintsAndSaves) {
  test::TempDir dir;
  const Document sound = test::richDocument();
  for (const DoubleField& field : everyStoredDouble()) {
    for (double value : kDamagedValues) {
      SCOPED_TRACE(std::string(field.name) + " = " + std::to_string(value));
      Document damaged = sound;
      field.damage(damaged, value);
      const fs::path file = dir.file("kaputt.lpx");
      const std::vector<uint8_t> bytes = encodeLpx(damaged);
      test::writeFileBytes(file, std::string(bytes.begin(), bytes.end()));
      openPaintSaveReopen(file, dir.file("gespeichert.lpx"));
    }
  }
}

}  // namespace
}  // namespace vendaro
