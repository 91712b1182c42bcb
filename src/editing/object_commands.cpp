// object_commands.cpp — pictures from files, new text boxes, drawing objects
// and picture frames, linking text boxes, and the size of a picture cell.
#include <algorithm>
#include <cmath>
#include <utility>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"
#include "platform/dib.h"

namespace vendaro {
namespace {

constexpr char kAlreadyLinked[] = "Dieses Feld ist schon verknüpft!";

// "Name (*.a *.b);;…" as the open dialog's filter list, counted from 1.
std::vector<FileDialogFilter> pictureFilters() {
  std::vector<FileDialogFilter> filters;
  const std::string all = GetDIBOpenFilter();
  for (size_t start = 0; start <= all.size();) {
    size_t end = all.find(";;", start);
    if (end == std::string::npos) end = all.size();
    const std::string entry = all.substr(start, end - start);
    const size_t open = entry.rfind('('), close = entry.rfind(')');
    std::string patterns = open != std::string::npos && close > open ? entry.substr(open + 1, close - open - 1) : "*";
    std::replace(patterns.begin(), patterns.end(), ' ', ';');
    filters.push_back({entry, patterns, static_cast<int32_t>(filters.size()) + 1});
    start = end + 2;
  }
  return filters;
}

const TFieldRec* frameAt(const Document& doc, int32_t index) {
  return index >= 0 && index < doc.FieldCount() ? &doc.Fields[static_cast<size_t>(index)] : nullptr;
}

bool holdsOnePictureCell(const TFieldRec& frame) {
  int cells = 0;
  bool picture = false;
  for (const TLineRec& line : frame.Lines)
    for (const TCharRec& cell : line.Chars) {
      ++cells;
      picture = cell.Kind == kCellPicture;
    }
  return cells == 1 && picture;
}

}  // namespace

std::optional<TPictureRec> Editor::choosePictureFile() {
  if (RulerDragMode != kRulerDragNone) return std::nullopt;
  FileDialogState dialog;
  dialog.filters = pictureFilters();
  dialog.filterIndex = 1;
  if (!host_.showOpenDialog(dialog) || dialog.fileName.empty()) return std::nullopt;
  TPictureRec picture;
  if (OpenDib(picture, dialog.fileName) && picture.hasPixels()) return picture;
  const std::string sentence = "Fehler: Die Datei " + dialog.fileName + " konnte nicht geladen werden!";
  // A short library text says nothing: the sentence is the message then.
  if (picture.ErrorText.size() < 6) host_.showMessage(sentence, MessageIcon::error, "Fehler");
  else host_.showMessage(picture.ErrorText, MessageIcon::error, sentence);
  return std::nullopt;
}

void Editor::GrafikEinfuegen() {
  if (std::optional<TPictureRec> picture = choosePictureFile()) insertPicture(std::move(*picture));
}

void Editor::TextfeldEinfuegen(int32_t page, const FrameEdges& edges) {
  MakeCopyForUndo("Feld einfügen");
  SetFileChanged(true);
  TextfeldEinfuegenSimple(doc_, page, edges);
  RefreshContent();
}

void Editor::InsertObject(int32_t kind, int32_t page, bool flip, const FrameEdges& edges) {
  if (kind < 0 || kind >= kInsertKindCount) return;
  std::optional<TPictureRec> picture;
  if (kind == kInsertKindPictureFrame) {
    if (doc_.Pictures.size() >= kMaxPictures) return;
    picture = choosePictureFile();
    if (!picture) return;
  }
  const TextPos caret = caretPos(doc_), anchor = anchorPos(doc_);
  MakeCopyForUndo("Zeichnungsobjekt einfügen");
  SetFileChanged(true);
  InsertObjectSimple(doc_, kind, page, flip, edges, host_.newObjectStyle());
  if (picture) {
    placePictureCell(std::move(*picture));
    // A picture frame shows exactly one picture; anything else goes again.
    if (!holdsOnePictureCell(doc_.Fields.back())) {
      doc_.DeleteField(doc_.FieldCount() - 1);
      setCaret(doc_, caret);
      setAnchor(doc_, anchor);
      FreeBildInListeIfNotNeeded();
    }
  }
  RefreshContent();
}

void Editor::SetInsertObjMode(int32_t mode) {
  InsertObjMode = std::clamp(mode, 0, kInsertKindCount + 1);
  objectDrag_ = ObjectDrag{};
}

void Editor::Textfeldverknuepfen() {
  const TFieldRec* frame = frameAt(doc_, doc_.CurField);
  if (!frame || frame->FieldType != kFieldTextBox) {
    host_.showMessage("Es ist kein Textfeld ausgewählt!", MessageIcon::error);
    return;
  }
  if (frame->NextField >= 0) {
    host_.showMessage(kAlreadyLinked, MessageIcon::error);
    return;
  }
  viewOptions_.LinkMode = true;
  viewOptions_.LinkSource = doc_.CurField;
  viewOptions_.LinkHead = chainHead(doc_, doc_.CurField);
}

void Editor::linkPendingPress(int32_t target) {
  if (!viewOptions_.LinkMode) return;
  viewOptions_.LinkMode = false;
  const int32_t source = viewOptions_.LinkSource;
  const TFieldRec* box = frameAt(doc_, target);
  const TFieldRec* from = frameAt(doc_, source);
  if (!box || box->FieldType != kFieldTextBox || !from || from->NextField >= 0) {
    host_.requestRepaint();
    return;
  }
  if (box->PrevField >= 0 || target == source || target == viewOptions_.LinkHead) {
    host_.showMessage(kAlreadyLinked, MessageIcon::error);
    host_.requestRepaint();
    return;
  }
  MakeCopyForUndo("Textfeld verknüpfen");
  SetFileChanged(true);
  doc_.Fields[static_cast<size_t>(target)].PrevField = source;
  doc_.Fields[static_cast<size_t>(source)].NextField = target;
  doc_.SetAllDirtyFlags();
  RefreshContent();
}

std::optional<TextPos> Editor::selectedPictureCell() const {
  if (doc_.CurField != doc_.MarkField || doc_.CurLine != doc_.MarkLine) return std::nullopt;
  if (std::abs(doc_.CurChar - doc_.MarkChar) != 1) return std::nullopt;
  const TextPos cell{doc_.CurField, doc_.CurLine, std::min(doc_.CurChar, doc_.MarkChar)};
  const TLineRec* line = lineAt(doc_, cell);
  if (!line || cell.cell >= line->CharCount()) return std::nullopt;
  if (line->Chars[static_cast<size_t>(cell.cell)].Kind != kCellPicture) return std::nullopt;
  return cell;
}

void Editor::GrafikFormatieren() {
  const std::optional<TextPos> at = selectedPictureCell();
  if (!at) return;
  const TCharRec& cell = lineAt(doc_, *at)->Chars[static_cast<size_t>(at->cell)];
  GrafikPropsDialog dialog;
  dialog.width = cell.CharWidth / 10.0;
  dialog.height = cell.CharHeight / 10.0;
  dialog.ratio = cell.CharHeight > 0 ? cell.CharWidth / cell.CharHeight : 1.0;
  if (cell.PictureIndex < doc_.Pictures.size()) {
    const TPictureRec& picture = doc_.Pictures[cell.PictureIndex];
    if (picture.height() > 0) dialog.pictureRatio = picture.width() / static_cast<double>(picture.height());
  }
  if (!host_.showGrafikPropsDialog(dialog)) return;
  MakeCopyForUndo("Grafik formatieren");
  SetFileChanged(true);
  TLineRec& line = *editLine(doc_, *at);
  TCharRec& changed = line.Chars[static_cast<size_t>(at->cell)];
  changed.CharWidth = std::clamp(dialog.width, kPictureMinCm, kPictureMaxCm) * 10.0;
  changed.CharHeight = std::clamp(dialog.height, kPictureMinCm, kPictureMaxCm) * 10.0;
  line.Dirty = 1;
  RefreshDirtyContent();
}

void GrafikPropsDialog::widthEdited(double cm) {
  width = cm;
  if (keepRatio && width > 0 && height > 0 && ratio > 0) height = width / ratio;
}

void GrafikPropsDialog::heightEdited(double cm) {
  height = cm;
  if (keepRatio && width > 0 && height > 0 && ratio > 0) width = height * ratio;
}

void GrafikPropsDialog::restoreOriginalRatio() {
  if (pictureRatio > 0) height = width / pictureRatio;
}

}  // namespace vendaro
