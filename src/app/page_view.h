// page_view.h — the scroll box of an editor window. It shows the part of the
// paint box its scroll bars select, composed by the editor's DrawPages into
// an image the size of the view, draws the caret over it, resolves clicks
// and drags by painting, and hands keys, wheel and context menu requests on.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QRegion>
#include <QTimer>

#include <cstdint>

#include "layout/paint_state.h"

namespace vendaro {

class Editor;

class PageView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit PageView(QWidget* parent = nullptr);

  // Null shows an empty view (the document is gone or not yet there).
  void setEditor(Editor* editor);
  // Whether this view's window is the active one: only that window writes
  // the status bar and shows a caret.
  void setActiveDocument(bool active);

  // Timer2: every request restarts it; when it fires, the view is painted
  // and, if asked for since the last time, the caret scrolled into view.
  void requestRepaint();
  void requestCaretInView();
  void scrollBy(int pixels);
  // The editor's overlay changed: draws the parts it covered and covers
  // now again from the composed image, without painting the pages.
  void overlayChanged();
  // Paints now, as a click needs before it can be acted on.
  void paintNow();

  PaintViewport currentViewport() const;
  int screenDpi() const;
  QRect caretRect() const;  // in view coordinates; empty when no caret shows
  const QImage& image() const { return image_; }

 signals:
  void contextMenuRequested(const QPoint& globalPos);
  void resized();
  // The composed image was painted again: the rulers follow the caret.
  void painted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Tab is a key of the text, never a way to the next control.
  bool focusNextPrevChild(bool next) override;

 private:
  void onTimer2();
  void updateScrollRanges();
  void restartBlink();
  void pressAt(const QPoint& pos, Qt::KeyboardModifiers modifiers);
  void pressForContextMenu(const QPoint& pos);
  QPoint contentPos(const QPoint& viewPos) const;
  void showPointerAt(const QPoint& pos);
  // Lets the painter resolve `click` at the view position, then drops it.
  void resolveClick(PendingClick click, const QPoint& pos);
  void keepInView(const QPoint& pos);
  void invalidate();

  Editor* editor_ = nullptr;
  bool activeDocument_ = false;
  QImage image_;
  bool dirty_ = true;
  QTimer timer2_;
  bool caretInViewWanted_ = false;
  QTimer blink_;
  bool blinkOn_ = true;
  int wheelRemainderX_ = 0, wheelRemainderY_ = 0;
  // The button went down on text and is still down; a drag selects.
  bool selecting_ = false;
  // The press landed in the selection: a release without a drag puts the
  // caret there, a drag moves (or with Ctrl copies) the text.
  bool pressedInSelection_ = false;
  bool textDragging_ = false;
  QPoint pressPos_;
  bool contextMenuTaken_ = false;  // the editor took the right press
  QRegion overlayShown_;  // what the overlay covered when last drawn
};

}  // namespace vendaro
