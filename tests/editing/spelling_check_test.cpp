// The spelling dialog's check through a real editor with the German word
// list: each answer of the dialog, remembered replacements, cancelling.
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "editing/spelling_check.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

class DialogHost : public test::RecordingHost {
 public:
  struct Reply {
    SpellCheckAnswer answer;
    std::string replacement;
  };
  SpellCheckAnswer showSpellCheckDialog(SpellCheckDialog& dialog) override {
    asked.push_back(dialog.unknownWord);
    suggestionsOfFirst = suggestionsOfFirst.empty() ? dialog.suggestions : suggestionsOfFirst;
    if (replies.empty()) return SpellCheckAnswer::cancel;
    const Reply reply = replies.front();
    replies.pop_front();
    if (!reply.replacement.empty()) dialog.replacement = reply.replacement;
    return reply.answer;
  }
  std::deque<Reply> replies;
  std::vector<std::string> asked;
  std::vector<std::string> suggestionsOfFirst;
};

class SpellingCheck : public ::testing::Test {
 protected:
  SpellingCheck() : editor(host) { editor.FormCreate(); }

  void write(const std::string& text) {
    SetPCharText(editor.doc().CurFont.Name, "Arial");
    editor.doc().CurFont.Size = 12;
    test::appendTextLine(editor.doc(), 0, text);
    editor.RefreshContent();
  }
  std::string bodyText() const {
    std::string text;
    for (const TLineRec& line : editor.doc().Fields[0].Lines)
      for (const TCharRec& cell : line.Chars) text.push_back(static_cast<char>(cell.Ch));
    return text;
  }

  DialogHost host;
  Editor editor;
};

TEST_F(SpellingCheck, ChangesIgnoresAndEndsWithTheMessage) {
  write("Das Hauss steht am Bergg.");
  host.replies = {{SpellCheckAnswer::change, "Haus"}, {SpellCheckAnswer::ignore, ""}};
  Rechtschreibpruefung(editor, true);
  EXPECT_EQ(host.asked, (std::vector<std::string>{"Hauss", "Bergg"}));
  EXPECT_NE(std::find(host.suggestionsOfFirst.begin(), host.suggestionsOfFirst.end(), "Haus"), host.suggestionsOfFirst.end());
  EXPECT_EQ(bodyText(), "Das Haus steht am Bergg.");
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().text, "Die Rechtschreibprüfung ist abgeschlossen.");
  EXPECT_EQ(host.messages.back().icon, MessageIcon::information);
  // One undo step brings the word back.
  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(bodyText(), "Das Hauss steht am Bergg.");
}

TEST_F(SpellingCheck, ChangeAllIsRememberedAndCancelStillEnds) {
  write("Hauss und Hauss und Gartn.");
  host.replies = {{SpellCheckAnswer::changeAll, "Haus"}};
  Rechtschreibpruefung(editor, true);
  // The second "Hauss" is changed without asking; "Gartn" is cancelled.
  EXPECT_EQ(host.asked, (std::vector<std::string>{"Hauss", "Gartn"}));
  EXPECT_EQ(bodyText(), "Haus und Haus und Gartn.");
  EXPECT_EQ(host.messages.back().text, "Die Rechtschreibprüfung ist abgeschlossen.");
}

TEST_F(SpellingCheck, FromTheCaretAndNeverChange) {
  write("Erstt Zweitt Zweitt");
  Document& doc = editor.doc();
  doc.CurField = doc.MarkField = 0;
  doc.CurLine = doc.MarkLine = doc.Fields[0].LineCount() - 1;
  doc.CurChar = doc.MarkChar = 8;  // inside "Zweitt": the check starts at its first letter
  host.replies = {{SpellCheckAnswer::neverChange, ""}};
  Rechtschreibpruefung(editor, false);
  // Ignored for the rest of the run: the second "Zweitt" is not asked about.
  EXPECT_EQ(host.asked, (std::vector<std::string>{"Zweitt"}));
}

// Words wrapped inside a table cell are asked about whole; compounds by
// their parts; a lone hyphen not at all.
TEST_F(SpellingCheck, WrappedWordsAreAskedWholeAndCompoundsByTheirParts) {
  write("E-Mail Mo - Fr Haus- und Gartenarbeiten");
  // A cell narrow enough to wrap its words, next to a wide one.
  test::appendTableRow(editor.doc(), {{"Rechtschreibpr\xfc" "fung Rechtschreibpr\xfc" "fungg Gartn-Haus", 1.0}, {"rechts", 8.0}});
  editor.RefreshContent();
  size_t tableLines = 0;
  for (const TLineRec& line : editor.doc().Fields[0].Lines) tableLines += line.InTable;
  ASSERT_GE(tableLines, 6u) << "the narrow cell wraps its words";
  host.replies = {{SpellCheckAnswer::ignore, ""}, {SpellCheckAnswer::change, "Rechtschreibpr\xfc" "fung"},
                  {SpellCheckAnswer::change, "Garten"}};
  Rechtschreibpruefung(editor, true);
  EXPECT_EQ(host.asked, (std::vector<std::string>{"Mo", "Rechtschreibpr\xfc" "fungg", "Gartn"}));
  std::string text;  // the narrow cell's text
  for (const TLineRec& line : editor.doc().Fields[0].Lines) {
    for (const TCharRec& cell : line.Chars) {
      if (line.InTable && line.CellIndex == 0) text.push_back(static_cast<char>(cell.Ch));
    }
  }
  EXPECT_NE(text.find("Rechtschreibpr\xfc" "fung Rechtschreibpr\xfc" "fung Garten-Haus"), std::string::npos) << text;
}

}  // namespace
}  // namespace vendaro
