// An RTF file opened in a window draws its WMF and EMF pictures through the
// front end's raster target: the pictures are there, at 150 dpi of their
// display size, and not blank.
#include <gtest/gtest.h>

#include "app/qt_raster_target.h"
#include "editing/editor.h"
#include "shell/document_files.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

int colouredPixels(const TPictureRec& picture) {
  int count = 0;
  for (int y = 0; y < picture.height(); y += 2)
    for (int x = 0; x < picture.width(); x += 2) count += getpixel(picture, x, y) != 0xFFFFFF;
  return count;
}

TEST(RtfMetafiles, WindowsMetafilesAreDrawnWithTheProgramsRasterTarget) {
  installRasterTarget();
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  ASSERT_TRUE(openRtfFile(editor, std::string(VENDARO_FIXTURE_DIR) + "/rtf/pictures.rtf", true));
  const Document& doc = editor.doc();
  ASSERT_EQ(doc.PictureCount(), 7);
  for (int index : {3, 4}) {  // the WMF and the EMF, one inch square each
    const TPictureRec& picture = doc.Pictures[static_cast<size_t>(index)];
    EXPECT_EQ(picture.width(), 150);
    EXPECT_GT(colouredPixels(picture), 200) << index;
  }
}

}  // namespace
}  // namespace vendaro
