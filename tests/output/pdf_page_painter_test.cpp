// Pages drawn on the PDF writer through a real editor: the operators the
// painter writes for the cases where it is easy to go wrong (invisible
// frames, thin borders, words-only underline, reduced sizes, overflowing
// text, bullets, page numbers, ellipses), and the paper as the page size.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "editing/editor.h"
#include "editing/settle_layout.h"
#include "output/pdf_canvas.h"
#include "output/pdf_inspection.h"
#include "output/pdf_page_painter.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::countOf;
using test::pageContent;

class PdfPagePainting : public ::testing::Test {
 protected:
  PdfPagePainting() : editor(host) { editor.FormCreate(); }

  Document& doc() { return editor.doc(); }

  // Every page of the settled document into a file; the file's view.
  test::PdfFileView exportPages() {
    settleLayout(editor);
    TPDFCanvas canvas(doc().fontEngine());
    const PaperPoints paper = paperPoints(doc());
    canvas.PageWidthPt = paper.width;
    canvas.PageHeightPt = paper.height;
    EXPECT_TRUE(canvas.BeginDoc(target));
    for (int32_t page = 0; page < doc().GetAnzPages(); ++page) {
      if (page > 0) canvas.NewPage();
      DrawPagesPDF(canvas, doc(), page);
    }
    EXPECT_TRUE(canvas.EndDoc());
    test::PdfFileView pdf = test::readPdf(target);
    EXPECT_EQ(pdf.problem, "");
    return pdf;
  }

  void type(const char* text, uint16_t attr = 0, double size = 20.0, uint8_t style = 0) {
    SetPCharText(doc().CurFont.Name, "Arial");
    doc().CurFont.Size = size;
    doc().CurFont.Attr = attr;
    doc().CurFont.Style = style;
    test::appendTextLine(doc(), 0, text);
    editor.RefreshContent();
  }

  // The "re" operands written right after the fill colour `rg`.
  std::vector<std::string> rectsIn(const std::string& content, const std::string& rg) {
    std::vector<std::string> found;
    const std::regex fill(rg + " rg\n((?:-?\\d+ -?\\d+ -?\\d+ -?\\d+ re\nf\n)+)");
    for (std::sregex_iterator it(content.begin(), content.end(), fill), end; it != end; ++it) {
      const std::string block = (*it)[1];
      const std::regex rect("(-?\\d+ -?\\d+ -?\\d+ -?\\d+) re");
      for (std::sregex_iterator r(block.begin(), block.end(), rect); r != end; ++r) found.push_back((*r)[1]);
    }
    return found;
  }

  test::RecordingHost host;
  Editor editor;
  test::TempDir dir;
  std::filesystem::path target = dir.file("seiten.pdf");
};

TEST_F(PdfPagePainting, PaperIsThePageAndInvisibleFramesWriteNothing) {
  TFieldRec& box = test::appendFrame(doc(), kFieldRectangle, 20, 20, 80, 60);
  box.BorderWidth = 0;
  box.BackColor = 0xFFFFFF;
  box.Transparent = 1;
  const test::PdfFileView pdf = exportPages();
  EXPECT_EQ(pageContent(pdf, 1), "");
  EXPECT_EQ(test::pageSize(target, 1), "595 x 842 pts");

  doc().PageWidth = 841, doc().PageHeight = 1189;
  doc().SetPrinterProps();
  exportPages();
  EXPECT_EQ(test::pageSize(target, 1), "2384 x 3370 pts");
}

TEST_F(PdfPagePainting, ThinTableBordersAreOnePointStrips) {
  type("Zelle");
  test::appendTableRow(doc(), {{"links", 1.0}, {"rechts", 1.0}});
  for (TLineRec& line : doc().Fields[0].Lines) {
    if (!line.InTable) continue;
    line.CellDesign.BorderPresent = {1, 1, 1, 1};
    line.CellDesign.BorderWidth = {0.2, 0.2, 0.2, 3.4};
    line.CellDesign.BorderColor = {0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF};
  }
  editor.RefreshContent();
  const std::string content = pageContent(exportPages(), 1);
  const std::vector<std::string> strips = rectsIn(content, "1 0 0");
  ASSERT_EQ(strips.size(), 8u) << content;  // four sides of two cells
  int thin = 0, thick = 0;
  for (const std::string& s : strips) {
    std::istringstream in(s);
    int x, y, w, h;
    in >> x >> y >> w >> h;
    thin += (w == 1 || h == 1) ? 1 : 0;
    thick += (w == 3) ? 1 : 0;
  }
  EXPECT_EQ(thin, 6) << content;
  EXPECT_EQ(thick, 2) << content;
}

