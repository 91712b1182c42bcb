#include "app/table_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/colour_combo_box.h"
#include "app/decimal_spin_box.h"
#include "app/dialog_buttons.h"
#include "app/dialog_exchange.h"

namespace vendaro {
namespace {

constexpr int kMaxColumns = 100;
constexpr int kMaxRows = 10000;

QSpinBox* countBox(int maximum, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(1, maximum);
  return box;
}

}  // namespace

// --- "Tabelle einfügen" ---------------------------------------------------

InsertTableForm::InsertTableForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Tabelle einfügen"));
  columns_ = countBox(kMaxColumns, this);
  rows_ = countBox(kMaxRows, this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Spaltenanzahl:"), columns_);
  form->addRow(QStringLiteral("&Zeilenanzahl:"), rows_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(okCancelButtons(*this));
}

void InsertTableForm::fill(const InsertTableDialog& dialog) {
  columns_->setValue(dialog.columns);
  rows_->setValue(dialog.rows);
}

InsertTableDialog InsertTableForm::values() const { return {columns_->value(), rows_->value()}; }

bool InsertTableForm::edit(InsertTableDialog& dialog) { return exchangeValues(*this, dialog); }

// --- "Zeilen einfügen", "Spalten einfügen" ----------------------------------

InsertTableRowsForm::InsertTableRowsForm(const QString& caption, QWidget* parent) : QDialog(parent) {
  setWindowTitle(caption);
  count_ = countBox(kMaxRows, this);
  before_ = new QRadioButton(QStringLiteral("Einfügen &vor aktuelle Zeile"), this);
  after_ = new QRadioButton(QStringLiteral("Einfügen &nach aktueller Zeile"), this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Zeilenanzahl:"), count_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(before_);
  layout->addWidget(after_);
  layout->addWidget(okCancelButtons(*this));
}

void InsertTableRowsForm::fill(const InsertTableRowsDialog& dialog) {
  count_->setValue(dialog.count);
  (dialog.after ? after_ : before_)->setChecked(true);
}

InsertTableRowsDialog InsertTableRowsForm::values() const { return {count_->value(), after_->isChecked()}; }

bool InsertTableRowsForm::edit(InsertTableRowsDialog& dialog) { return exchangeValues(*this, dialog); }

// --- the cell preview -------------------------------------------------------

CellPreview::CellPreview(TTableCellForm& form, QWidget* parent) : QWidget(parent), form_(form) {
  setMinimumSize(sizeHint());
}

void CellPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect().adjusted(5, 5, -6, -6);
  painter.fillRect(rect(), Qt::white);
  if (!(form_.transparent && form_.backColor == kCellWhite)) painter.fillRect(area, qtColour(form_.backColor));
  const QPoint centre = area.center();
  const std::array<QLine, kBorderSlots> lines{
      QLine(area.topLeft(), area.topRight()),       QLine(area.left(), centre.y(), area.right(), centre.y()),
      QLine(area.bottomLeft(), area.bottomRight()), QLine(area.topLeft(), area.bottomLeft()),
      QLine(centre.x(), area.top(), centre.x(), area.bottom()), QLine(area.topRight(), area.bottomRight())};
  for (int s = 0; s < kBorderSlots; ++s) {
    const BorderSlot& slot = form_.borders[static_cast<size_t>(s)];
    // A border shown nowhere is hinted at in light grey, as the grid lines are.
    QPen pen(slot.visible ? qtColour(slot.color) : QColor(0xC0, 0xC0, 0xC0));
    pen.setWidthF(slot.visible ? std::max(1.0, slot.width * logicalDpiX() / 72.0) : 1.0);
    if (slot.visible && !slot.uniform && !slot.changed) pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawLine(lines[static_cast<size_t>(s)]);
  }
}

void CellPreview::mousePressEvent(QMouseEvent* event) {
  const int slot = previewBorderAt(event->position().toPoint().x(), event->position().toPoint().y(), width(), height());
  if (slot < 0) return;
  form_.toggle(slot);
  update();
  emit toggled();
}

// --- the cell dialog ------------------------------------------------------

TableCellDialog::TableCellDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Zellen formatieren"));
  preview_ = new CellPreview(form_, this);
  connect(preview_, &CellPreview::toggled, this, &TableCellDialog::showForm);

  static constexpr std::array<const char*, kBorderSlots> kSlotNames{"&Oben", "Innen &waagerecht", "&Unten",
                                                                    "&Links", "Innen s&enkrecht", "&Rechts"};
  auto* borders = new QGridLayout;
  for (int s = 0; s < kBorderSlots; ++s) {
    auto* button = new QToolButton(this);
    button->setText(QString::fromUtf8(kSlotNames[static_cast<size_t>(s)]));
    button->setCheckable(true);
    button->setObjectName(QStringLiteral("SpeedButton%1").arg(s + 1));
    connect(button, &QToolButton::clicked, this, [this, s] {
      form_.toggle(s);
      showForm();
    });
    borderButtons_[static_cast<size_t>(s)] = button;
    borders->addWidget(button, s % 3, s / 3);
  }

  static constexpr std::array<const char*, 4> kPresetNames{"Oh&ne", "&Kasten", "&Alle", "&Gitternetz"};
  auto* presetRow = new QHBoxLayout;
  for (size_t p = 0; p < presets_.size(); ++p) {
    presets_[p] = new QPushButton(QString::fromUtf8(kPresetNames[p]), this);
    presetRow->addWidget(presets_[p]);
  }
  connect(presets_[0], &QPushButton::clicked, this, [this] { form_.presetOhne(); showForm(); });
  connect(presets_[1], &QPushButton::clicked, this, [this] { form_.presetKasten(); showForm(); });
  connect(presets_[2], &QPushButton::clicked, this, [this] { form_.presetAlle(); showForm(); });
  connect(presets_[3], &QPushButton::clicked, this, [this] { form_.presetGitternetz(); showForm(); });

  width_ = new DecimalSpinBox(this);
  width_->setRange(0, 10);
  width_->setSingleStep(0.25);
  width_->setDecimals(2);
  connect(width_, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    if (!showing_) form_.setLineWidth(value);
  });
  auto* thicknessRow = new QHBoxLayout;
  static constexpr std::array<std::pair<const char*, double>, 3> kThickness{
      {{"&Dünn", 0.75}, {"D&ick", 1.5}, {"Sehr di&ck", 3.0}}};
  for (const auto& [caption, points] : kThickness) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    const double value = points;
    connect(button, &QPushButton::clicked, this, [this, value] { width_->setValue(value); });
    thicknessRow->addWidget(button);
  }
  lineColour_ = new TZeltoColorComboBox(this);
  connect(lineColour_, &TZeltoColorComboBox::colorChanged, this, [this](int32_t colour) { form_.lineColor = colour; });
  background_ = new TZeltoColorComboBox(this);
  connect(background_, &TZeltoColorComboBox::colorChanged, this, [this](int32_t colour) {
    form_.setBackColor(colour);
    showForm();
  });
  transparent_ = new QCheckBox(QStringLiteral("&Transparent"), this);
  offerTransparencyForWhiteOnly(*background_, *transparent_);
  connect(transparent_, &QCheckBox::toggled, this, [this](bool on) {
    if (showing_) return;
    form_.setTransparent(on);
    showForm();
  });

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Linien&stärke in pt:"), width_);
  form->addRow(QString(), thicknessRow);
  form->addRow(QStringLiteral("Linien&farbe:"), lineColour_);
  form->addRow(QStringLiteral("&Hintergrundfarbe:"), background_);
  form->addRow(QString(), transparent_);
  auto* top = new QHBoxLayout;
  top->addWidget(preview_);
  top->addLayout(borders);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(presetRow);
  layout->addLayout(form);
  layout->addWidget(okCancelButtons(*this));
}

