#include "app/colour_buttons.h"

#include <QColorDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWidgetAction>

#include <cmath>
#include <utility>

#include "app/colour_combo_box.h"
#include "editing/colour_choices.h"
#include "editing/decimal_text.h"

namespace vendaro {
namespace {

constexpr int kSwatchHeight = 10;
constexpr int kSwatchWidth = 80;
constexpr int kLineItemWidth = 150;
constexpr int kLineItemHeight = 18;

// An entry the program draws itself: `paint` gets the item's rectangle and
// whether the mouse is over it. A click triggers the action and closes the
// menu, as with an ordinary entry.
class DrawnItem : public QWidget {
 public:
  using Paint = std::function<void(QPainter&, const QRect&, bool highlighted)>;
  DrawnItem(QWidgetAction* action, QSize size, Paint paint, QWidget* parent)
      : QWidget(parent), action_(action), paint_(std::move(paint)) {
    setFixedSize(size);
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paint_(painter, rect(), underMouse());
  }
  void enterEvent(QEnterEvent*) override { update(); }
  void leaveEvent(QEvent*) override { update(); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    action_->trigger();
    if (auto* menu = qobject_cast<QMenu*>(parentWidget())) menu->close();
  }

 private:
  QWidgetAction* action_;
  Paint paint_;
};

QAction* addDrawnItem(QMenu* menu, const QString& name, QSize size, DrawnItem::Paint paint) {
  auto* action = new QWidgetAction(menu);
  action->setText(name);
  action->setDefaultWidget(new DrawnItem(action, size, std::move(paint), menu));
  menu->addAction(action);
  return action;
}

// Framed in the highlight colour when the mouse is over it.
void drawSwatch(QPainter& painter, const QRect& area, const QColor& colour, bool highlighted) {
  const QPalette palette;
  painter.fillRect(area, palette.color(QPalette::Window));
  painter.setPen(highlighted ? palette.color(QPalette::Highlight) : palette.color(QPalette::Window));
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  painter.fillRect(area.adjusted(2, 1, -2, -1), colour);
}

void drawLineWidth(QPainter& painter, const QRect& area, int entry, bool highlighted) {
  const QPalette palette;
  painter.fillRect(area, highlighted ? palette.color(QPalette::Highlight) : palette.color(QPalette::Window));
  const QColor ink = highlighted ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::WindowText);
  const QString text = QString::number(entry / 4.0, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')) +
                       QStringLiteral(" Pt ");
  painter.setPen(ink);
  const QRect label = area.adjusted(0, 0, -4, 0);
  painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, text);
  const int pixels = static_cast<int>(std::lround(entry / 4.0 * painter.device()->logicalDpiX() / 72.0));
  if (pixels <= 0) return;
  const int textWidth = painter.fontMetrics().horizontalAdvance(text) + 8;
  const int y = area.center().y() - pixels / 2;
  painter.fillRect(QRect(area.left() + 4, y, area.width() - textWidth - 8, pixels), ink);
}

}  // namespace

QString lineWidthCaption(int entry) { return QString::fromStdString(formatDecimal(entry / 4.0) + " Pt"); }

ColourButton::ColourButton(ColourButtonKind kind, const QString& tip, Setting setting, std::function<void()> apply,
                           QWidget* parent)
    : QToolButton(parent), kind_(kind), setting_(setting), apply_(std::move(apply)), choices_(new QMenu(this)) {
  setToolTip(tip);
  setPopupMode(QToolButton::MenuButtonPopup);
  setMenu(choices_);
  for (const NamedColour& named : kNamedColours) {
    const int32_t colour = named.colour;
    QAction* item = addDrawnItem(choices_, QString::fromUtf8(named.name), {kSwatchWidth, kSwatchHeight},
                                 [colour](QPainter& painter, const QRect& area, bool highlighted) {
                                   drawSwatch(painter, area, qtColour(colour), highlighted);
                                 });
    connect(item, &QAction::triggered, this, [this, colour] { choose(colour); });
  }
  choices_->addAction(QStringLiteral("&Mehr..."), this, &ColourButton::chooseMore);
  if (setting_.none) choices_->addAction(QStringLiteral("&Kein Füllbereich"), this, &ColourButton::chooseNone);
  connect(this, &QToolButton::clicked, this, [this] { apply_(); });
  showColour();
}

void ColourButton::choose(int32_t colour) {
  *setting_.colour = colour;
  if (setting_.none) *setting_.none = false;
  showColour();
  apply_();
}

void ColourButton::chooseNone() {
  *setting_.colour = kWhite;
  *setting_.none = true;
  showColour();
  apply_();
}

void ColourButton::chooseMore() {
  const QColor chosen = QColorDialog::getColor(qtColour(*setting_.colour), this);
  if (chosen.isValid()) choose(windowsColour(chosen));
}

void ColourButton::showColour() {
  const bool none = setting_.none && *setting_.none;
  setIcon(colourButtonIcon(kind_, none ? QColor(Qt::transparent) : qtColour(*setting_.colour)));
}

LineWidthButton::LineWidthButton(double* width, std::function<void()> apply, QWidget* parent)
    : QToolButton(parent), width_(width), apply_(std::move(apply)), choices_(new QMenu(this)) {
  setToolTip(QStringLiteral("Linienstärke"));
  setPopupMode(QToolButton::MenuButtonPopup);
  setMenu(choices_);
  setIcon(lineWidthIcon());
  connect(choices_, &QMenu::aboutToShow, this, &LineWidthButton::fillChoices);
  connect(this, &QToolButton::clicked, this, [this] { apply_(); });
}

void LineWidthButton::fillChoices() {
  choices_->clear();
  for (int entry = 0; entry < kLineWidthEntries; ++entry) {
    QAction* item = addDrawnItem(choices_, lineWidthCaption(entry), {kLineItemWidth, kLineItemHeight},
                                 [entry](QPainter& painter, const QRect& area, bool highlighted) {
                                   drawLineWidth(painter, area, entry, highlighted);
                                 });
    connect(item, &QAction::triggered, this, [this, entry] { choose(entry / 4.0); });
  }
}

void LineWidthButton::choose(double points) {
  *width_ = points;
  apply_();
}

}  // namespace vendaro
