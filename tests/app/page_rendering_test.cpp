// Whole pages painted into images through the Qt surface, checked for what
// a person would see: text inside its frame, zoom, what printing leaves
// out, frames that show the page beneath, pictures keeping their shape.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "app/page_image.h"
#include "app/qt_canvas.h"
#include "editing/editor.h"
#include "shell/pdf_export.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

struct InkBox {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  int count = 0;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

// Pixels in `area` for which `wanted` holds.
template <typename Pred>
InkBox inkIn(const QImage& image, QRect area, Pred wanted) {
  InkBox box;
  area = area.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      if (!wanted(image.pixel(x, y))) continue;
      box.left = std::min(box.left, x), box.right = std::max(box.right, x);
      box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
      ++box.count;
    }
  return box;
}

bool dark(QRgb p) { return qGray(p) < 100; }
bool silver(QRgb p) { return qRed(p) == 0xC0 && qGreen(p) == 0xC0 && qBlue(p) == 0xC0; }
bool pureRed(QRgb p) { return p == qRgb(255, 0, 0); }

class PageRendering : public ::testing::Test {
 protected:
  PageRendering() : editor(host) { editor.FormCreate(); }

  void load(Document doc) {
    editor.doc() = std::move(doc);
    editor.documentLoaded();
  }

  QImage printed(int dpi = 96) {
    const Document& doc = editor.doc();
    QImage image(static_cast<int>(doc.PageWidthPx * dpi / 600), static_cast<int>(doc.PageHeightPx * dpi / 600),
                 QImage::Format_RGB32);
    for (int pass = 0; pass < 3; ++pass) {
      image.fill(Qt::white);
      QPainter painter(&image);
      QtCanvas canvas(painter, editor.doc().fontEngine(), dpi, {0, 0, image.width(), image.height()});
      const PaintOutcome out = editor.DrawPages(canvas, true, 0, 0, 0);
      if (!out.layoutNeeded && !out.fieldWidthChanged) break;
    }
    return image;
  }

