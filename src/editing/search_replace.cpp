// search_replace.cpp — the dialog "Suchen und ersetzen": searching, replacing
// one match or all of them, and going to a page.
#include <optional>
#include <string>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"
#include "editing/text_search.h"

namespace vendaro {
namespace {

constexpr char kFinishedText[] = "Der Suchvorgang innerhalb des Dokuments ist abgeschlossen.";
constexpr char kFinishedCaption[] = "Suchvorgang";
constexpr char kReplaceCaption[] = "Ersetzen";

// The gap behind the last line of the text chain that starts at `field`.
TextPos chainEnd(const Document& doc, int32_t field) {
  for (int32_t steps = doc.FieldCount(); steps-- > 0;) {
    const int32_t next = doc.Fields[static_cast<size_t>(field)].NextField;
    if (next < 0 || next >= doc.FieldCount()) break;
    field = next;
  }
  const TFieldRec& frame = doc.Fields[static_cast<size_t>(field)];
  if (frame.Lines.empty()) return {field, 0, 0};
  return {field, frame.LineCount() - 1, frame.Lines.back().CharCount()};
}

// Where the first search after the dialog opened begins.
TextPos firstSearchStart(const Document& doc, const SearchOptions& options) {
  if (options.fromStart) {
    const TextPos first{std::max(doc.GetFieldofPage(0), 0), 0, 0};
    return options.backwards ? chainEnd(doc, first.field) : first;
  }
  if (isThereAmarking(doc)) {
    const SelectionRange sel = FindMarkingStart(doc);
    return options.backwards ? sel.end() : sel.start();
  }
  return caretPos(doc);
}

class SearchSession {
 public:
  explicit SearchSession(Editor& editor) : editor_(editor), doc_(editor.doc()) {}

  void run(int page) {
    form_.page = page;
    for (TFieldRec& frame : doc_.Fields) frame.Visited = 0;
    for (;;) {
      const int result = replacingAll_ ? kSearchReplaceAll : editor_.host().showSearchForm(form_);
      if (result == kSearchGoToPage) {
        goToPage(form_.pageNumber);
        continue;
      }
      const bool replacing = result == kSearchReplace || result == kSearchReplaceAll || result == kSearchReplaceNext;
      if (!replacing && result != kSearchFindNext) break;
      const SearchOptions& options = replacing ? form_.replace : form_.search;
      if (options.text.empty()) return finishReplacingAll();
      if (result == kSearchReplaceAll && !replacingAll_) allStepTaken_ = false;
      replacingAll_ = result == kSearchReplaceAll;
      if ((result == kSearchReplace || replacingAll_) && selectedMatch_) replaceMatch();
      if (!search(options)) break;
    }
    finishReplacingAll();
    editor_.host().showMessage(kFinishedText, MessageIcon::information, kFinishedCaption);
  }

 private:
  // Selects the next match and shows it (unless all are being replaced);
  // false when there is none.
  bool search(const SearchOptions& options) {
    TextSearch search(doc_, options);
    if (continueFrom_) search.continueAt(*continueFrom_);
    else search.startAt(firstSearchStart(doc_, options));
    selectedMatch_ = search.findNext();
    if (!selectedMatch_) return false;
    const bool backwards = options.backwards;
    setAnchor(doc_, backwards ? selectedMatch_->last : selectedMatch_->first);
    setCaret(doc_, backwards ? selectedMatch_->first : selectedMatch_->last);
    doc_.CaretAtLineEnd = 0;
    continueFrom_ = caretPos(doc_);
    if (!replacingAll_) showCaret();
    return true;
  }

  // Types the replacement over the selected match; each replacement is an
  // undo step, and "&Alle ersetzen" one for all of them, laid out at the end.
  void replaceMatch() {
    const TextMatch match = *selectedMatch_;
    selectedMatch_.reset();
    // A frame that takes no typing keeps its text.
    if (!caretInTypingFrame(doc_)) return;
    if (!replacingAll_ || !allStepTaken_) editor_.MakeCopyForUndo(kReplaceCaption);
    allStepTaken_ = replacingAll_;
    takeFontOf(match.first);
    setAnchor(doc_, match.first);
    setCaret(doc_, match.last);
    editor_.DeleteMarking();
    editor_.SetFileChanged(true);
    editor_.TypingNoUndo = true;
    editor_.TypingBatch = true;
    for (const char ch : form_.replacement) editor_.getkeysKeyPress(static_cast<uint8_t>(ch));
    editor_.TypingNoUndo = false;
    editor_.TypingBatch = false;
    // Forwards the search goes on behind the inserted text, backwards
    // before it: a replacement holding the search text is not found again.
    const bool backwards = form_.replace.backwards;
    setAnchor(doc_, match.first);
    if (replacingAll_) {
      continueFrom_ = backwards ? match.first : caretPos(doc_);
      return;
    }
    // Layout moves positions; the anchor and caret follow their text.
    editor_.RefreshDirtyContent();
    continueFrom_ = backwards ? anchorPos(doc_) : caretPos(doc_);
    setAnchor(doc_, caretPos(doc_));
  }

  // The replacement takes the format of the text it replaces.
  void takeFontOf(const TextPos& firstCell) {
    const TCharRec& cell = lineAt(doc_, firstCell)->Chars[static_cast<size_t>(firstCell.cell)];
    if (cell.FontIndex < 0 || cell.FontIndex >= doc_.FontCount()) return;
    const uint8_t reserved = doc_.CurFont.Reserved;
    doc_.CurFont = doc_.Fonts[static_cast<size_t>(cell.FontIndex)];
    doc_.CurFont.Reserved = reserved;
  }

  void finishReplacingAll() {
    if (!replacingAll_) return;
    replacingAll_ = false;
    setAnchor(doc_, caretPos(doc_));
    editor_.RefreshDirtyContent();
  }

  // Along the chain from frame 0 to the frame of page `number`, or the
  // chain's last frame.
  void goToPage(int32_t number) {
    if (doc_.Fields.empty()) return;
    int32_t field = 0;
    for (int32_t steps = doc_.FieldCount(); steps-- > 0;) {
      const TFieldRec& frame = doc_.Fields[static_cast<size_t>(field)];
      if (frame.PageNo + 1 == number || frame.NextField < 0 || frame.NextField >= doc_.FieldCount()) break;
      field = frame.NextField;
    }
    setCaret(doc_, {field, 0, 0});
    setAnchor(doc_, {field, 0, 0});
    doc_.CaretAtLineEnd = 0;
    selectedMatch_.reset();
    continueFrom_ = caretPos(doc_);
    showCaret();
  }

  void showCaret() {
    editor_.OvertakeFont();
    editor_.host().requestRepaint();
    editor_.host().scrollCaretIntoView();
  }

  Editor& editor_;
  Document& doc_;
  TSearchForm form_;
  std::optional<TextMatch> selectedMatch_;
  std::optional<TextPos> continueFrom_;  // unset until the first search
  bool replacingAll_ = false;
  bool allStepTaken_ = false;  // the one undo step of "&Alle ersetzen"
};

}  // namespace

void Editor::SuchenErsetzen(int page) { SearchSession(*this).run(page); }

}  // namespace vendaro
