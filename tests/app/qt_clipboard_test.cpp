// The system clipboard through Qt: what copying offers, text in and out of
// code page 1252 with the line ends other programs expect, and images
// turned into 24-bit bitmaps over white paper.
#include "app/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

#include "document/caret_moves.h"
#include "editing/editor.h"
#include "platform/code_pages.h"
#include "platform/dib_blocks.h"
#include "support/keyboard_driver.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

class QtClipboardHost : public test::RecordingHost {
 public:
  std::optional<ClipboardFormats> clipboardFormats() override { return QtClipboard::formats(); }
  bool setClipboard(const ClipboardContents& contents) override { return QtClipboard::place(contents); }
  bool clipboardFormattedText(std::vector<uint8_t>& stream) override { return QtClipboard::formattedText(stream); }
  bool clipboardText(std::string& cp1252) override { return QtClipboard::text(cp1252); }
  bool clipboardBitmap(std::vector<uint8_t>& dib) override { return QtClipboard::bitmap(dib); }
};

struct QtClipboardTest : ::testing::Test {
  QtClipboardTest() {
    editor.FormCreate();
    other.FormCreate();
  }
  QtClipboardHost host;
  Editor editor{host};
  Editor other{host};
};

TEST_F(QtClipboardTest, CopyOffersTheStreamAndUnicodeTextWithLineFeeds) {
  test::typeKeys(editor, utf8ToCp1252("äöü €\nzwei"));
  setAnchor(editor.doc(), {0, 0, 0});
  editor.KopierenInZwischenAblage(false);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->hasFormat(QString::fromLatin1(kFormattedTextMimeType)));
  EXPECT_EQ(data->text(), QString::fromUtf8("äöü €\nzwei"));
  const std::optional<ClipboardFormats> offered = QtClipboard::formats();
  ASSERT_TRUE(offered);
  EXPECT_TRUE(offered->formattedText && offered->text && !offered->bitmap);

  // Text from another program: only the text is offered, both line ends
  // are read, and a character 1252 lacks pastes as "?".
  QGuiApplication::clipboard()->setText(QString::fromUtf8("äöü €\r\nΩ\nx"));
  other.EinfuegenAusZwischenAblage(0);
  EXPECT_EQ(test::flowText(other.doc()), utf8ToCp1252("äöü €\n?\nx"));
  other.RestoreCopyFromUndo(0);
  QtClipboard::place({{}, utf8ToCp1252("äöü €")});
  other.EinfuegenAusZwischenAblage(2);
  EXPECT_EQ(test::flowText(other.doc()), utf8ToCp1252("äöü €"));
}

TEST_F(QtClipboardTest, ImagesBecome24BitPicturesOverWhite) {
  QImage image(2, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(255, 0, 0, 128));  // half-transparent red
  image.setPixel(1, 0, qRgba(0, 0, 255, 255));
  image.setDotsPerMeterX(11811);  // 300 dpi
  image.setDotsPerMeterY(11811);
  QGuiApplication::clipboard()->setImage(image);
  other.EinfuegenAusZwischenAblage(0);
  const TLineRec& line = std::as_const(other.doc().Fields[0].Lines).at(0);
  ASSERT_EQ(line.CharCount(), 1);
  ASSERT_EQ(line.Chars[0].Kind, kCellPicture);
  const TPictureRec& pic = other.doc().Pictures.at(line.Chars[0].PictureIndex);
  EXPECT_EQ(pic.Header.biBitCount, 24);
  EXPECT_EQ(pic.Header.biXPelsPerMeter, 11811);
  EXPECT_EQ(getpixel(pic, 0, 0), 0x7F7FFFu);  // COLORREF: red 255, green and blue 127 over white
  EXPECT_EQ(getpixel(pic, 1, 0), 0xFF0000u);
  EXPECT_NEAR(line.Chars[0].CharWidth, 2 / 300.0 * kMmPerInch, 1e-3);
}

}  // namespace
}  // namespace vendaro
