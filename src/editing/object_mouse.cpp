// object_mouse.cpp — the page view's mouse handlers: insert mode's rubber
// band, moving and resizing frames by their grips, resizing a picture cell
// by its handles, a pending link, column edges, dropping dragged text, and
// the pointer. A move only changes the overlay; the release applies.
#include <algorithm>
#include <cstdlib>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"
#include "layout/page_painter.h"

namespace vendaro {
namespace {

constexpr FrameEdges kUnplacedObject{50, 50, 100, 100};  // mm, released beside every page

bool isObjectFrame(const Document& doc, int32_t index) {
  return index >= 0 && index < doc.FieldCount() && doc.Fields[static_cast<size_t>(index)].FieldType >= kFieldTextBox;
}

// Position markers ride along when lines are joined and wrapped, so they
// find a place again after the text before it changed.
void clearPositionMarks(Document& doc) {
  for (TFieldRec& frame : doc.Fields)
    for (size_t l = 0; l < frame.Lines.size(); ++l) {
      const TLineRec& seen = std::as_const(frame.Lines)[l];
      const bool marked = seen.MouseMark || std::any_of(seen.Chars.begin(), seen.Chars.end(), [](const TCharRec& c) {
                            return GettingOpsB(c.CharFlags, kFlagMouseMark);
                          });
      if (!marked) continue;
      TLineRec& line = frame.Lines[l];
      line.MouseMark = 0;
      for (TCharRec& cell : line.Chars) SettingOpsB(cell.CharFlags, kFlagMouseMark, false);
    }
}

void setPositionMark(Document& doc, const TextPos& pos) {
  TLineRec* line = editLine(doc, pos);
  if (!line) return;
  if (pos.cell <= 0 || line->Chars.empty()) line->MouseMark = 1;
  else SettingOpsB(line->Chars[static_cast<size_t>(std::min(pos.cell, line->CharCount()) - 1)].CharFlags, kFlagMouseMark, true);
}

std::optional<TextPos> findPositionMark(const Document& doc) {
  for (int32_t f = 0; f < doc.FieldCount(); ++f) {
    const LineList& lines = doc.Fields[static_cast<size_t>(f)].Lines;
    for (int32_t l = 0; l < static_cast<int32_t>(lines.size()); ++l) {
      const TLineRec& line = lines[static_cast<size_t>(l)];
      if (line.MouseMark) return TextPos{f, l, 0};
      for (int32_t c = 0; c < line.CharCount(); ++c)
        if (GettingOpsB(line.Chars[static_cast<size_t>(c)].CharFlags, kFlagMouseMark)) return TextPos{f, l, c + 1};
    }
  }
  return std::nullopt;
}

}  // namespace

int32_t Editor::mouseObjectKindAt(int x, int y) const {
  const std::vector<MouseObject>& objects = paintState_.sideLists.MouseObjs;
  // Where several contain the point, the last registered wins.
  for (auto it = objects.rbegin(); it != objects.rend(); ++it)
    if (x >= it->left && x < it->right && y >= it->top && y < it->bottom) return it->kind;
  return -1;
}

PointerShape Editor::pointerAt(int x, int y) const {
  if (InsertObjMode > 0) return PointerShape::cross;
  if (viewOptions_.LinkMode) return PointerShape::pointingHand;
  const int32_t kind = mouseObjectKindAt(x, y);
  return kind < 0 ? PointerShape::text : pointerForMouseObject(kind);
}

bool Editor::PaintBox1MouseDown(int x, int y, bool rightButton) {
  if (InsertObjMode > 0) {
    if (rightButton) {
      SetInsertObjMode(0);
      return true;
    }
    objectDrag_ = ObjectDrag{};
    objectDrag_.kind = ObjectDragKind::rubberBand;
    objectDrag_.startX = x;
    objectDrag_.startY = y;
    return true;
  }
  return startColumnDrag(x, y, rightButton);
}

bool Editor::objectPressResolved() {
  if (viewOptions_.LinkMode) {
    linkPendingPress(paintState_.hitFrame);
    return false;
  }
  objectDrag_ = ObjectDrag{};
  const PictureGrip& picture = paintState_.pictureGrip;
  if (picture.shown && picture.handle > 0) {
    objectDrag_.kind = ObjectDragKind::pictureCell;
    objectDrag_.picture = picture;
    objectDrag_.outline = picture.rect;
    return true;
  }
  const ObjectGrip& grip = paintState_.grip;
  if (paintState_.clickConsumed && grip.frame >= 0 && grip.frame == paintState_.hitFrame &&
      isObjectFrame(doc_, grip.frame)) {
    objectDrag_.kind = ObjectDragKind::frame;
    objectDrag_.grip = grip;
    objectDrag_.outline = grip.area;
    return true;
  }
  return false;
}

void Editor::showObjectOutline(const CanvasRect& rect) {
  objectDrag_.outline = rect;
  objectDrag_.outlineShown = true;
  const OverlayShape shape{OverlayShape::Kind::rectangle, std::min(rect.left, rect.right), std::min(rect.top, rect.bottom),
                           std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)};
  if (paintState_.overlay.show(OverlayOwner::objectOutline, shape)) host_.dragMarksChanged();
}