void TableCellDialog::fill(const TTableCellForm& form) {
  form_ = form;
  showing_ = true;
  width_->setValue(form_.lineWidth);
  lineColour_->setColorValue(form_.lineColor);
  background_->setColorValue(form_.backColor);
  showing_ = false;
  showForm();
}

// The buttons, the check box and the preview follow the form.
void TableCellDialog::showForm() {
  showing_ = true;
  for (int s = 0; s < kBorderSlots; ++s) borderButtons_[static_cast<size_t>(s)]->setChecked(form_.borders[static_cast<size_t>(s)].visible);
  transparent_->setChecked(form_.transparent);
  showing_ = false;
  preview_->update();
}

bool TableCellDialog::edit(TTableCellForm& form) { return exchangeValues(*this, form); }

// --- the kept dialogs -------------------------------------------------------

TableDialogs::TableDialogs(QWidget& owner) : QObject(&owner), owner_(owner) {}

TableDialogs& TableDialogs::of(QWidget& owner) {
  if (auto* kept = owner.findChild<TableDialogs*>(QString(), Qt::FindDirectChildrenOnly)) return *kept;
  return *new TableDialogs(owner);
}

InsertTableForm& TableDialogs::insertTable() {
  if (!insertTable_) insertTable_ = new InsertTableForm(&owner_);
  return *insertTable_;
}

InsertTableRowsForm& TableDialogs::insertRows() {
  if (!insertRows_) insertRows_ = new InsertTableRowsForm(QStringLiteral("Zeilen einfügen"), &owner_);
  return *insertRows_;
}

InsertTableRowsForm& TableDialogs::insertColumns() {
  if (!insertColumns_) insertColumns_ = new InsertTableRowsForm(QStringLiteral("Spalten einfügen"), &owner_);
  return *insertColumns_;
}

TableCellDialog& TableDialogs::cells() {
  if (!cells_) cells_ = new TableCellDialog(&owner_);
  return *cells_;
}

}  // namespace vendaro
