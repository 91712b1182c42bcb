// The spelling entries of the pop-up menu on a real editor and word list:
// the marked word at the caret, its correction as one undo step that keeps
// the punctuation beside it, and learning and ignoring.
#include <gtest/gtest.h>

#include <algorithm>

#include "document/caret_moves.h"
#include "editing/spelling_actions.h"
#include "layout/hyphenation_library.h"
#include "platform/font_engine.h"
#include "platform/paths.h"
#include "spelling/spell_check.h"
#include "spelling/spelling_service.h"
#include "support/keyboard_driver.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

class SpellingActionsTest : public testing::Test {
 protected:
  void SetUp() override {
    editor.FormCreate();
    editor.setSpellingHook([this](std::string_view word) {
      const WordList* words = editor.hyphenation().currentWords();
      return words && istwortkorrekt(*words, word, true);
    });
    test::typeKeys(editor, "Das Hauss, bitte");
    ASSERT_GT(editor.hyphenation().currentWords()->size(), 1000u) << "the German word list is read";
  }

  std::optional<MisspeltWord> wordAt(int32_t cell) {
    setCaret(editor.doc(), {0, 0, cell});
    setAnchor(editor.doc(), {0, 0, cell});
    return misspeltWordAtCaret(editor.doc());
  }

  test::TempDir config;
  HyphenationLibrary hyphenation;
  SpellingService spelling{SpellingService::Folders{ProgramDir(), config.path()}};
  ProgramServices services{FontEngine::shared(), hyphenation, spelling};
  test::RecordingHost host;
  Editor editor{host, services};
};

TEST_F(SpellingActionsTest, TheMarkedWordAtOrBeforeTheCaret) {
  EXPECT_FALSE(wordAt(1).has_value());
  for (int32_t cell : {4, 7, 9}) {  // its start, inside, just after its end
    const std::optional<MisspeltWord> word = wordAt(cell);
    ASSERT_TRUE(word.has_value()) << cell;
    EXPECT_EQ(word->text, "Hauss");
    EXPECT_EQ(word->start, (TextPos{0, 0, 4}));
    EXPECT_EQ(word->length, 5);
  }
  const std::vector<std::string> suggestions = spellingSuggestions(editor, "Hauss");
  EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), "Haus"), suggestions.end());
}

TEST_F(SpellingActionsTest, CorrectingReplacesOnlyTheWordAsOneUndoStep) {
  CorrectActualWord(editor, *wordAt(6), "Haus");
  EXPECT_EQ(test::flowText(editor.doc()).substr(0, 15), "Das Haus, bitte");
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 8}));
  EXPECT_FALSE(misspeltWordAtCaret(editor.doc()).has_value());
  EXPECT_EQ(editor.undoHistory().undoMenuItem().text, "&Rückgängig: Rechtschreibkorrektur");
  EXPECT_FALSE(editor.typingOptions().OverwriteMode);

  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(test::flowText(editor.doc()).substr(0, 16), "Das Hauss, bitte");
  CorrectActualWord(editor, *wordAt(6), "Hausrat");
  EXPECT_EQ(test::flowText(editor.doc()).substr(0, 18), "Das Hausrat, bitte");
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 11}));
}

TEST_F(SpellingActionsTest, LearnedWordsAreKeptIgnoredOnesAreNot) {
  IgnorActualWord(editor, *wordAt(5));
  EXPECT_FALSE(wordAt(5).has_value());
  EXPECT_TRUE(spelling.UserWords().empty());
  editor.getkeysKeyDown(kKeyEnd, 0);
  test::typeKeys(editor, " Zwergx");
  const std::optional<MisspeltWord> word = misspeltWordAtCaret(editor.doc());
  ASSERT_TRUE(word.has_value());
  LearnActualWord(editor, *word);
  EXPECT_FALSE(misspeltWordAtCaret(editor.doc()).has_value());
  EXPECT_EQ(spelling.UserWords(), std::vector<std::string>{"Zwergx"});
  EXPECT_EQ(test::readFileBytes(config.file("user.spe")), "Zwergx\r\n");
}

// A word the layout hyphenated is one word for the menu, whichever half
// the caret is in, and its correction replaces both halves.
TEST_F(SpellingActionsTest, AHyphenatedWordIsCorrectedWhole) {
  editor.getkeysKeyDown(kKeyEnd, 0);
  test::typeKeys(editor, "\nDie Silbentrenungen");
  const Document& doc = editor.doc();
  const TLineRec& first = doc.Fields[0].Lines[1];
  ASSERT_EQ(first.Hyphenated, 1) << test::flowText(doc);
  const TextPos start{0, 1, 4};
  for (const TextPos& caret : {TextPos{0, 1, first.CharCount() - 1}, TextPos{0, 2, 1}, TextPos{0, 1, first.CharCount()}}) {
    setCaret(editor.doc(), caret);
    setAnchor(editor.doc(), caret);
    const std::optional<MisspeltWord> word = misspeltWordAtCaret(doc);
    ASSERT_TRUE(word.has_value());
    EXPECT_EQ(word->text, "Silbentrenungen");
    EXPECT_EQ(word->start, start);
    EXPECT_EQ(word->length, 15);
  }
  const std::vector<std::string> suggestions = spellingSuggestions(editor, "Silbentrenungen");
  EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), "Silbentrennungen"), suggestions.end());
  CorrectActualWord(editor, *misspeltWordAtCaret(doc), "Silbentrennungen");
  EXPECT_EQ(test::flowText(doc).substr(17), "Die Silbentrennungen");
  for (size_t i = 1; i < doc.Fields[0].Lines.size(); ++i) {
    for (const TCharRec& cell : doc.Fields[0].Lines[i].Chars) EXPECT_FALSE(GettingOpsB(cell.CharFlags, kFlagMisspelled));
  }
  // Shorter than the old word: the surplus past the line end goes.
  editor.RestoreCopyFromUndo(0);
  CorrectActualWord(editor, *misspeltWordAtCaret(doc), "Silben");
  EXPECT_EQ(test::flowText(doc).substr(17), "Die Silben");
}

TEST_F(SpellingActionsTest, OfACompoundOnlyTheMarkedPartIsOffered) {
  editor.getkeysKeyDown(kKeyEnd, 0);
  test::typeKeys(editor, "\nGartn-Haus");
  setCaret(editor.doc(), {0, 1, 2});
  const std::optional<MisspeltWord> word = misspeltWordAtCaret(editor.doc());
  ASSERT_TRUE(word.has_value());
  EXPECT_EQ(word->text, "Gartn");
  EXPECT_EQ(word->start, (TextPos{0, 1, 0}));
  setCaret(editor.doc(), {0, 1, 8});
  EXPECT_FALSE(misspeltWordAtCaret(editor.doc()).has_value());
}

TEST_F(SpellingActionsTest, LearningAHyphenatedWordLearnsItWhole) {
  editor.getkeysKeyDown(kKeyEnd, 0);
  test::typeKeys(editor, "\nDie Zwergenbaumschulen");
  ASSERT_EQ(editor.doc().Fields[0].Lines[1].Hyphenated, 1);
  const std::optional<MisspeltWord> word = misspeltWordAtCaret(editor.doc());
  ASSERT_TRUE(word.has_value());
  LearnActualWord(editor, *word);
  EXPECT_EQ(spelling.UserWords(), std::vector<std::string>{"Zwergenbaumschulen"});
  EXPECT_FALSE(misspeltWordAtCaret(editor.doc()).has_value());
}

}  // namespace
}  // namespace vendaro
