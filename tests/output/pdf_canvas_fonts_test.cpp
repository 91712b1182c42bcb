#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <memory>

#include "output/pdf_canvas.h"
#include "output/pdf_inspection.h"
#include "platform/font_engine.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::countOf;
using test::pageContent;

// An embedded font program opened with FreeType, as a viewer opens it.
class EmbeddedFont {
 public:
  explicit EmbeddedFont(std::string program) : program_(std::move(program)) {
    FT_Init_FreeType(&library_);
    if (FT_New_Memory_Face(library_, reinterpret_cast<const FT_Byte*>(program_.data()),
                           static_cast<FT_Long>(program_.size()), 0, &face_) != 0) {
      face_ = nullptr;
    }
  }
  ~EmbeddedFont() {
    if (face_) FT_Done_Face(face_);
    FT_Done_FreeType(library_);
  }
  FT_Face face() const { return face_; }
  // The glyph a code point reaches through the font's own map for `encoding`.
  unsigned glyphFor(FT_Encoding encoding, FT_ULong code) const {
    if (!face_ || FT_Select_Charmap(face_, encoding) != 0) return 0;
    return FT_Get_Char_Index(face_, code);
  }

 private:
  std::string program_;
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
};

class PdfCanvasFonts : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path target = dir.file("schrift.pdf");
  TPDFCanvas canvas;
  FontEngine& engine = FontEngine::shared();

  void SetUp() override { ASSERT_TRUE(canvas.BeginDoc(target)); }
  test::PdfFileView finish() { return test::finishAndCheck(canvas, target); }
  void write(const char* face, bool bold, bool italic, int y, const char* text) {
    canvas.Font.name = face;
    canvas.Font.bold = bold;
    canvas.Font.italic = italic;
    canvas.TextOut(20, y, text);
  }
  static std::string program(const test::PdfFileView& pdf, int fontObject, const char* key = "/FontFile2") {
    const int descriptor = test::referenceAfter(pdf.objects.at(fontObject), "/FontDescriptor");
    return test::inflatedStream(pdf, test::referenceAfter(pdf.objects.at(descriptor), key));
  }
};

TEST_F(PdfCanvasFonts, EachStyleEmbedsASubsetOfTheFileTheEngineMeasured) {
  write("Times New Roman", true, false, 20, "A");
  write("Times New Roman", true, true, 40, "B");
  write("Times New Roman", false, true, 60, "C");
  canvas.Font.underline = true;  // drawn by the page as a line: same font as plain text
  write("Times New Roman", false, false, 80, "D");
  canvas.Font.underline = false;
  write("Times New Roman", false, false, 100, "n");
  write("Arial", false, false, 120, "n");
  const test::PdfFileView pdf = finish();

  const std::vector<int> fonts = test::objectsStartingWith(pdf, "<<\n/Type /Font\n");
  ASSERT_EQ(fonts.size(), 5u);
  const struct {
    const char* face;
    bool bold, italic;
    char letter;
  } expected[] = {{"Times New Roman", true, false, 'A'}, {"Times New Roman", true, true, 'B'},
                  {"Times New Roman", false, true, 'C'}, {"Times New Roman", false, false, 'D'},
                  {"Arial", false, false, 'n'}};
  for (size_t i = 0; i < fonts.size(); ++i) {
    SCOPED_TRACE(i);
    const std::string& font = pdf.objects.at(fonts[i]);
    const ResolvedFace resolved = engine.resolve(expected[i].face, expected[i].bold, expected[i].italic);
    EmbeddedFont original(test::readFileBytes(resolved.filePath));
    ASSERT_NE(original.face(), nullptr);
    const std::string postScriptName = FT_Get_Postscript_Name(original.face());
    EXPECT_NE(font.find("+" + postScriptName + "\n"), std::string::npos) << font;
    EXPECT_NE(font.find("/Encoding /WinAnsiEncoding\n"), std::string::npos) << font;

    EmbeddedFont embedded(program(pdf, fonts[i]));
    ASSERT_NE(embedded.face(), nullptr);
    EXPECT_LE(embedded.face()->num_glyphs, 4) << "a subset, not the whole file";
    const unsigned glyph = embedded.glyphFor(FT_ENCODING_UNICODE, expected[i].letter);
    ASSERT_NE(glyph, 0u);
    FT_Load_Glyph(embedded.face(), glyph, FT_LOAD_NO_SCALE);
    FT_Load_Glyph(original.face(), original.glyphFor(FT_ENCODING_UNICODE, expected[i].letter), FT_LOAD_NO_SCALE);
    EXPECT_EQ(embedded.face()->glyph->metrics.horiAdvance, original.face()->glyph->metrics.horiAdvance);
    EXPECT_EQ(embedded.face()->glyph->outline.n_points, original.face()->glyph->outline.n_points);

    // Widths in thousandths of an em straight from the font's advances.
    const FontDesignMetrics design = engine.designMetrics(expected[i].face, expected[i].bold, expected[i].italic, 1);
    std::string widths = "/Widths [";
    for (int code = 32; code <= 255; ++code) widths += std::to_string(design.widths[code]) + " ";
    EXPECT_NE(font.find(widths + "]\n"), std::string::npos);
  }
  // Arial's "n" is 0.556 em wide, not the 7/12 em that 12-pixel measuring gives.
  EXPECT_NE(pdf.objects.at(fonts[4]).find("/Widths [278 "), std::string::npos);
  EXPECT_EQ(engine.designMetrics("Arial", false, false, 1).widths['n'], 556);
  EXPECT_NE(pageContent(pdf, 1).find("/F4 8 Tf\n20 "), std::string::npos);
}

