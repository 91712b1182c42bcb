#include <gtest/gtest.h>

#include "editing/editor.h"
#include "spelling/spell_check.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

TEST(Editor, LanguageSwitchReopensHyphenationOnlyOnChange) {
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  EXPECT_EQ(editor.hyphenation().TrenneSilben("Silbentrennung"), "Sil-ben-tren-nung");
  EXPECT_EQ(editor.hyphenation().cachedWordCount(), 1u);
  editor.SetNewDokumentSprache(0);
  EXPECT_EQ(editor.hyphenation().cachedWordCount(), 1u);
  editor.SetNewDokumentSprache(1);
  EXPECT_EQ(editor.doc().DocLanguage, 1);
  EXPECT_EQ(editor.hyphenation().cachedWordCount(), 0u);
  EXPECT_EQ(editor.hyphenation().TrenneSilben("hyphenation"), "hy-phen-ation");
  // The word list follows the language together with the patterns.
  ASSERT_NE(editor.hyphenation().currentWords(), nullptr);
  EXPECT_TRUE(istwortkorrekt(*editor.hyphenation().currentWords(), "dictionary", true));
  editor.SetNewDokumentSprache(0);
  EXPECT_TRUE(istwortkorrekt(*editor.hyphenation().currentWords(), "Silbentrennung", true));
}

}  // namespace
}  // namespace vendaro
