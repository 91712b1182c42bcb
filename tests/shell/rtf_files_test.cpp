// Saving as RTF through the window's save dispatch: the activity text, the
// file name taken on success, and failures that leave the old file byte
// for byte, say so and keep the document modified; objects anchored to a
// paragraph stay with it through a native file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "scripted_shell_host.h"
#include "shell/document_files.h"
#include "shell/shell.h"
#include "support/file_size_limit.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

TEST(RtfFiles, SaveAsWithTheRtfFilterWritesTheFileAndTakesItsName) {
  test::TempDir dir;
  test::ScriptedShellHost host;
  Shell shell(host);
  ShellDocument& document = *shell.NewClick();
  test::appendTextLine(document.editor().doc(), 0, "Hallo {Welt}");
  document.editor().SetFileChanged(true);
  test::ScriptedShellHost::windowOf(document).saveAnswer = FileDialogState{{}, kSaveRtf, dir.file("brief").string(), true};
  ASSERT_TRUE(shell.SaveAsClick(&document));
  const std::string rtf = test::readFileBytes(dir.file("brief.rtf"));
  EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi{\\fonttbl")) << rtf;
  EXPECT_NE(rtf.find("Hallo \\{Welt\\}"), std::string::npos);
  EXPECT_TRUE(rtf.ends_with("}\r\n"));
  EXPECT_EQ(document.editor().doc().DocTitle, "brief.rtf");
  EXPECT_EQ(document.editor().doc().Modified, 0);
  EXPECT_EQ(document.DocFileType, kSaveRtf);
}

TEST(RtfFiles, AFailedSaveKeepsTheOldFileAndTheChanges) {
  test::TempDir dir;
  const std::string old = "{\\rtf1 alt}\r\n";
  test::writeFileBytes(dir.file("alt.rtf"), old);
  fs::create_directory(dir.file("ordner.rtf"));
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  editor.doc().DocTitle = "alt.rtf";
  test::appendTextLine(editor.doc(), 0, std::string(64 * 1024, 'x'));
  editor.SetFileChanged(true);
  host.statusTexts.clear();
  {
    // Writes beyond 16 KB fail, as on a full disk.
    test::FileSizeLimit limit(16 * 1024);
    EXPECT_FALSE(saveRtfFile(editor, dir.file("alt.rtf"), false));
  }
  EXPECT_EQ(host.statusTexts, (Strings{"3:Speichere Datei...", "3:"}));
  EXPECT_FALSE(saveRtfFile(editor, dir.file("fehlt") / "neu.rtf", false));
  EXPECT_FALSE(saveRtfFile(editor, dir.file("ordner.rtf"), false));
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[0].text, "Konnte Datei alt.rtf nicht erstellen!");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::error);
  EXPECT_EQ(host.messages[1].text, "Konnte Datei neu.rtf nicht erstellen!");
  EXPECT_EQ(host.messages[2].text, "Konnte Datei ordner.rtf nicht erstellen!");
  EXPECT_EQ(test::readFileBytes(dir.file("alt.rtf")), old);
  EXPECT_TRUE(fs::is_directory(dir.file("ordner.rtf")));
  EXPECT_FALSE(fs::exists(dir.file("fehlt")));
  EXPECT_EQ(editor.doc().Modified, 1);
  EXPECT_EQ(editor.doc().DocTitle, "alt.rtf");
  // Only the complete file ever appears: no temporary is left beside it.
  Strings names;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir.path()))
    if (entry.path().filename() != "config") names.push_back(entry.path().filename());  // the test run's settings
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (Strings{"alt.rtf", "ordner.rtf"}));
}

// The shape group in written RTF that holds `marker`, with the text
// written before it.
struct ShapeInRtf {
  std::string before, group;
};
ShapeInRtf shapeWith(const std::string& rtf, const std::string& marker) {
  const size_t found = rtf.find(marker);
  if (found == std::string::npos) return {};
  const size_t at = rtf.rfind("{\\shp{", found);
  return {rtf.substr(0, at), rtf.substr(at, rtf.find("}}", at) - at)};
}

TEST(RtfFiles, ObjectsStayWithTheirParagraphOrPageThroughANativeFile) {
  test::TempDir dir;
  test::writeFileBytes(dir.file("quelle.rtf"),
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\plain\\f0\\fs24 Erster Absatz\\par Zweiter Absatz"
      "{\\shp{\\*\\shpinst\\shpleft567\\shptop283\\shpright2835\\shpbottom1701\\shpbxcolumn\\shpbypara\\shpwr3\\shpwrk0"
      "{\\sp{\\sn shapeType}{\\sv 1}}}}\\par Dritter Absatz"
      "{\\shp{\\*\\shpinst\\shpleft6804\\shptop9072\\shpright8504\\shpbottom9921\\shpbxpage\\shpbypage\\shpwr3\\shpwrk0"
      "{\\sp{\\sn shapeType}{\\sv 3}}}}\\par}");
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  ASSERT_TRUE(openRtfFile(editor, dir.file("quelle.rtf"), true));
  // Read at once beside its line, not at its offset from it.
  const Document& doc = editor.doc();
  const TFieldRec& anchored = doc.Fields[doc.Fields.size() - 2];
  const FrameBounds body = doc.fieldBounds(doc.Fields[0]);
  EXPECT_NEAR(anchored.Left, body.x1 + doc.Fields[0].MarginLeft + 10.0, 0.01);
  EXPECT_GT(anchored.Top, body.y1 + doc.Fields[0].MarginTop + 5.0);
  EXPECT_EQ(doc.Fields.back().MoveWithText, 0);
  const double pageLeft = doc.Fields.back().Left, pageTop = doc.Fields.back().Top;

  ASSERT_TRUE(saveNativeFile(editor, dir.file("mitte.lpx"), true));
  Editor reopened(host);
  reopened.FormCreate();
  ASSERT_TRUE(openNativeFile(reopened, dir.file("mitte.lpx"), true));
  ASSERT_TRUE(saveRtfFile(reopened, dir.file("wieder.rtf"), true));
  const std::string rtf = test::readFileBytes(dir.file("wieder.rtf"));
  const ShapeInRtf box = shapeWith(rtf, "\\shpbypara"), ellipse = shapeWith(rtf, "\\shpbypage");
  EXPECT_NE(box.before.find("Zweiter"), std::string::npos) << rtf;
  EXPECT_EQ(box.before.find("Dritter"), std::string::npos) << rtf;
  EXPECT_NE(box.group.find("\\shpleft567\\shptop283\\shpright2835\\shpbottom1701\\shpbxcolumn\\shpbypara"), std::string::npos)
      << box.group;
  EXPECT_NE(ellipse.group.find("\\shpleft6804\\shptop9072\\shpright8504\\shpbottom9921\\shpbxpage\\shpbypage"),
            std::string::npos) << ellipse.group;
  EXPECT_DOUBLE_EQ(reopened.doc().Fields.back().Left, pageLeft);
  EXPECT_DOUBLE_EQ(reopened.doc().Fields.back().Top, pageTop);
}

}  // namespace
}  // namespace vendaro