TEST_F(PdfCanvasFonts, GermanTextAndQuotesComeOutOfTheFileIntact) {
  write("Arial", false, false, 20, "\xE4\xF6\xFC\xDF \x80 \x84Zitat\x93 \xC4\xD6\xDC");
  write("Courier New", true, false, 40, "Binde-Strich");
  write("Book Antiqua", false, false, 60, "Stra\xDF" "e \x80");  // a CFF font program
  const test::PdfFileView pdf = finish();

  const std::string text = test::pdfText(target);
  EXPECT_NE(text.find("äöüß € „Zitat“ ÄÖÜ"), std::string::npos) << text;
  EXPECT_NE(text.find("Binde-Strich"), std::string::npos) << text;
  EXPECT_NE(text.find("Straße €"), std::string::npos) << text;
  const std::string fonts = test::fontTable(target);
  EXPECT_EQ(countOf(fonts, "\n"), 3) << fonts;
  EXPECT_EQ(countOf(fonts, " yes yes "), 3) << fonts;  // embedded, subset
  EXPECT_EQ(countOf(fonts, "TrueType          WinAnsi"), 2) << fonts;
  EXPECT_EQ(countOf(fonts, "Type 1C           WinAnsi"), 1) << fonts;

  const std::vector<int> fontObjects = test::objectsStartingWith(pdf, "<<\n/Type /Font\n");
  ASSERT_EQ(fontObjects.size(), 3u);
  const std::string& cff = pdf.objects.at(fontObjects[2]);
  EXPECT_NE(cff.find("/Subtype /Type1\n"), std::string::npos) << cff;
  EXPECT_NE(cff.find("/Encoding /WinAnsiEncoding\n"), std::string::npos) << cff;
  EmbeddedFont embedded(program(pdf, fontObjects[2], "/FontFile3"));
  ASSERT_NE(embedded.face(), nullptr) << "a bare CFF program FreeType can open";
  EXPECT_LE(embedded.face()->num_glyphs, 9);
}

