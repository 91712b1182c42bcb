#include <gtest/gtest.h>

#include <limits>

#include "formats/lpx_file.h"
#include "layout/hyphenation_library.h"
#include "platform/font_engine.h"
#include "platform/paths.h"
#include "shell/shell.h"
#include "spelling/spelling_service.h"
#include "shell/document_files.h"
#include "support/recording_canvas.h"
#include "support/recording_host.h"
#include "scripted_shell_host.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

TEST(DocumentFiles, NewDocumentReadsTheStartTemplateQuietly) {
  test::RecordingHost host;
  Editor editor(host);
  createNewDocument(editor);
  EXPECT_EQ(editor.doc().FieldCount(), 7);
  EXPECT_TRUE(editor.doc().DocFileName.empty());
  EXPECT_EQ(editor.doc().Modified, 0);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.statusTexts, (std::vector<std::string>{"3:Öffne Datei...", "3:"}));
}

TEST(DocumentFiles, OpenAndSaveTakeTheFileNameAndLanguage) {
  test::TempDir dir;
  Document english = test::richDocument();
  english.DocLanguage = 1;
  std::string message;
  ASSERT_TRUE(SaveLPXFile(english, dir.file("letter.lpx"), message));

  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  ASSERT_TRUE(openNativeFile(editor, dir.file("letter.lpx"), false));
  EXPECT_EQ(editor.doc().DocTitle, "letter.lpx");
  EXPECT_EQ(host.caption, "letter.lpx");
  EXPECT_EQ(editor.hyphenation().language(), 1);
  editor.SetFileChanged(true);
  EXPECT_EQ(host.caption, "letter.lpx*");

  ASSERT_TRUE(saveNativeFile(editor, dir.file("copy.lpx"), false));
  EXPECT_EQ(editor.doc().DocTitle, "copy.lpx");
  EXPECT_EQ(editor.doc().Modified, 0);
  EXPECT_EQ(host.statusTexts.back(), "3:");
}

TEST(DocumentFiles, FailuresShowTheGermanMessageAndKeepTheDocument) {
  test::TempDir dir;
  test::writeFileBytes(dir.file("kaputt.lpx"), std::string("\x3c\0\0\0kein Dokument", 17));
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  editor.doc().DocTitle = "NONAME1";
  EXPECT_FALSE(openNativeFile(editor, dir.file("kaputt.lpx"), false));
  EXPECT_FALSE(openNativeFile(editor, dir.file("fehlt.lpx"), false));
  EXPECT_FALSE(saveNativeFile(editor, dir.file("nirgends") / "x.lpx", false));
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[0].text, "Dies ist kein gültiges Lumen-Praxiva Dokument!");
  EXPECT_EQ(host.messages[1].text, "Konnte Datei fehlt.lpx nicht öffnen!");
  EXPECT_EQ(host.messages[2].text, "Konnte Datei x.lpx nicht erstellen!");
  EXPECT_EQ(host.messages[2].icon, MessageIcon::error);
  EXPECT_EQ(editor.doc().DocTitle, "NONAME1");
  EXPECT_EQ(editor.doc().FieldCount(), 7);
}

// The first typed character's undo step releases a picture no cell shows;
// the document saved then must still open.
TEST(DocumentFiles, ADocumentSavedAfterAPictureWasReleasedOpensAgain) {
  test::TempDir dir;
  Document stored = test::richDocument();
  TPictureRec unused;
  ASSERT_TRUE(newdib(unused, 6, 6, 24));
  stored.Pictures.push_back(unused);
  std::string message;
  ASSERT_TRUE(SaveLPXFile(stored, dir.file("bild.lpx"), message));

  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  ASSERT_TRUE(openNativeFile(editor, dir.file("bild.lpx"), false));
  editor.getkeysKeyPress('x');
  ASSERT_FALSE(editor.doc().Pictures.back().hasPixels());
  ASSERT_TRUE(saveNativeFile(editor, dir.file("bild.lpx"), false));

  Editor reopened(host);
  reopened.FormCreate();
  ASSERT_TRUE(openNativeFile(reopened, dir.file("bild.lpx"), false));
  EXPECT_EQ(reopened.doc().PictureCount(), stored.PictureCount());
  EXPECT_TRUE(host.messages.empty());
}

// A file with a font of infinite size and a frame on page 2^31 - 1 opens,
// lays out and paints (the sanitizer build checks every conversion).
TEST(DocumentFiles, HostileNumbersOpenLayOutAndPaint) {
  test::TempDir dir;
  Document hostile = test::richDocument();
  std::vector<TFontRec> fonts = hostile.Fonts.entries();
  fonts[0].Size = std::numeric_limits<double>::infinity();
  if (fonts.size() > 1) fonts[1].Size = std::numeric_limits<double>::quiet_NaN();
  hostile.Fonts.assign(fonts);
  for (TFieldRec& frame : hostile.Fields) {
    frame.PageNo = std::numeric_limits<int32_t>::max();
    frame.MarginLeft = 1e300;
  }
  std::string message;
  ASSERT_TRUE(SaveLPXFile(hostile, dir.file("feind.lpx"), message));
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  ASSERT_TRUE(openNativeFile(editor, dir.file("feind.lpx"), false));
  test::RecordingCanvas canvas;
  editor.DrawPages(canvas, false);
  EXPECT_LE(editor.doc().GetAnzPages(), editor.doc().FieldCount() + 1);
}

// Opening and laying out a document (what the command line does) reads no
// word list; the first spelling question reads its language's list, and
// the main window reads the German one when it is made.
TEST(DocumentFiles, WordListsAreReadOnlyWhenSpellingNeedsThem) {
  test::TempDir dir;
  HyphenationLibrary hyphenation;
  SpellingService spelling(SpellingService::Folders{ProgramDir(), dir.path()});
  ProgramServices services{FontEngine::shared(), hyphenation, spelling};
  test::RecordingHost host;
  Editor editor(host, services);
  createNewDocument(editor);
  test::appendTextLine(editor.doc(), 0, "Eine Zeile");
  editor.documentLoaded();
  EXPECT_TRUE(spelling.words(SpellingService::kGerman).empty());
  EXPECT_EQ(spelling.lastRead(SpellingService::kGerman).status, WordListReadStatus::NotOpened);

  const WordList* words = editor.hyphenation().currentWords();
  ASSERT_NE(words, nullptr);
  EXPECT_FALSE(words->empty());
  EXPECT_EQ(spelling.lastRead(SpellingService::kGerman).status, WordListReadStatus::Complete);

  SpellingService forWindow(SpellingService::Folders{ProgramDir(), dir.path()});
  ProgramServices windowServices{FontEngine::shared(), hyphenation, forWindow};
  test::ScriptedShellHost shellHost;
  Shell shell(shellHost, windowServices);
  EXPECT_FALSE(forWindow.words(SpellingService::kGerman).empty());
}

}  // namespace
}  // namespace vendaro
