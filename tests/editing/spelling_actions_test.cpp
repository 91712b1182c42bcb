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

}  // namespace
}  // namespace vendaro
