#include "app/page_view.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <chrono>

#include "app/key_mapping.h"
#include "app/overlay_painter.h"
#include "app/qt_canvas.h"
#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

constexpr int kTimer2Ms = 1;
constexpr int kWheelNotch = 120;       // angle delta of one notch
constexpr int kWheelNotchPixels = 50;
constexpr int kScrollStep = 20;
// A paint that resizes the paint box asks for one more; more than this
// many in a row would mean the sizes do not settle.
constexpr int kMaxPaintAttempts = 4;

uint64_t tickMs() {
  using namespace std::chrono;
  return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int clickShiftBits(Qt::KeyboardModifiers modifiers) {
  return ((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 4 : 0);
}

}  // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setCursor(Qt::IBeamCursor);
  // The pointer shows what a press would take (a column edge) before any press.
  viewport()->setMouseTracking(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  timer2_.setSingleShot(true);
  timer2_.setInterval(kTimer2Ms);
  connect(&timer2_, &QTimer::timeout, this, [this] { onTimer2(); });
  const int flash = QApplication::cursorFlashTime();
  blink_.setInterval(flash > 0 ? flash / 2 : 0);
  connect(&blink_, &QTimer::timeout, this, [this] {
    blinkOn_ = !blinkOn_;
    viewport()->update(caretRect());
  });
}

void PageView::setEditor(Editor* editor) {
  editor_ = editor;
  timer2_.stop();
  invalidate();
}

void PageView::setActiveDocument(bool active) {
  if (active == activeDocument_) return;
  activeDocument_ = active;
  invalidate();
  restartBlink();
}

void PageView::requestRepaint() { timer2_.start(); }

void PageView::requestCaretInView() {
  caretInViewWanted_ = true;
  timer2_.start();
}

void PageView::scrollBy(int pixels) { verticalScrollBar()->setValue(verticalScrollBar()->value() + pixels); }

void PageView::invalidate() {
  dirty_ = true;
  viewport()->update();
}

int PageView::screenDpi() const { return std::max(1, logicalDpiX()); }

PaintViewport PageView::currentViewport() const {
  PaintViewport vp;
  vp.scrollX = horizontalScrollBar()->value();
  vp.scrollY = verticalScrollBar()->value();
  vp.width = width();
  vp.height = height();
  vp.clientWidth = viewport()->width();
  vp.clientHeight = viewport()->height();
  vp.vScrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  vp.hScrollBarHeight = vp.vScrollBarWidth;
  vp.hasFocus = hasFocus();
  vp.activeWindow = activeDocument_;
  return vp;
}

void PageView::paintNow() {
  for (int attempt = 0; attempt < kMaxPaintAttempts; ++attempt) {
    const QSize size = viewport()->size().expandedTo(QSize(1, 1));
    if (image_.size() != size) image_ = QImage(size, QImage::Format_RGB32);
    if (!editor_) {
      image_.fill(palette().color(QPalette::Dark));
      break;
    }
    PaintState& state = editor_->paintState();
    state.viewport = currentViewport();
    const int sx = state.viewport.scrollX, sy = state.viewport.scrollY;
    image_.fill(Qt::white);
    PaintOutcome outcome;
    {
      QPainter painter(&image_);
      painter.translate(-sx, -sy);
      QtCanvas canvas(painter, editor_->doc().fontEngine(), screenDpi(),
                      CanvasRect{sx, sy, sx + image_.width(), sy + image_.height()});
      outcome = editor_->DrawPages(canvas, false);
    }
    if (!outcome.resized) break;
    updateScrollRanges();
  }
  dirty_ = false;
  emit painted();
}

void PageView::updateScrollRanges() {
  if (!editor_) return;
  const PaintState& state = editor_->paintState();
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  h->setRange(0, std::max(0, state.paintBoxWidth - viewport()->width()));
  v->setRange(0, std::max(0, state.paintBoxHeight - viewport()->height()));
  h->setPageStep(std::max(1, viewport()->width()));
  v->setPageStep(std::max(1, viewport()->height()));
  h->setSingleStep(kScrollStep);
  v->setSingleStep(kScrollStep);
}

void PageView::onTimer2() {
  paintNow();
  if (caretInViewWanted_ && editor_) {
    caretInViewWanted_ = false;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const Editor::ScrollPosition now{h->value(), v->value()};
    const Editor::ScrollPosition wanted =
        editor_->ScrollCursorinView(now, viewport()->width(), viewport()->height());
    if (wanted != now) {
      h->setValue(wanted.x);
      v->setValue(wanted.y);
      paintNow();
    }
  }
  viewport()->update();
  restartBlink();
}

QRect PageView::caretRect() const {
  if (!editor_ || !activeDocument_ || !hasFocus()) return {};
  const PaintState& state = editor_->paintState();
  if (!state.caretShown) return {};
  const CaretRect& c = state.caret;
  return QRect(c.x - horizontalScrollBar()->value(), c.y - verticalScrollBar()->value(), std::max(c.width, 1),
               std::max(c.height, 1));
}

void PageView::restartBlink() {
  blinkOn_ = true;
  if (blink_.interval() > 0) blink_.start();
  viewport()->update(caretRect());
}

void PageView::paintEvent(QPaintEvent* event) {
  if (dirty_ || image_.size() != viewport()->size()) paintNow();
  QPainter painter(viewport());
  painter.drawImage(event->rect(), image_, event->rect());
  if (editor_) {
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    drawOverlay(painter, editor_->paintState().overlay, scroll, viewport()->size());
  }
  const QRect caret = caretRect();
  if (blinkOn_ && !caret.isEmpty()) {
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(caret, Qt::white);
  }
}

void PageView::overlayChanged() {
  QRegion now;
  if (editor_) {
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    now = overlayRegion(editor_->paintState().overlay, scroll, viewport()->size());
  }
  viewport()->update(overlayShown_ + now);
  overlayShown_ = now;
}

void PageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRanges();
  emit resized();
  invalidate();
}