TEST_F(PdfPagePainting, WordsOnlyUnderlineLeavesSpacesAndSuperscriptIsSmaller) {
  uint16_t words = 0;
  SettingOps(words, kAttrWordUnderline, true);
  type("ein zwei drei", words);
  uint16_t super = 0;
  SettingOps(super, kAttrSuperscript, true);
  type("hoch", super);
  const std::string content = pageContent(exportPages(), 1);
  EXPECT_EQ(countOf(content, " l\nS\n"), 3) << content;  // one underline per word
  EXPECT_NE(content.find("(zwei) Tj"), std::string::npos) << content;
  EXPECT_NE(content.find(" 12 Tf\n"), std::string::npos) << content;  // 60 % of 20 points
  EXPECT_NE(content.find(" 20 Tf\n"), std::string::npos) << content;
}

TEST_F(PdfPagePainting, AHyphenatedLineEndsWithItsHyphenAndLeadersAreOneRun) {
  type("Silben");
  settleLayout(editor);
  doc().Fields[0].Lines.back().Hyphenated = 1;
  doc().CurFont.Size = 16;
  test::appendTextLine(doc(), 0, "a\tb");
  TLineRec& tabbed = doc().Fields[0].Lines.back();
  tabbed.Chars[1].TabLeader = 2;
  tabbed.Chars[1].CharWidth = 1000.0;  // a tab of a metre
  const std::string content = pageContent(exportPages(), 1);
  EXPECT_NE(content.find("(Silben-) Tj"), std::string::npos) << content;
  EXPECT_EQ(countOf(content, " Tj\n"), 4) << content;
  // As many dots as fit a metre (2835 points) at the width the file gives
  // a dot of 16 points: 0.2778 em.
  std::smatch leader;
  ASSERT_TRUE(std::regex_search(content, leader, std::regex("\\((\\.+)\\) Tj")));
  const double dots = static_cast<double>(leader[1].length());
  EXPECT_LE(dots * 16 * 0.2778, 2835.0);
  EXPECT_GE(dots * 16 * 0.2778, 2835.0 - 2 * 16 * 0.2778);
}

TEST_F(PdfPagePainting, OverflowingTextIsClippedAndNotWritten) {
  for (int i = 0; i < 120; ++i) type(("Zeile " + std::to_string(i)).c_str());
  const std::string content = pageContent(exportPages(), 1);
  EXPECT_NE(content.find("re W n\n"), std::string::npos);
  EXPECT_NE(content.find("(Zeile) Tj"), std::string::npos);
  EXPECT_NE(content.find("(0) Tj"), std::string::npos);
  EXPECT_EQ(content.find("(119) Tj"), std::string::npos) << "a line below the frame was written";
  EXPECT_LT(countOf(content, "(Zeile) Tj"), 60);
}

TEST_F(PdfPagePainting, BulletsIgnoreTheCaretsFormatAndPageNumbersFollowThePage) {
  type("Punkt");
  TLineRec& item = doc().Fields[0].Lines.back();
  item.Para.ListKind = 1;
  item.Para.BulletChar = 0x9F;
  item.Dirty = 1;
  // The caret's format has a shadow and an underline: the bullet has neither.
  SettingOps(doc().CurFont.Attr, kAttrShadow, true);
  SettingOps(doc().CurFont.Attr, kAttrUnderline, true);
  TFieldRec& second = doc().NewPage(true);
  second.PageNo = 1;
  TCharRec field;
  field.Kind = kCellField;
  field.FontIndex = doc().Fields[0].Lines.back().Chars[0].FontIndex;
  SetPCharText(field.Code, "page");
  second.Lines[0].Chars.push_back(field);
  second.Lines[0].Dirty = 1;
  editor.RefreshContent();
  const test::PdfFileView pdf = exportPages();
  const std::string first = pageContent(pdf, 1);
  EXPECT_EQ(countOf(first, "(\x9F) Tj"), 1) << first;
  EXPECT_EQ(countOf(first, " l\nS\n"), 0) << first;
  EXPECT_NE(pageContent(pdf, 2).find("(2) Tj"), std::string::npos) << pageContent(pdf, 2);
}

