// Documents through `--convert-to pdf` and checked from outside: qpdf,
// pdfinfo and pdftotext accept the file, the text comes back with its
// special characters, and pdftoppm shows frames and cells where they stand.
#include <gtest/gtest.h>

#include <cmath>

#include "editing/editor.h"
#include "output/pdf_inspection.h"
#include "shell/command_line.h"
#include "shell/document_files.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;

int pt(double mm) { return static_cast<int>(std::nearbyint(mm / 25.39995 * 72)); }

// Whether two colours differ by at most `tolerance` in every channel (JPEG
// pictures come back close, not exact).
bool near(uint32_t a, uint32_t b, int tolerance = 8) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) return false;
  return true;
}

class PdfExportFiles : public ::testing::Test {
 protected:
  // The showcase page with a line of special characters, saved natively.
  fs::path writeShowcase() {
    Editor editor(host);
    editor.FormCreate();
    editor.doc() = test::showcaseDocument();
    test::appendTextLine(editor.doc(), 0, "Gr\xFC\xDF" "e: \xE4\xF6\xFC\xDF \x80\x84\x93");
    editor.documentLoaded();
    const fs::path source = dir.file("plakat.lpx");
    EXPECT_TRUE(saveNativeFile(editor, source, true));
    return source;
  }

  test::RecordingHost host;
  test::TempDir dir;
};

TEST_F(PdfExportFiles, ShowcaseConvertsAndReadsBack) {
  const fs::path source = writeShowcase();
  const fs::path out = dir.file("aus");
  ASSERT_EQ(runHeadlessCommand({"--convert-to", "pdf", "--outdir", out.string(), source.string()}), 0);
  const fs::path pdf = out / "plakat.pdf";
  ASSERT_TRUE(fs::exists(pdf));
  const std::string text = test::validatePdf(pdf);
  EXPECT_NE(text.find("Sommerfest"), std::string::npos) << text;
  EXPECT_NE(text.find("\xE4\xF6\xFC\xDF"), std::string::npos) << text;
  EXPECT_LT(text.find("Sommerfest"), text.find("Kuchenbuffet")) << text;
  EXPECT_EQ(test::pageSize(pdf, 1), "595 x 842 pts");

  const TPictureRec page = test::renderPage(pdf, 1);
  ASSERT_EQ(page.width(), 595);
  // The text box's light green fill inside its green border, the picture
  // frame's sun, and white well below the body's last line.
  EXPECT_EQ(getpixel(page, pt(150), pt(238)), 0xE0FFE0u);
  EXPECT_EQ(getpixel(page, pt(110), pt(220)), 0x008000u);
  EXPECT_TRUE(near(getpixel(page, pt(60), pt(225)), 0x00D0FF));
  EXPECT_TRUE(near(getpixel(page, pt(30), pt(205)), 0xF0C080));
  EXPECT_EQ(getpixel(page, pt(150), pt(280)), 0xFFFFFFu);
}

TEST_F(PdfExportFiles, AFileThatCannotBeReadFailsAndOthersStillConvert) {
  const fs::path source = writeShowcase();
  test::writeFileBytes(dir.file("kaputt.lpx"), "kein Dokument");
  EXPECT_EQ(runHeadlessCommand({"--convert-to", "pdf", dir.file("kaputt.lpx").string(), source.string()}), 1);
  EXPECT_FALSE(fs::exists(dir.file("kaputt.pdf")));
  EXPECT_TRUE(fs::exists(dir.file("plakat.pdf")));
  // A folder nobody may write into, not even root.
  EXPECT_EQ(runHeadlessCommand({"--convert-to", "pdf", "--outdir", "/proc", source.string()}), 1);
  EXPECT_FALSE(fs::exists("/proc/plakat.pdf"));
}

}  // namespace
}  // namespace vendaro
