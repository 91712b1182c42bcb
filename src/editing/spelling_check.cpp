#include "editing/spelling_check.h"

#include <map>
#include <string>
#include <vector>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "document/text_walk.h"
#include "editing/spelling_actions.h"
#include "spelling/spell_check.h"
#include "spelling/suggestions.h"
#include "spelling/wrapped_words.h"

namespace vendaro {
namespace {

constexpr char kFinishedText[] = "Die Rechtschreibprüfung ist abgeschlossen.";
constexpr char kFinishedCaption[] = "Rechtschreibprüfung";

// What becomes of one unknown word.
struct Verdict {
  enum Kind { keep, change, stop } kind = keep;
  std::string replacement;  // for `change`
};

TextPos lineOfPos(const TextPos& p) { return {p.field, p.line, 0}; }

// The first cell of the word at or just before `p`, or `p` itself.
TextPos wordStartAround(const Document& doc, const TextPos& p) {
  const DocumentLines flow(doc);
  for (const int32_t cell : {p.cell - 1, p.cell}) {
    if (const auto word = wrappedWordAt(flow, lineOfPos(p), cell)) return {word->line.field, word->line.line, word->cell};
  }
  return p;
}

TextPos startPosition(const Document& doc, bool wholeDocument) {
  if (wholeDocument) return {std::max(doc.GetFieldofPage(0), 0), 0, 0};
  return wordStartAround(doc, isThereAmarking(doc) ? FindMarkingStart(doc).start() : caretPos(doc));
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
      if (!word_.empty() && (!wordCell || !cellFollowsInText(doc_, last_, here))) {
        if (!judge()) return;
        if (restarted_) {
          restarted_ = false;
          continue;
        }
      }
      if (wordCell) {
        word_.push_back(static_cast<char>(walk_.cell()->Ch));
        cells_.push_back(here);
        last_ = here;
      }
      more = walk_.getnextchar();
    }
    if (!word_.empty()) judge();
  }

 private:
  // Asks about the pieces of the word just ended that the list rejects;
  // false when the user cancelled.
  bool judge() {
    const std::string word = std::move(word_);
    const std::vector<TextPos> cells = std::move(cells_);
    word_.clear();
    cells_.clear();
    WordList* list = editor_.hyphenation().currentWords();
    if (list == nullptr) return true;
    const auto isCorrect = [list](std::string_view text) { return istwortkorrekt(*list, text, true); };
    for (const WordPiece& piece : rejectedPieces(word, isCorrect)) {
      const std::string text = word.substr(piece.offset, piece.length);
      // An answer on an earlier piece may have taught the list this one.
      if (isCorrect(text)) continue;
      const Verdict verdict = ask(*list, text);
      if (verdict.kind == Verdict::stop) return false;
      if (verdict.kind == Verdict::keep) continue;
      // The walk goes on behind the replacement, with the rest of the word.
      replace({cells[piece.offset], static_cast<int32_t>(piece.length), text}, verdict.replacement);
      return true;
    }
    return true;
  }

  // Shows the dialog on one unknown word (unless "Immer ändern" answered
  // it before) and carries out what does not change the text.
  Verdict ask(WordList& list, const std::string& word) {
    SpellCheckAnswer answer;
    SpellCheckDialog dialog;
    if (const auto remembered = changeAll_.find(word); remembered != changeAll_.end()) {
      answer = SpellCheckAnswer::change;
      dialog.replacement = remembered->second;
    } else {
      dialog.unknownWord = word;
      dialog.suggestions = findewortvorschlaege(list, word);
      dialog.replacement = word;
      answer = editor_.host().showSpellCheckDialog(dialog);
    }
    SpellingService& spelling = editor_.services().spelling;
    switch (answer) {
      case SpellCheckAnswer::changeAll:
        changeAll_[word] = dialog.replacement;
        [[fallthrough]];
      case SpellCheckAnswer::change:
        return {Verdict::change, dialog.replacement};
      case SpellCheckAnswer::neverChange:
        spelling.ignoreWord(word, list);
        editor_.recheckSpelling();
        return {};
      case SpellCheckAnswer::learn:
        spelling.learnWord(word, list);
        editor_.recheckSpelling();
        return {};
      case SpellCheckAnswer::ignore:
        return {};
      case SpellCheckAnswer::cancel:
      default:
        return {Verdict::stop, {}};
    }
  }

  // The replacement changes the text and its layout: the walk goes on from
  // the caret behind it, with the frames it has visited still visited.
  void replace(const MisspeltWord& word, const std::string& replacement) {
    CorrectActualWord(editor_, word, replacement);
    const TextPos after = caretPos(doc_);
    walk_.restart(after);
    restarted_ = true;
    if (!walk_.cell() && !walk_.getnextchar()) walk_.pos = after;
  }

  Editor& editor_;
  Document& doc_;
  TextWalk walk_;
  const bool whole_;
  std::string word_;
  std::vector<TextPos> cells_;  // where each character of word_ stands
  TextPos last_;
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
