// spelling_check.h — the spelling dialog's check of the whole document or
// from the caret on, word by word, and the user dictionary.
#pragma once

#include "editing/editor.h"

namespace vendaro {

// Walks the text from the first page's start (`wholeDocument`, on into
// every frame) or from the word at the selection's start or the caret,
// shows the dialog for each unknown word and carries out its answer; ends
// with the message that the check is over, also when cancelled.
void Rechtschreibpruefung(Editor& editor, bool wholeDocument);

// The user dictionary dialog: on OK the user words become the list as the
// dialog left it and are saved.
void UserDictionary(Editor& editor);

}  // namespace vendaro
