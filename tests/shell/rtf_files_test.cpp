// Saving as RTF through the window's save dispatch: the activity text, the
// file name taken on success, and failures that leave the old file byte
// for byte, say so and keep the document modified.
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

}  // namespace
}  // namespace vendaro
