#include "editing/spelling_check.h"

#include <map>
#include <string>
#include <vector>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "document/text_walk.h"
#include "editing/spelling_actions.h"
#include "spelling/line_words.h"
#include "spelling/spell_check.h"
#include "spelling/suggestions.h"

namespace vendaro {
namespace {

constexpr char kFinishedText[] = "Die Rechtschreibprüfung ist abgeschlossen.";
constexpr char kFinishedCaption[] = "Rechtschreibprüfung";

bool isWordAt(const Document& doc, const TextPos& p) {
  const TLineRec* line = lineAt(doc, p);
  return line && p.cell >= 0 && p.cell < line->CharCount() && isWordCell(line->Chars[static_cast<size_t>(p.cell)]);
}

// A word goes on over a soft line end, but not into a new paragraph, a new
// table cell or another frame.
bool continuesWord(const Document& doc, const TextPos& last, const TextPos& next) {
  if (next.field != last.field) return false;
  if (next.line == last.line) return next.cell == last.cell + 1;
  const TLineRec& before = doc.Fields[static_cast<size_t>(last.field)].Lines[static_cast<size_t>(last.line)];
  const TLineRec& after = doc.Fields[static_cast<size_t>(next.field)].Lines[static_cast<size_t>(next.line)];
  return before.LineEnd == kLineEndSoft && !after.CellFirstLine && !before.InTable && !after.InTable && next.cell == 0;
}

TextPos startPosition(const Document& doc, bool wholeDocument) {
  if (wholeDocument) return {std::max(doc.GetFieldofPage(0), 0), 0, 0};
  TextPos p = isThereAmarking(doc) ? FindMarkingStart(doc).start() : caretPos(doc);
  // Back to the start of the word the position stands in.
  while (p.cell > 0 && isWordAt(doc, {p.field, p.line, p.cell - 1})) --p.cell;
  return p;
}

class DocumentCheck {
 public:
  DocumentCheck(Editor& editor, bool wholeDocument) : editor_(editor), doc_(editor.doc()), walk_(doc_), whole_(wholeDocument) {
    walk_.WalkAllFields = wholeDocument;
  }

  void run() {
    const TextPos start = startPosition(doc_, whole_);
    if (!lineAt(doc_, start)) return;
    walk_.start(start);
    if (!walk_.cell() && !walk_.getnextchar()) return;
    bool more = true;
    while (more) {
      const TextPos here = walk_.pos;
      const bool wordCell = walk_.cell() && isWordCell(*walk_.cell());
      if (!word_.empty() && (!wordCell || !continuesWord(doc_, last_, here))) {
        if (!judge()) return;
        if (restarted_) {
          restarted_ = false;
          continue;
        }
      }
      if (wordCell) {
        if (word_.empty()) wordStart_ = here;
        word_.push_back(static_cast<char>(walk_.cell()->Ch));
        ++wordCells_;
        last_ = here;
      }
      more = walk_.getnextchar();
    }
    if (!word_.empty()) judge();
  }

 private:
  // Asks about the word just ended; false when the user cancelled.
  bool judge() {
    const std::string word = std::move(word_);
    const int32_t cells = wordCells_;
    word_.clear();
    wordCells_ = 0;
    WordList* list = editor_.hyphenation().currentWords();
    if (list == nullptr || istwortkorrekt(*list, word, true)) return true;
    SpellCheckAnswer answer;
    SpellCheckDialog dialog;
    if (const auto remembered = changeAll_.find(word); remembered != changeAll_.end()) {
      answer = SpellCheckAnswer::change;
      dialog.replacement = remembered->second;
    } else {
      dialog.unknownWord = word;
      dialog.suggestions = findewortvorschlaege(*list, word);
      dialog.replacement = word;
      answer = editor_.host().showSpellCheckDialog(dialog);
    }
    SpellingService& spelling = editor_.services().spelling;
    switch (answer) {
      case SpellCheckAnswer::changeAll:
        changeAll_[word] = dialog.replacement;
        [[fallthrough]];
      case SpellCheckAnswer::change:
        replace({wordStart_, cells, word}, dialog.replacement);
        return true;
      case SpellCheckAnswer::neverChange:
        spelling.ignoreWord(word, *list);
        editor_.recheckSpelling();
        return true;
      case SpellCheckAnswer::learn:
        spelling.learnWord(word, *list);
        editor_.recheckSpelling();
        return true;
      case SpellCheckAnswer::ignore:
        return true;
      case SpellCheckAnswer::cancel:
      default:
        return false;
    }
  }

  // The replacement changes the text and its layout: the walk goes on from
  // the caret behind it, with the frames it has visited still visited.
  void replace(const MisspeltWord& word, const std::string& replacement) {
    std::vector<uint8_t> visited;
    for (const TFieldRec& frame : doc_.Fields) visited.push_back(frame.Visited);
    CorrectActualWord(editor_, word, replacement);
    const TextPos after = caretPos(doc_);
    walk_.start(after);
    for (size_t i = 0; i < visited.size() && i < doc_.Fields.size(); ++i) doc_.Fields[i].Visited |= visited[i];
    restarted_ = true;
    if (!walk_.cell() && !walk_.getnextchar()) walk_.pos = after;
  }

  Editor& editor_;
  Document& doc_;
  TextWalk walk_;
  const bool whole_;
  std::string word_;
  int32_t wordCells_ = 0;
  TextPos wordStart_, last_;
  bool restarted_ = false;
  std::map<std::string, std::string> changeAll_;  // "Immer ändern" pairs of this check
};

}  // namespace

void Rechtschreibpruefung(Editor& editor, bool wholeDocument) {
  DocumentCheck(editor, wholeDocument).run();
  editor.RefreshDirtyContent();
  editor.host().showMessage(kFinishedText, MessageIcon::information, kFinishedCaption);
}

void UserDictionary(Editor& editor) {
  SpellingService& spelling = editor.services().spelling;
  UserDictionaryDialog dialog;
  dialog.words = spelling.UserWords();
  if (!editor.host().showUserDictionaryDialog(dialog)) return;
  spelling.replaceUserWords(std::move(dialog.words));
}

}  // namespace vendaro