TEST_F(PdfCanvasFonts, SymbolFacesShowTheGlyphsOfTheScreen) {
  canvas.Font.size = 40;
  write("Wingdings", false, false, 20, "\x9F");   // the round bullet
  write("Symbol", false, false, 80, "\xB7 a");    // bullet and alpha
  const test::PdfFileView pdf = finish();

  const std::string text = test::pdfText(target);
  EXPECT_EQ(countOf(text, "•"), 2) << text;
  EXPECT_NE(text.find("α"), std::string::npos) << text;
  EXPECT_EQ(text.find("Ÿ"), std::string::npos) << text;
  EXPECT_EQ(countOf(test::fontTable(target), " yes yes yes "), 2);  // embedded, subset, ToUnicode

  const std::vector<int> fonts = test::objectsStartingWith(pdf, "<<\n/Type /Font\n");
  ASSERT_EQ(fonts.size(), 2u);
  const std::string& wingdings = pdf.objects.at(fonts[0]);
  EXPECT_EQ(wingdings.find("/Encoding"), std::string::npos) << wingdings;
  // Symbol's CFF glyphs are found by their own names, where they differ.
  EXPECT_NE(pdf.objects.at(fonts[1]).find("/BaseEncoding /WinAnsiEncoding /Differences [ 97 /alpha 183 /bullet ]"),
            std::string::npos)
      << pdf.objects.at(fonts[1]);
  const FontSpec spec{.faceName = "Wingdings", .pixelSize = 40};
  const uint32_t screenGlyph = engine.glyphIndex(spec, 0x9F);
  ASSERT_NE(screenGlyph, 0u);
  EmbeddedFont embedded(program(pdf, fonts[0]));
  const unsigned glyph = embedded.glyphFor(FT_ENCODING_MS_SYMBOL, 0xF09F);
  ASSERT_NE(glyph, 0u);
  EmbeddedFont original(test::readFileBytes(engine.resolve("Wingdings", false, false).filePath));
  FT_Load_Glyph(embedded.face(), glyph, FT_LOAD_NO_SCALE);
  FT_Load_Glyph(original.face(), screenGlyph, FT_LOAD_NO_SCALE);
  EXPECT_EQ(embedded.face()->glyph->outline.n_points, original.face()->glyph->outline.n_points);

  // The bullets are drawn: dark pixels where they stand, none beside them.
  const TPictureRec page = test::renderPage(target, 1);
  const auto darkIn = [&page](int left, int top, int right, int bottom) {
    int dark = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) dark += (getpixel(page, x, y) & 0xFF) < 128;
    }
    return dark;
  };
  const int height = canvas.TextHeight("x");
  EXPECT_GT(darkIn(20, 20, 60, 20 + height), 20);
  EXPECT_GT(darkIn(20, 80, 45, 80 + height), 20);
  EXPECT_EQ(darkIn(200, 0, 595, 842), 0);
}

TEST_F(PdfCanvasFonts, MissingStylesAreSynthesisedAsTheEngineMeasuresThem) {
  ASSERT_TRUE(engine.resolve("Wingdings", true, false).syntheticBold);
  ASSERT_TRUE(engine.resolve("Symbol", false, true).syntheticItalic);
  canvas.Font.size = 12;
  write("Wingdings", true, false, 20, "\x9F");
  write("Wingdings", true, false, 40, "\xA7");  // mode, width and colour stand
  canvas.MoveTo(0, 0);
  canvas.LineTo(10, 0);                           // the pen takes over the line width
  write("Wingdings", true, false, 60, "\xA7");
  write("Arial", false, false, 80, "normal");
  canvas.SetClip({0, 0, 100, 100});
  write("Wingdings", true, false, 100, "\x9F");
  canvas.ResetClip();                             // back to plain filling
  write("Wingdings", true, false, 120, "\x9F");
  write("Symbol", false, true, 140, "a");
  const test::PdfFileView pdf = finish();

  const std::string content = pageContent(pdf, 1);
  EXPECT_EQ(countOf(content, "2 Tr\n0.5 w\n0 0 0 RG\n"), 2) << content;
  EXPECT_EQ(countOf(content, "2 Tr\n"), 3) << content;  // the clip keeps the line width and colour
  EXPECT_EQ(countOf(content, "0 Tr\n"), 2) << content;
  EXPECT_EQ(countOf(content, "0.5 w\n"), 3) << content;
  EXPECT_EQ(countOf(content, "\n1 w\n"), 1) << content;
  EXPECT_NE(content.find("1 0 0.213 1 20 " + std::to_string(842 - canvas.TextBaseline(140)) + " Tm (a) Tj"),
            std::string::npos)
      << content;
  const std::string& descriptor =
      pdf.objects.at(test::referenceAfter(pdf.objects.at(test::objectsStartingWith(pdf, "<<\n/Type /Font\n").back()),
                                          "/FontDescriptor"));
  EXPECT_NE(descriptor.find("/ItalicAngle -12"), std::string::npos) << descriptor;
}

}  // namespace
}  // namespace vendaro
