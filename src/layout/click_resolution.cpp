#include "layout/click_resolution.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "document/caret_moves.h"

namespace vendaro {
namespace {

bool inBox(const LineGeometry& g, const FramePlacement& place, int x) {
  return x >= place.x(g.boxLeft) && x < place.x(g.boxRight);
}

// Lines side by side (table cells, text columns) share their band; the one
// whose box holds the mouse wins. A line alone in its band takes the whole
// width of the frame.
bool sharesBand(const TLineRec& line) { return line.InTable || line.ColumnCount > 1; }

int32_t cellUnder(const PaintContext& ctx, const TLineRec& line, const LineGeometry& g, const FramePlacement& place, int x,
                  bool& onPicture) {
  for (size_t i = 0; i < line.Chars.size(); ++i) {
    const int left = place.x(g.cellX[i]);
    const int right = place.x(g.cellX[i] + line.Chars[i].CharWidth);
    if (x < left) return static_cast<int32_t>(i);
    if (x >= right) continue;
    if (line.Chars[i].Kind == kCellPicture) {
      const int top = place.y(g.bottom()) - static_cast<int>(std::lround(line.Chars[i].CharHeight / ctx.scale.mmPerPixel));
      onPicture = ctx.state.click.ClickY >= top;
      if (onPicture) return static_cast<int32_t>(i);
    }
    return static_cast<int32_t>(i) + (x > (left + right) / 2 ? 1 : 0);
  }
  return line.CharCount();
}

bool sameChain(const Document& doc, int32_t a, int32_t b) {
  const auto head = [&doc](int32_t field) {
    for (int32_t steps = 0; steps <= doc.FieldCount(); ++steps) {
      const int32_t previous = doc.Fields[static_cast<size_t>(field)].PrevField;
      if (previous < 0 || previous >= doc.FieldCount()) break;
      field = previous;
    }
    return field;
  };
  return head(a) == head(b);
}

void recordDropCaret(PaintContext& ctx, const ClickTarget& t, const FramePlacement& place) {
  const LineGeometry& g = *t.line;
  const TLineRec& line = std::as_const(ctx.doc).Fields[static_cast<size_t>(t.pos.field)].Lines[static_cast<size_t>(t.pos.line)];
  const size_t cell = static_cast<size_t>(t.pos.cell);
  const double x = cell < line.Chars.size() ? g.cellX[cell] : g.cellX.back();
  ctx.state.dropCaret = {place.x(x), place.y(g.top), 2, place.y(g.bottom()) - place.y(g.top)};
  ctx.state.dropCaretShown = true;
  ctx.state.dropPos = t.pos;
}

// A click in the margin selects the clicked line.
void selectClickedLine(Document& doc, const TextPos& clicked) {
  const TFieldRec& frame = doc.Fields[static_cast<size_t>(clicked.field)];
  if (!comesBefore(doc, caretPos(doc), anchorPos(doc))) {
    if (clicked.line + 1 < frame.LineCount()) setCaret(doc, {clicked.field, clicked.line + 1, 0});
    else setCaret(doc, {clicked.field, clicked.line, frame.Lines[static_cast<size_t>(clicked.line)].CharCount()});
  } else {
    setCaret(doc, {clicked.field, std::max(clicked.line - 1, 0), 0});
  }
}

}  // namespace

ClickTarget findClickTarget(const PaintContext& ctx, const FrameGeometry& geometry, const FramePlacement& place, int x, int y) {
  ClickTarget t;
  const CanvasRect& r = place.rect;
  if (x < r.left || x >= r.right || y < r.top || y >= r.bottom || geometry.lines.empty()) return t;
  const TFieldRec& frame = ctx.doc.Fields[static_cast<size_t>(geometry.field)];
  const LineGeometry* chosen = nullptr;
  for (const LineGeometry& g : geometry.lines) {
    const TLineRec& line = frame.Lines[static_cast<size_t>(g.line)];
    if (place.y(g.top) > y) break;
    // Below the text the last line above the mouse answers.
    if (!sharesBand(line) || inBox(g, place, x)) chosen = &g;
  }
  if (chosen == nullptr) chosen = &geometry.lines.front();
  const TLineRec& line = frame.Lines[static_cast<size_t>(chosen->line)];
  t.found = true;
  t.line = chosen;
  t.pos = {geometry.field, chosen->line, 0};
  const int firstLeft = line.Chars.empty() ? place.x(chosen->boxLeft) : place.x(chosen->cellX[0]);
  t.leftOfFirstCell = x < firstLeft;
  if (!t.leftOfFirstCell) t.pos.cell = cellUnder(ctx, line, *chosen, place, x, t.onPicture);
  return t;
}

void resolveTextClick(PaintContext& ctx, const FrameGeometry& geometry, const FramePlacement& place) {
  PaintState& state = ctx.state;
  const PendingClick& click = state.click;
  const ClickTarget t = findClickTarget(ctx, geometry, place, click.ClickX, click.ClickY);
  if (!t.found) return;
  Document& doc = ctx.doc;
  state.clickResolved = true;
  if (click.DragMoving) {
    recordDropCaret(ctx, t, place);
    return;
  }
  if (click.ClickPending && click.shift()) {
    setCaret(doc, t.pos);
  } else {
    const bool insideSelection = ctx.hasSelection && (isinmarking(doc, ctx.selection, t.pos.field, t.pos.line, t.pos.cell) ||
                                                      t.pos == ctx.selection.end());
    if (t.leftOfFirstCell || click.DragSelecting || !insideSelection) {
      const bool entersChain = !click.DragSelecting || sameChain(doc, t.pos.field, doc.MarkField);
      if (entersChain) setCaret(doc, t.pos);
      if (!click.DragSelecting) setAnchor(doc, t.pos);
      if (t.onPicture && !click.DragSelecting) {
        setCaret(doc, {t.pos.field, t.pos.line, t.pos.cell + 1});
        state.PictureSelected = true;
      }
    }
  }
  if (t.leftOfFirstCell) {
    state.MarginClicked = true;
    selectClickedLine(doc, t.pos);
  }
  doc.CaretPage = ctx.page;
  state.caretPage = ctx.page;
}

}  // namespace vendaro
