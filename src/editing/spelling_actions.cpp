#include "editing/spelling_actions.h"

#include "document/caret_moves.h"
#include "spelling/line_words.h"
#include "spelling/suggestions.h"

namespace vendaro {
namespace {

bool misspelt(const TLineRec& line, int32_t cell) {
  return cell >= 0 && cell < line.CharCount() &&
         GettingOpsB(line.Chars[static_cast<size_t>(cell)].CharFlags, kFlagMisspelled);
}

// Marks the word's line for layout and every line for a fresh check, so
// that the word's marks go wherever it stands.
void relayout(Editor& editor, const MisspeltWord& word) {
  if (const TLineRec* line = lineAt(editor.doc(), word.start)) const_cast<TLineRec*>(line)->Dirty = 1;
  editor.recheckSpelling();
  editor.RefreshDirtyContent();
}

}  // namespace

std::optional<MisspeltWord> misspeltWordAtCaret(const Document& doc) {
  const TextPos caret = caretPos(doc);
  const TLineRec* line = lineAt(doc, caret);
  if (!line) return std::nullopt;
  int32_t cell = caret.cell;
  if (!misspelt(*line, cell)) --cell;
  if (!misspelt(*line, cell)) return std::nullopt;
  for (LineWord& word : lineWords(*line)) {
    if (cell < word.first || cell >= word.first + word.count) continue;
    return MisspeltWord{{caret.field, caret.line, word.first}, word.count, std::move(word.text)};
  }
  return std::nullopt;
}

std::vector<std::string> spellingSuggestions(Editor& editor, std::string_view word) {
  const WordList* words = editor.hyphenation().currentWords();
  return words ? findewortvorschlaege(*words, word) : std::vector<std::string>{};
}

void LearnActualWord(Editor& editor, const MisspeltWord& word) {
  if (WordList* words = editor.hyphenation().currentWords()) editor.services().spelling.learnWord(word.text, *words);
  relayout(editor, word);
}

void IgnorActualWord(Editor& editor, const MisspeltWord& word) {
  if (WordList* words = editor.hyphenation().currentWords()) editor.services().spelling.ignoreWord(word.text, *words);
  relayout(editor, word);
}

void CorrectActualWord(Editor& editor, const MisspeltWord& word, std::string_view replacement) {
  Document& doc = editor.doc();
  if (!lineAt(doc, word.start)) return;
  editor.MakeCopyForUndo("Rechtschreibkorrektur");
  setCaret(doc, word.start);
  setAnchor(doc, word.start);
  TypingOptions& options = editor.typingOptions();
  const bool overwriteBefore = options.OverwriteMode;
  // The word's own cells are typed over, so that they keep their format;
  // the characters beyond its length are inserted.
  options.OverwriteMode = true;
  editor.TypingNoUndo = true;
  for (size_t i = 0; i < replacement.size(); ++i) {
    if (i == static_cast<size_t>(word.length)) options.OverwriteMode = false;
    editor.getkeysKeyPress(static_cast<uint8_t>(replacement[i]));
  }
  for (size_t i = replacement.size(); i < static_cast<size_t>(word.length); ++i) editor.getkeysKeyDown(kKeyDelete, 0);
  editor.TypingNoUndo = false;
  setAnchor(doc, caretPos(doc));
  options.OverwriteMode = overwriteBefore;
  editor.RefreshDirtyContent();
}

}  // namespace vendaro
