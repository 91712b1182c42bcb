// spelling_actions.h — the spelling entries of the editor's pop-up menu: the
// misspelt word at the caret with its suggestions, and learning, ignoring or
// correcting it. The word is the run of cells the check while typing marked,
// so punctuation next to it is neither judged nor replaced.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/text_pos.h"
#include "editing/editor.h"

namespace vendaro {

struct MisspeltWord {
  TextPos start;       // its first cell
  int32_t length = 0;  // cells, on from `start` over soft line ends
  std::string text;    // code page 1252
};

// The marked word that holds the cell at the caret, or else the cell before
// it; nothing when neither carries the misspelled mark. A word broken over
// a soft line end is one word; of a compound only the part between hyphens
// that holds the cell.
std::optional<MisspeltWord> misspeltWordAtCaret(const Document& doc);
// Replacements from the word list of the document's language, best first.
std::vector<std::string> spellingSuggestions(Editor& editor, std::string_view word);

// "Wort lernen": into the user words (saved) and the document's word list.
void LearnActualWord(Editor& editor, const MisspeltWord& word);
// "Wort ignorieren": accepted until the program ends.
void IgnorActualWord(Editor& editor, const MisspeltWord& word);
// A suggestion chosen: one undo step "Rechtschreibkorrektur"; the word's
// cells are typed over (keeping their formats), the rest inserted or the
// surplus deleted; the caret ends after the replacement.
void CorrectActualWord(Editor& editor, const MisspeltWord& word, std::string_view replacement);

}  // namespace vendaro