  // The screen view at the document's zoom, as large as the paint box.
  QImage screen() {
    editor.paintState().viewport = PaintViewport{0, 0, 3000, 4500, 2980, 4480, 16, 16, true, true};
    QImage image;
    for (int pass = 0; pass < 4; ++pass) {
      const PaintState& s = editor.paintState();
      image = QImage(std::max(s.paintBoxWidth, 1), std::max(s.paintBoxHeight, 1), QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      QtCanvas canvas(painter, editor.doc().fontEngine(), 96, {0, 0, image.width(), image.height()});
      const PaintOutcome out = editor.DrawPages(canvas, false);
      if (!out.resized && !out.layoutNeeded && !out.fieldWidthChanged) break;
    }
    return image;
  }

  int32_t textBox(double left, double top, double right, double bottom, const char* text) {
    Document& doc = editor.doc();
    TFieldRec& box = doc.NewPage(true);
    box.FieldType = kFieldTextBox;
    box.Left = left, box.Top = top, box.Right = right, box.Bottom = bottom;
    box.RightFromRight = box.BottomFromBottom = 0;
    box.WrapText = 0;
    box.MoveWithText = 0;
    box.BorderWidth = 0;
    box.MarginLeft = box.MarginRight = box.MarginTop = box.MarginBottom = 1;
    const int32_t index = doc.FieldCount() - 1;
    SetPCharText(doc.CurFont.Name, "Arial");
    doc.CurFont.Size = 20;
    test::appendTextLine(doc, index, text);
    editor.RefreshContent();
    return index;
  }

  int px(double mm, int dpi = 96) const { return static_cast<int>(mm / (25.39995 / dpi)); }

  test::RecordingHost host;
  Editor editor;
};

TEST_F(PageRendering, ShowcasePageLooksRight) {
  load(test::showcaseDocument());
  const QImage image = printed(96);
  if (const char* out = std::getenv("VENDARO_SAVE_PNG")) image.save(QString::fromUtf8(out));
  // Title, body text, list, table and box all leave ink between the margins.
  const InkBox ink = inkIn(image, {px(25) - 2, px(25) - 2, px(160) + 4, px(250)}, dark);
  EXPECT_GT(ink.count, 2000);
  EXPECT_GE(ink.left, px(25) - 2);
  // The picture frame keeps its picture's shape: a yellow sun in a light
  // blue sky, 70 mm wide and so 46.7 mm high.
  const QRect frame{px(25), px(200), px(70), px(60)};
  const InkBox sun = inkIn(image, frame, [](QRgb p) { return qRed(p) > 0xF0 && qGreen(p) > 0xB0 && qBlue(p) < 0x30; });
  const InkBox sky = inkIn(image, frame, [](QRgb p) { return qBlue(p) > 0xE0 && qRed(p) < 0xA0 && qGreen(p) > 0xA0; });
  EXPECT_GT(sun.count, 500);
  EXPECT_NEAR(sky.width(), px(70), 2);
  EXPECT_NEAR(sky.height(), px(70.0 * 80 / 120), 2);
}

TEST_F(PageRendering, TextStaysInsideItsFrame) {
  const int32_t box = textBox(40, 40, 70, 60, "Donaudampfschifffahrtsgesellschaft");
  (void)box;
  const QImage image = printed(96);
  // Inside the frame there is text; right of its edge there is none.
  EXPECT_GT(inkIn(image, {px(40), px(40), px(30), px(20)}, dark).count, 50);
  EXPECT_EQ(inkIn(image, {px(70) + 1, px(40), px(60), px(20)}, dark).count, 0);
}

TEST_F(PageRendering, ZoomFiftyHalvesTheText) {
  textBox(40, 40, 190, 70, "Halbe Gr\xf6\xdf" "e");
  editor.doc().ZoomPercent = 100.0;
  const InkBox full = inkIn(screen(), {0, 0, 3000, 4500}, dark);
  editor.doc().ZoomPercent = 50.0;
  const InkBox half = inkIn(screen(), {0, 0, 3000, 4500}, dark);
  ASSERT_GT(full.count, 0);
  ASSERT_GT(half.count, 0);
  // The page's outline and shadow are dark too: compare the whole ink box.
  EXPECT_NEAR(static_cast<double>(half.width()) / full.width(), 0.5, 0.02);
  EXPECT_NEAR(static_cast<double>(half.height()) / full.height(), 0.5, 0.02);
}

TEST_F(PageRendering, PrintingLeavesOutScreenMarks) {
  load(test::showcaseDocument());
  ViewOptions& o = editor.viewOptions();
  o.ShowAllMarks = true;
  o.CheckWhileTyping = true;
  for (TLineRec& line : editor.doc().Fields[0].Lines)
    for (TCharRec& cell : line.Chars) SettingOpsB(cell.CharFlags, kFlagMisspelled, true);
  // The guide line of the body's left margin is a silver column of pixels
  // down the page; the zigzags are pure red.
  const QImage onScreen = screen();
  const PaintState& s = editor.paintState();
  const int guideX = s.originX + 1 + px(25);
  EXPECT_GT(inkIn(onScreen, {guideX, s.originY, 1, s.pageHeightPx}, silver).count, s.pageHeightPx / 2);
  EXPECT_GT(inkIn(onScreen, onScreen.rect(), pureRed).count, 20);
  const QImage paper = printed(96);
  EXPECT_EQ(inkIn(paper, {px(25), 0, 1, paper.height()}, silver).count, 0);
  EXPECT_EQ(inkIn(paper, paper.rect(), pureRed).count, 0);
}

TEST_F(PageRendering, TransparentWhiteFrameShowsThePageBeneath) {
  SetPCharText(editor.doc().CurFont.Name, "Arial");
  editor.doc().CurFont.Size = 28;
  test::appendTextLine(editor.doc(), 0, "Unter dem Rahmen");
  editor.RefreshContent();
  const QImage before = printed(96);
  const QRect under{px(25), px(25), px(80), px(15)};
  const int text = inkIn(before, under, dark).count;
  ASSERT_GT(text, 100);
  const int32_t box = textBox(20, 20, 120, 45, "");
  TFieldRec& frame = editor.doc().Fields[static_cast<size_t>(box)];
  frame.Transparent = 1;
  frame.BackColor = 0xFFFFFF;
  EXPECT_EQ(inkIn(printed(96), under, dark).count, text);
  frame.BackColor = 0x00FFFF;  // yellow is still filled, transparent or not
  EXPECT_LT(inkIn(printed(96), under, [](QRgb p) { return p == qRgb(255, 255, 255); }).count, 10);
}

TEST_F(PageRendering, KeepAspectPictureFillsTheWidth) {
  TPictureRec wide;
  ASSERT_TRUE(newdib(wide, 200, 50, 24));
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 200; ++x) setpixel(wide, x, y, 0xFF0000);  // blue
  Document& doc = editor.doc();
  doc.Pictures.push_back(wide);
  TFieldRec& frame = doc.NewPage(true);
  frame.FieldType = kFieldPicture;
  frame.Left = 30, frame.Top = 30, frame.Right = 130, frame.Bottom = 130;
  frame.RightFromRight = frame.BottomFromBottom = 0;
  frame.KeepAspect = 1;
  TCharRec cell;
  cell.Kind = kCellPicture;
  frame.Lines[0].Chars.push_back(cell);
  const QImage image = printed(96);
  const InkBox blue = inkIn(image, image.rect(), [](QRgb p) { return qBlue(p) > 200 && qRed(p) < 50; });
  EXPECT_NEAR(blue.width(), px(100), 2);
  EXPECT_NEAR(blue.height(), px(100) / 4, 2);
  EXPECT_NEAR(blue.top, px(30), 1);
}