void PageView::scrollContentsBy(int, int) { invalidate(); }

void PageView::keyPressEvent(QKeyEvent* event) {
  if (!editor_) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  editor_->keyEvent(editorKeyCode(event->key(), event->modifiers()), editorShiftState(event->modifiers()),
                    typedCharacters(event->text()));
  event->accept();
  restartBlink();
}

void PageView::inputMethodEvent(QInputMethodEvent* event) {
  if (editor_) {
    for (const char ch : typedCharacters(event->commitString())) editor_->getkeysKeyPress(static_cast<uint8_t>(ch));
  }
  event->accept();
}

QVariant PageView::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImCursorRectangle) return caretRect();
  return QAbstractScrollArea::inputMethodQuery(query);
}

void PageView::resolveClick(PendingClick click, const QPoint& pos) {
  click.ClickX = pos.x() + horizontalScrollBar()->value();
  click.ClickY = pos.y() + verticalScrollBar()->value();
  editor_->paintState().click = click;
  paintNow();
  // The pending state lives for one handler only.
  editor_->paintState().click = PendingClick{};
  invalidate();
}

void PageView::pressAt(const QPoint& pos, Qt::KeyboardModifiers modifiers) {
  Editor& editor = *editor_;
  Document& doc = editor.doc();
  PaintState& state = editor.paintState();
  const bool hadSelection = isThereAmarking(doc);
  const TextPos caretBefore = caretPos(doc), anchorBefore = anchorPos(doc);
  const bool ctrl = modifiers & Qt::ControlModifier;
  state.MarginClicked = false;
  PendingClick click;
  click.ClickPending = true;
  click.ClickShift = clickShiftBits(modifiers);
  resolveClick(click, pos);
  // A press into the selection moves nothing.
  pressedInSelection_ = hadSelection && !state.clickConsumed && !click.shift() && caretPos(doc) == caretBefore &&
                        anchorPos(doc) == anchorBefore;
  selecting_ = !pressedInSelection_ && !state.clickConsumed;
  if (ctrl) {
    if (state.MarginClicked) editor.getkeysKeyDown(kKeyA, kCtrl);
    else if (!isThereAmarking(doc)) editor.AbsatzMarkieren();
  }
  editor.OvertakeFont();
}