void Editor::PaintBox1MouseMove(int x, int y) {
  ObjectDrag& drag = objectDrag_;
  switch (drag.kind) {
    case ObjectDragKind::none:
      if (columnDrag_.active) moveColumnDrag(x);
      return;
    case ObjectDragKind::rubberBand:
      drag.moved = drag.moved || x != drag.startX || y != drag.startY;
      showObjectOutline(rubberBand(drag.startX, drag.startY, x, y));
      return;
    case ObjectDragKind::frame:
      showObjectOutline(draggedGripOutline(drag.grip, x, y));
      drag.moved = drag.outline != drag.grip.area;
      return;
    case ObjectDragKind::pictureCell:
      showObjectOutline(draggedPictureOutline(drag.picture, x, y));
      drag.moved = drag.outline != drag.picture.rect;
      return;
  }
}

void Editor::PaintBox1MouseUp(int x, int y) {
  if (objectDrag_.kind == ObjectDragKind::none) {
    if (columnDrag_.active) finishColumnDrag(x);
    return;
  }
  PaintBox1MouseMove(x, y);
  if (paintState_.overlay.hide(OverlayOwner::objectOutline)) host_.dragMarksChanged();
  switch (objectDrag_.kind) {
    case ObjectDragKind::rubberBand: finishRubberBand(x, y); break;
    case ObjectDragKind::frame: finishFrameDrag(x, y); break;
    case ObjectDragKind::pictureCell: finishPictureDrag(x, y); break;
    case ObjectDragKind::none: break;
  }
  objectDrag_ = ObjectDrag{};
}

void Editor::finishRubberBand(int x, int y) {
  const int32_t mode = InsertObjMode;
  InsertObjMode = 0;
  if (mode <= 0) return;
  int32_t page = caretFramePage(doc_);
  NewObjectPlace place{kUnplacedObject, false};
  if (const std::optional<PageHit> hit = pageAtPoint(doc_, paintState_, x, y)) {
    const double mmpp = paintState_.mmPerPixel;
    page = hit->page;
    place = normaliseNewObject((objectDrag_.startX - hit->left) * mmpp, (objectDrag_.startY - hit->top) * mmpp,
                               (x - hit->left) * mmpp, (y - hit->top) * mmpp, objectDrag_.moved);
  }
  if (mode == 1) TextfeldEinfuegen(page, place.edges);
  else InsertObject(mode - 2, page, place.flip, place.edges);
}

void Editor::finishFrameDrag(int /*x*/, int /*y*/) {
  const int32_t index = objectDrag_.grip.frame;
  if (!objectDrag_.moved || !isObjectFrame(doc_, index)) return;
  MakeCopyForUndo("Feld verschieben");
  SetFileChanged(true);
  TFieldRec& frame = doc_.Fields[static_cast<size_t>(index)];
  const DraggedEdges moved = edgesAfterGripDrag(objectDrag_.grip, edgesFromTopLeft(doc_, frame), objectDrag_.outline);
  setEdgesFromTopLeft(doc_, frame, moved.edges);
  if (moved.flipToggled) frame.LineFlip = frame.LineFlip ? 0 : 1;
  frame.AnchorID = 0;
  doc_.SetAllDirtyFlags();
  RefreshContent();
}

void Editor::finishPictureDrag(int /*x*/, int /*y*/) {
  const TextPos at = objectDrag_.picture.cell;
  const TLineRec* seen = lineAt(doc_, at);
  if (!objectDrag_.moved || !seen || at.cell < 0 || at.cell >= seen->CharCount() ||
      seen->Chars[static_cast<size_t>(at.cell)].Kind != kCellPicture)
    return;
  const CanvasRect& r = objectDrag_.outline;
  const double mmpp = paintState_.mmPerPixel;
  MakeCopyForUndo("Grafik formatieren");
  SetFileChanged(true);
  TLineRec& line = *editLine(doc_, at);
  TCharRec& cell = line.Chars[static_cast<size_t>(at.cell)];
  cell.CharWidth = std::max(std::abs(r.right - r.left), kMinimumPicturePixels) * mmpp;
  cell.CharHeight = std::max(std::abs(r.bottom - r.top), kMinimumPicturePixels) * mmpp;
  line.Dirty = 1;
  RefreshDirtyContent();
}

void Editor::dropDraggedText(bool copy) {
  if (!paintState_.dropCaretShown || !isThereAmarking(doc_)) return;
  const TextPos drop = paintState_.dropPos;
  const SelectionRange selection = FindMarkingStart(doc_);
  // Text dropped onto itself, or just behind itself, stays where it is.
  const TextPos end{selection.SelEndField, selection.SelEndLine, selection.SelEndChar};
  if (drop == selection.start() || drop == end || isinmarking(doc_, selection, drop.field, drop.line, drop.cell)) {
    setCaret(doc_, drop);
    setAnchor(doc_, drop);
    host_.requestRepaint();
    return;
  }
  if (copy) {
    KopierenInZwischenAblage(false);
    setCaret(doc_, drop);
  } else {
    clearPositionMarks(doc_);
    setPositionMark(doc_, drop);
    KopierenInZwischenAblage(true);
    const std::optional<TextPos> marked = findPositionMark(doc_);
    clearPositionMarks(doc_);
    setCaret(doc_, marked.value_or(caretPos(doc_)));
  }
  setAnchor(doc_, caretPos(doc_));
  EinfuegenAusZwischenAblage(0);
}

}  // namespace vendaro