TEST_F(PageRendering, CommandLineImageIsWrittenWhole) {
  load(test::showcaseDocument());
  test::TempDir dir;
  const auto out = dir.path() / "seite.png";
  std::string error;
  ASSERT_TRUE(renderPagePng(editor, 50.0, out, error)) << error;
  QImage image(QString::fromStdString(out.string()));
  EXPECT_EQ(image.width(), static_cast<int>(editor.doc().PageWidthPx * 48 / 600));
  // At 10 % the page is painted at 10 dots per inch and scaled to 9.6: the
  // image keeps the scale asked for, not the next whole resolution's.
  const auto small = dir.path() / "klein.png";
  ASSERT_TRUE(renderPagePng(editor, 10.0, small, error)) << error;
  const QImage smallImage(QString::fromStdString(small.string()));
  EXPECT_EQ(smallImage.width(), static_cast<int>(editor.doc().PageWidthPx * 9.6 / 600));
  EXPECT_EQ(smallImage.height(), static_cast<int>(editor.doc().PageHeightPx * 9.6 / 600));
  // A 10 m page at 1000 % would need gigabytes: refused, nothing written.
  editor.doc().PageWidth = editor.doc().PageHeight = 10000.0;
  editor.doc().SetPrinterProps();
  const auto huge = dir.path() / "riesig.png";
  EXPECT_FALSE(renderPagePng(editor, 1000.0, huge, error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(std::filesystem::exists(huge));
}

// Share of the pixels of `a` that no pixel of `b` within one pixel matches
// within a quarter of the colour range: edges that anti-aliasing or a
// rounding puts a pixel aside do not count, a thing missing or misplaced
// does.
double unmatchedShare(const QImage& a, const QImage& b) {
  const auto close = [](QRgb p, QRgb q) {
    return std::abs(qRed(p) - qRed(q)) <= 64 && std::abs(qGreen(p) - qGreen(q)) <= 64 &&
           std::abs(qBlue(p) - qBlue(q)) <= 64;
  };
  const int width = std::min(a.width(), b.width()), height = std::min(a.height(), b.height());
  long unmatched = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const QRgb p = a.pixel(x, y);
      bool found = false;
      for (int dy = -1; dy <= 1 && !found; ++dy)
        for (int dx = -1; dx <= 1 && !found; ++dx) {
          const int bx = x + dx, by = y + dy;
          found = bx >= 0 && by >= 0 && bx < width && by < height && close(p, b.pixel(bx, by));
        }
      unmatched += found ? 0 : 1;
    }
  return static_cast<double>(unmatched) / (static_cast<double>(width) * height);
}

TEST_F(PageRendering, ThePdfPageLooksLikeThePrintedPage) {
  load(test::showcaseDocument());
  test::TempDir dir;
  const std::filesystem::path png = dir.file("seite.png"), pdf = dir.file("seite.pdf");
  std::string error;
  ASSERT_TRUE(renderPagePng(editor, 75.0, png, error)) << error;  // 72 dpi, as pdftoppm -r 72
  ASSERT_TRUE(SavePDFFile(editor, pdf));
  const std::string command = "pdftoppm -r 72 -png -singlefile '" + pdf.string() + "' '" + dir.file("pdf").string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const QImage printed(QString::fromStdString(png.string()));
  const QImage exported(QString::fromStdString(dir.file("pdf.png").string()));
  ASSERT_FALSE(printed.isNull());
  ASSERT_FALSE(exported.isNull());
  EXPECT_NEAR(exported.width(), printed.width(), 1);
  EXPECT_NEAR(exported.height(), printed.height(), 1);
  // Text one descent off its baseline already makes about 0.9 % differ.
  EXPECT_LT(unmatchedShare(exported, printed), 0.007);
  EXPECT_LT(unmatchedShare(printed, exported), 0.007);
}

}  // namespace
}  // namespace vendaro
