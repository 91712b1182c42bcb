#include "editing/spelling_actions.h"

#include <algorithm>

#include "document/caret_moves.h"
#include "editing/edit_lines.h"
#include "spelling/suggestions.h"
#include "spelling/wrapped_words.h"

namespace vendaro {
namespace {

bool misspelt(const Document& doc, const TextPos& pos) {
  const TLineRec* line = lineAt(doc, pos);
  return line && pos.cell >= 0 && pos.cell < line->CharCount() &&
         GettingOpsB(line->Chars[static_cast<size_t>(pos.cell)].CharFlags, kFlagMisspelled);
}

// The misspelt piece of the word that holds `cell`: the word as a whole,
// wherever the layout broke it, or the part of a compound between hyphens.
std::optional<MisspeltWord> misspeltPieceAt(const Document& doc, const TextPos& cell) {
  const DocumentLines flow(doc);
  const TextPos line{cell.field, cell.line, 0};
  const auto word = wrappedWordAt(flow, line, cell.cell);
  if (!word) return std::nullopt;
  std::vector<TextPos> cells;
  forEachCellOf(flow, *word, [&cells](const TextPos& id, int32_t at, size_t) { cells.push_back({id.field, id.line, at}); });
  const auto index = static_cast<size_t>(std::find(cells.begin(), cells.end(), cell) - cells.begin());
  const WordPiece piece = pieceAt(word->text, index);
  if (piece.length == 0) return std::nullopt;
  return MisspeltWord{cells[piece.offset], static_cast<int32_t>(piece.length), word->text.substr(piece.offset, piece.length)};
}

// Marks the word's line for layout and every line for a fresh check, so
// that the word's marks go wherever it stands.
void relayout(Editor& editor, const MisspeltWord& word) {
  if (TLineRec* line = editLine(editor.doc(), word.start)) line->Dirty = 1;
  editor.recheckSpelling();
  editor.RefreshDirtyContent();
}

}  // namespace

std::optional<MisspeltWord> misspeltWordAtCaret(const Document& doc) {
  const TextPos caret = caretPos(doc);
  for (const TextPos& cell : {caret, TextPos{caret.field, caret.line, caret.cell - 1}}) {
    if (misspelt(doc, cell)) return misspeltPieceAt(doc, cell);
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
