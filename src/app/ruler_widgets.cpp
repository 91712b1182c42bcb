#include "app/ruler_widgets.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>

#include "app/page_view.h"
#include "app/qt_canvas.h"
#include "editing/editor.h"
#include "layout/ruler_painter.h"

namespace vendaro {
namespace {

// The system's button face as a colour of the painters (0x00BBGGRR).
uint32_t buttonFace(const QWidget& widget) {
  const QColor c = widget.palette().color(QPalette::Button);
  return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 | static_cast<uint32_t>(c.blue()) << 16;
}

FontEngine& fontsOf(const Editor* editor) { return editor ? editor->doc().fontEngine() : FontEngine::shared(); }

// Runs `paint` on a canvas over the whole widget.
template <typename Paint>
void paintWidget(QWidget& widget, const Editor* editor, const Paint& paint) {
  QPainter painter(&widget);
  QtCanvas canvas(painter, fontsOf(editor), widget.logicalDpiX(), CanvasRect{0, 0, widget.width(), widget.height()});
  paint(canvas, fontsOf(editor), buttonFace(widget));
}

}  // namespace

HorizontalRuler::HorizontalRuler(RulerTabKindSource tabKind, QWidget* parent)
    : QWidget(parent), tabKind_(std::move(tabKind)) {
  setFixedHeight(kRulerThickness);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setContextMenuPolicy(Qt::PreventContextMenu);
}

void HorizontalRuler::paintEvent(QPaintEvent*) {
  const RulerMarkers markers = editor_ ? editor_->horizontalRulerPicture(width()) : RulerMarkers{};
  paintWidget(*this, editor_, [&](Canvas& canvas, FontEngine& fonts, uint32_t face) {
    PaintBox3Paint(canvas, fonts, width(), height(), markers, face);
  });
}

void HorizontalRuler::mousePressEvent(QMouseEvent* event) {
  const bool free = event->button() == Qt::RightButton;
  if (!editor_ || dragButton_ != Qt::NoButton || (event->button() != Qt::LeftButton && !free)) return;
  const QPoint at = event->position().toPoint();
  editor_->PaintBox3MouseDown(at.x(), at.y(), width(), free, tabKind_.current());
  if (editor_->RulerDragMode != kRulerDragNone) dragButton_ = event->button();
  update();
}

void HorizontalRuler::mouseMoveEvent(QMouseEvent* event) {
  if (!editor_ || dragButton_ == Qt::NoButton) return;
  editor_->PaintBox3MouseMove(event->position().toPoint().x());
  update();
}

void HorizontalRuler::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != dragButton_) return;
  dragButton_ = Qt::NoButton;
  if (editor_) editor_->PaintBox3MouseUp();
  update();
}

VerticalRuler::VerticalRuler(QWidget* parent) : QWidget(parent) {
  setFixedWidth(kRulerThickness);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void VerticalRuler::paintEvent(QPaintEvent*) {
  const RulerGeometry geometry = editor_ ? editor_->paintState().ruler : RulerGeometry{};
  paintWidget(*this, editor_, [&](Canvas& canvas, FontEngine& fonts, uint32_t face) {
    PaintBox4Paint(canvas, fonts, width(), height(), geometry, face);
  });
}

TabKindSelector::TabKindSelector(RulerTabKindSource tabKind, QWidget* parent)
    : QWidget(parent), tabKind_(std::move(tabKind)) {
  setFixedSize(kRulerThickness, kRulerThickness);
  setAttribute(Qt::WA_OpaquePaintEvent);
  showKind();
}

void TabKindSelector::showKind() {
  const int32_t kind = tabKind_.current();
  setToolTip(QString::fromUtf8(kRulerTabKindHints[kind >= 0 && kind < kRulerTabKinds ? kind : 0]));
  update();
}

void TabKindSelector::paintEvent(QPaintEvent*) {
  paintWidget(*this, nullptr, [&](Canvas& canvas, FontEngine&, uint32_t face) {
    PaintBox2Paint(canvas, width(), height(), tabKind_.current(), face);
  });
}

void TabKindSelector::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) tabKind_.cycle();
}

RulerFrame::RulerFrame(PageView* view, RulerTabKindSource tabKind, QWidget* parent)
    : QWidget(parent),
      horizontal_(new HorizontalRuler(tabKind, this)),
      vertical_(new VerticalRuler(this)),
      selector_(new TabKindSelector(tabKind, this)) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(selector_, 0, 0);
  grid->addWidget(horizontal_, 0, 1);
  grid->addWidget(vertical_, 1, 0);
  grid->addWidget(view, 1, 1);
  setFocusProxy(view);
}

void RulerFrame::setEditor(Editor* editor) {
  horizontal_->setEditor(editor);
  vertical_->setEditor(editor);
  updateRulers();
}

void RulerFrame::setRulersVisible(bool visible) {
  for (QWidget* ruler : {static_cast<QWidget*>(horizontal_), static_cast<QWidget*>(vertical_),
                         static_cast<QWidget*>(selector_)})
    ruler->setVisible(visible);
}

bool RulerFrame::rulersVisible() const { return !horizontal_->isHidden(); }

void RulerFrame::updateRulers() {
  horizontal_->update();
  vertical_->update();
}

}  // namespace vendaro
