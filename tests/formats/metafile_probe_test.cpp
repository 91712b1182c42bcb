#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "formats/lpx_file.h"
#include "formats/metafile_probe.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using namespace std::string_literals;

// Only RTF and compound files are looked into; the same words inside any
// other file (a native document quoting them) choose nothing.
TEST(MetafileProbe, LooksForPicturesOnlyInsideRtfAndCompoundFiles) {
  test::TempDir dir;
  const std::string compound = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"s + std::string(500, '\0');
  const std::string dataStream = "D\0a\0t\0a\0\0\0"s;
  const struct {
    const char* name;
    std::string bytes;
    bool expected;
  } cases[] = {
      {"wmf.rtf", "{\\rtf1 {\\pict\\wmetafile8 0100}}", true},
      {"emf.rtf", "{\\rtf1 {\\pict\\emfblip 0100}}", true},
      {"png.rtf", "{\\rtf1 {\\pict\\pngblip 89}}", false},
      {"bilder.doc", compound + dataStream, true},
      {"text.doc", compound, false},
      {"zitat.lpx", std::string(kLpxMagic) + " {\\rtf1 \\wmetafile " + dataStream, false},
      {"kurz.rtf", "{\\rt", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::writeFileBytes(dir.file(c.name), c.bytes);
    EXPECT_EQ(mayHoldMetafilePictures(dir.file(c.name)), c.expected);
  }
  EXPECT_FALSE(mayHoldMetafilePictures(dir.file("fehlt.rtf")));
  ASSERT_EQ(::mkfifo(dir.file("rohr.rtf").c_str(), 0600), 0);
  EXPECT_FALSE(mayHoldMetafilePictures(dir.file("rohr.rtf")));
}

}  // namespace
}  // namespace vendaro