QPoint PageView::contentPos(const QPoint& viewPos) const {
  return viewPos + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void PageView::showPointerAt(const QPoint& pos) {
  const QPoint at = contentPos(pos);
  switch (editor_->pointerAt(at.x(), at.y())) {
    case PointerShape::unchanged: return;
    case PointerShape::text: viewport()->setCursor(Qt::IBeamCursor); return;
    case PointerShape::columnEdge:
    case PointerShape::sizeWe: viewport()->setCursor(Qt::SizeHorCursor); return;
    case PointerShape::move: viewport()->setCursor(Qt::SizeAllCursor); return;
    case PointerShape::sizeNwSe: viewport()->setCursor(Qt::SizeFDiagCursor); return;
    case PointerShape::sizeNeSw: viewport()->setCursor(Qt::SizeBDiagCursor); return;
    case PointerShape::sizeNs: viewport()->setCursor(Qt::SizeVerCursor); return;
    case PointerShape::cross: viewport()->setCursor(Qt::CrossCursor); return;
    case PointerShape::pointingHand: viewport()->setCursor(Qt::PointingHandCursor); return;
  }
}

// The editor takes a press first (insert mode, a column edge); otherwise a
// paint resolves it, and the editor then starts an object drag or ends a
// pending link on what the paint found.
void PageView::mousePressEvent(QMouseEvent* event) {
  if (!editor_) return;
  const bool left = event->button() == Qt::LeftButton, right = event->button() == Qt::RightButton;
  const QPoint at = contentPos(event->position().toPoint());
  if ((left || right) && editor_->PaintBox1MouseDown(at.x(), at.y(), right)) {
    setFocus(Qt::MouseFocusReason);
    contextMenuTaken_ = right;
    showPointerAt(event->position().toPoint());
    return;
  }
  if (right) {
    pressForContextMenu(event->position().toPoint());
    return;
  }
  if (!left) return;
  setFocus(Qt::MouseFocusReason);
  pressPos_ = event->position().toPoint();
  selecting_ = pressedInSelection_ = textDragging_ = false;
  if (editor_->mouseDownClickCount(tickMs()) != Editor::MouseDownKind::ordinary) return;
  pressAt(pressPos_, event->modifiers());
  if (editor_->objectPressResolved()) selecting_ = pressedInSelection_ = false;
  showPointerAt(pressPos_);
}

// The pop-up menu that follows acts on the word at the caret, so the caret
// goes where the click was first, as a plain left click would put it; a
// click into the selection leaves the selection alone.
void PageView::pressForContextMenu(const QPoint& pos) {
  setFocus(Qt::MouseFocusReason);
  selecting_ = pressedInSelection_ = false;
  PendingClick click;
  click.ClickPending = true;
  resolveClick(click, pos);
  editor_->OvertakeFont();
}

// The platform reports a double click in place of the second press.
void PageView::mouseDoubleClickEvent(QMouseEvent* event) {
  // In insert mode a quick second press is a press like any other.
  if (editor_ && editor_->InsertObjMode > 0) {
    mousePressEvent(event);
    return;
  }
  if (!editor_ || event->button() != Qt::LeftButton) return;
  editor_->PaintBox1DblClick(tickMs());
  mousePressEvent(event);
}

void PageView::keepInView(const QPoint& pos) {
  const QRect area = viewport()->rect();
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  if (pos.y() < area.top()) v->setValue(v->value() + pos.y() - area.top());
  else if (pos.y() > area.bottom()) v->setValue(v->value() + pos.y() - area.bottom());
  if (pos.x() < area.left()) h->setValue(h->value() + pos.x() - area.left());
  else if (pos.x() > area.right()) h->setValue(h->value() + pos.x() - area.right());
}

void PageView::mouseMoveEvent(QMouseEvent* event) {
  if (!editor_) return;
  const QPoint pos = event->position().toPoint();
  if (editor_->mouseCaptured()) {
    const QPoint at = contentPos(pos);
    editor_->PaintBox1MouseMove(at.x(), at.y());
    return;
  }
  if (event->buttons() == Qt::NoButton) showPointerAt(pos);
  if (!(event->buttons() & Qt::LeftButton)) return;
  if (pressedInSelection_ && (textDragging_ || (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance())) {
    // Dragging the selected text: the drop caret follows the mouse.
    textDragging_ = true;
    viewport()->setCursor((event->modifiers() & Qt::ControlModifier) ? Qt::DragCopyCursor : Qt::DragMoveCursor);
    keepInView(pos);
    PendingClick drag;
    drag.DragMoving = true;
    resolveClick(drag, pos);
    return;
  }
  if (!selecting_) return;
  keepInView(pos);
  const QPoint inView(std::clamp(pos.x(), 0, viewport()->width() - 1), std::clamp(pos.y(), 0, viewport()->height() - 1));
  PendingClick drag;
  drag.DragSelecting = true;
  drag.ClickShift = clickShiftBits(event->modifiers());
  resolveClick(drag, inView);
}

void PageView::mouseReleaseEvent(QMouseEvent* event) {
  if (!editor_) return;
  const QPoint pos = event->position().toPoint();
  if (editor_->mouseCaptured()) {
    const QPoint at = contentPos(pos);
    editor_->PaintBox1MouseUp(at.x(), at.y());
    showPointerAt(pos);
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  if (textDragging_) {
    PendingClick drop;
    drop.DragMoving = true;
    resolveClick(drop, pos);
    editor_->dropDraggedText(event->modifiers() & Qt::ControlModifier);
    editor_->OvertakeFont();
    showPointerAt(pos);
  } else if (pressedInSelection_) {
    // A click into the selection without dragging: the selection goes and
    // the caret lands where the click was.
    Document& doc = editor_->doc();
    setAnchor(doc, caretPos(doc));
    PendingClick click;
    click.ClickPending = true;
    resolveClick(click, pos);
    editor_->OvertakeFont();
  } else if (selecting_) {
    editor_->OvertakeFont();
  }
  selecting_ = pressedInSelection_ = textDragging_ = false;
}

void PageView::wheelEvent(QWheelEvent* event) {
  wheelRemainderY_ += event->angleDelta().y();
  wheelRemainderX_ += event->angleDelta().x();
  const int notchesY = wheelRemainderY_ / kWheelNotch;
  const int notchesX = wheelRemainderX_ / kWheelNotch;
  wheelRemainderY_ -= notchesY * kWheelNotch;
  wheelRemainderX_ -= notchesX * kWheelNotch;
  if (notchesY) verticalScrollBar()->setValue(verticalScrollBar()->value() - notchesY * kWheelNotchPixels);
  if (notchesX) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - notchesX * kWheelNotchPixels);
  event->accept();
}

void PageView::contextMenuEvent(QContextMenuEvent* event) {
  // A right press that the editor took (ending insert mode, a free column
  // drag) opens no menu.
  if (editor_ && !editor_->mouseCaptured() && !contextMenuTaken_) emit contextMenuRequested(event->globalPos());
  contextMenuTaken_ = false;
  event->accept();
}

void PageView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  invalidate();
  restartBlink();
}

void PageView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  // A ruler drag cannot outlive the window's focus: it ends unapplied.
  if (editor_) editor_->cancelRulerDrag();
  blink_.stop();
  invalidate();
}

bool PageView::focusNextPrevChild(bool) { return false; }

}  // namespace vendaro
