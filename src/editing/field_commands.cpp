// field_commands.cpp — inserting fields, dates and form fields at the caret,
// the field and date dialogs, and the form dialog that fills form fields.
#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

constexpr std::string_view kFormFieldPrefix = "FormField";

bool isFormField(const TCharRec& cell) { return cell.Kind == kCellField && textOf(cell.Code).starts_with(kFormFieldPrefix); }

// Calls `visit(frame, line, cell)` for every form field in document order.
template <typename Visit>
void forEachFormField(const Document& doc, Visit visit) {
  for (size_t f = 0; f < doc.Fields.size(); ++f) {
    const LineList& lines = doc.Fields[f].Lines;
    for (size_t l = 0; l < lines.size(); ++l)
      for (size_t c = 0; c < lines[l].Chars.size(); ++c)
        if (isFormField(lines[l].Chars[c])) visit(f, l, c);
  }
}

}  // namespace

void Editor::InsertField(std::string_view code) { insertFieldCell(code, "Dies ist der Inhalt des Feldes"); }

void Editor::insertFieldCell(std::string_view code, std::string_view text) {
  if (!caretInTypingFrame(doc_) || !caretCanTakeCell(doc_)) return;
  MakeCopyForUndo("Feld einf\xFCgen");
  if (isThereAmarking(doc_)) DeleteMarking();
  doc_.CaretAtLineEnd = 0;
  const TypedCell typed = cellForTyping(doc_, typingOptions_->OverwriteMode);
  if (!typed.cell) return;
  TCharRec& cell = *typed.cell;
  cell.Kind = kCellField;
  cell.Ch = 'a';
  SetPCharText(cell.Text, text);
  SetPCharText(cell.Code, code);
  doc_.RenderChar(cell, false, text);
  ++doc_.CurChar;
  setAnchor(doc_, caretPos(doc_));
  if (typed.replacedPicture) FreeBildInListeIfNotNeeded();
  RefreshDirtyContent();
}

void Editor::Seitenzahleinfuegen() { InsertField("page"); }

std::optional<std::string> Editor::askUserDateTimePattern(std::string_view preset) {
  UserDateTimeDialog dialog{host_.currentDateTime(), std::string(preset)};
  if (!host_.showUserDateTimeDialog(dialog)) return std::nullopt;
  if (dialog.pattern.empty()) {
    host_.showMessage("Die angegebene Zeichkette darf nicht leer sein!", MessageIcon::error);
    return std::nullopt;
  }
  return dialog.pattern;
}

void Editor::FeldEinfuegen() {
  FeldEinfuegenDialog dialog;
  dialog.now = host_.currentDateTime();
  if (!host_.showFeldEinfuegenDialog(dialog)) return;
  std::optional<std::string> code = fieldCodeFor(dialog.category, dialog.entry);
  if (!code && (dialog.category == kCategoryDate || dialog.category == kCategoryTime)) {
    const auto pattern = askUserDateTimePattern(dialog.category == kCategoryDate ? "dd.mm.yyyy" : "HH:MM");
    if (pattern) code = std::string("datetime").append(*pattern);
  }
  if (code) InsertField(*code);
}

void Editor::DateTimeEinfuegen() {
  const DateTime now = host_.currentDateTime();
  DateTimeDialog dialog;
  dialog.entries = dateTimeEntries(now);
  if (!host_.showDateTimeDialog(dialog)) return;
  const auto patterns = kDatePatterns.size() + kTimePatterns.size();
  std::optional<std::string> pattern;
  if (dialog.selected >= 0 && static_cast<size_t>(dialog.selected) < patterns) {
    const size_t k = static_cast<size_t>(dialog.selected);
    pattern = k < kDatePatterns.size() ? kDatePatterns[k] : kTimePatterns[k - kDatePatterns.size()];
  } else {
    pattern = askUserDateTimePattern("");
  }
  if (!pattern) return;
  if (dialog.asField) InsertField(std::string("datetime").append(*pattern));
  else typeText(formatDateTime(*pattern, now));
}

// Typed as by the keyboard: one undo step "Eingabe" that replaces a
// selection, every character measured, one layout at the end.
void Editor::typeText(std::string_view text) {
  TypingBatch = true;
  for (char c : text) getkeysKeyPress(static_cast<uint8_t>(c));
  TypingBatch = false;
  RefreshDirtyContent();
}

void Editor::FormularFeldEinfuegen() {
  InsertFormFieldDialog dialog;
  if (!host_.showInsertFormFieldDialog(dialog)) return;
  if (dialog.name.empty()) {
    host_.showMessage("Der Name des Felder darf nicht leer sein!", MessageIcon::error);
    return;
  }
  const std::string text = dialog.content.empty() ? std::string("{").append(dialog.name).append("}") : dialog.content;
  insertFieldCell(std::string(kFormFieldPrefix) + dialog.name, text);
}

void Editor::Formulardialog() {
  FormDialog dialog;
  const Document& read = doc_;
  forEachFormField(read, [&](size_t f, size_t l, size_t c) {
    const TCharRec& cell = read.Fields[f].Lines[l].Chars[c];
    dialog.rows.emplace_back(std::string(textOf(cell.Code).substr(kFormFieldPrefix.size())), std::string(textOf(cell.Text)));
  });
  if (dialog.rows.empty()) {
    host_.showMessage("Es wurden noch keine Formularfelder definiert!", MessageIcon::error);
    return;
  }
  const FormDialog before = dialog;
  if (!host_.showFormDialog(dialog) || dialog.rows == before.rows) return;
  MakeCopyForUndo("Formulardialog");
  size_t row = 0;
  forEachFormField(read, [&](size_t f, size_t l, size_t c) {
    const std::string text = row < dialog.rows.size() ? dialog.rows[row].second : std::string();
    ++row;
    TLineRec& line = doc_.Fields[f].Lines[l];
    TCharRec& cell = line.Chars[c];
    SetPCharText(cell.Text, text);
    doc_.RenderChar(cell, false, text);
    line.Dirty = 1;
  });
  RefreshDirtyContent();
}

}  // namespace vendaro