TEST_F(PdfPagePainting, EllipsesAreDrawnWithoutAMessageAndPostersSeeAPart) {
  TFieldRec& ellipse = test::appendFrame(doc(), kFieldEllipse, 20, 20, 80, 60);
  ellipse.BorderWidth = 2;
  ellipse.Transparent = 0;
  ellipse.BackColor = 0x00FF00;
  const std::string content = pageContent(exportPages(), 1);
  EXPECT_EQ(countOf(content, " c\n"), 4) << content;
  EXPECT_TRUE(host.messages.empty());

  // A poster sheet: the page moved by (−100, −50) and held to the sheet.
  TPDFCanvas canvas(doc().fontEngine());
  canvas.PageWidthPt = 100;
  canvas.PageHeightPt = 100;
  ASSERT_TRUE(canvas.BeginDoc(target));
  DrawPagesPDF(canvas, doc(), 0, -100, -50, CanvasRect{0, 0, 100, 100});
  ASSERT_TRUE(canvas.EndDoc());
  const std::string sheet = pageContent(test::readPdf(target), 1);
  EXPECT_TRUE(sheet.starts_with("q\n0 0 100 100 re W n\n")) << sheet;
  EXPECT_EQ(countOf(sheet, " c\n"), 4) << sheet;
}

TEST_F(PdfPagePainting, APosterSheetCarriesOnlyWhatItShows) {
  type("Aaa Bbb Ccc Ddd Eee Fff Ggg Hhh Iii Jjj");
  TFieldRec& box = test::appendFrame(doc(), kFieldRectangle, 20, 200, 60, 240);
  box.BorderWidth = 1;
  box.Transparent = 0;
  box.BackColor = 0x00FF00;
  const std::string page = pageContent(exportPages(), 1);
  const auto wordX = [&page](const std::string& word) {
    std::smatch at;
    EXPECT_TRUE(std::regex_search(page, at, std::regex("(\\d+) \\d+  Td \\(" + word + "\\) Tj"))) << page;
    return at.empty() ? 0 : std::stoi(at[1]);
  };
  // A sheet whose left edge cuts through "Eee" and which ends before "Jjj".
  const int left = wordX("Eee") + 5, right = wordX("Hhh");
  ASSERT_LT(wordX("Aaa") + 40 + 20, left);  // "Aaa" ends more than an em before the sheet
  ASSERT_GT(wordX("Jjj"), right + 20);
  TPDFCanvas canvas(doc().fontEngine());
  canvas.PageWidthPt = right - left;
  canvas.PageHeightPt = 842;
  ASSERT_TRUE(canvas.BeginDoc(target));
  DrawPagesPDF(canvas, doc(), 0, -left, 0, CanvasRect{0, 0, right - left, 842});
  ASSERT_TRUE(canvas.EndDoc());
  const std::string sheet = pageContent(test::readPdf(target), 1);
  EXPECT_NE(sheet.find("(Eee) Tj"), std::string::npos) << sheet;  // crosses the edge
  EXPECT_NE(sheet.find("(Fff) Tj"), std::string::npos) << sheet;
  EXPECT_EQ(sheet.find("(Aaa) Tj"), std::string::npos) << sheet;
  EXPECT_EQ(sheet.find("(Jjj) Tj"), std::string::npos) << sheet;
  EXPECT_EQ(sheet.find("0 1 0 rg"), std::string::npos) << "the frame left of the sheet was written";
  EXPECT_NE(page.find("0 1 0 rg"), std::string::npos) << page;
}

}  // namespace
}  // namespace vendaro
