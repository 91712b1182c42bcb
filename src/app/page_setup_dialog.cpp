#include "app/page_setup_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "app/decimal_spin_box.h"
#include "app/dialog_buttons.h"
#include "app/dialog_fitting.h"

namespace vendaro {
namespace {

constexpr double kMaxPaperCm = 1000.0;
constexpr double kMaxMarginCm = 100.0;
constexpr double kMinPaperCm = 1.0;

struct PosterButton {
  const char* caption;
  double widthCm, heightCm;
};
// A3 and A1 across, A2 and A0 upright: each fills a wall or table best so.
constexpr PosterButton kPosterButtons[] = {
    {"A&3", 42.0, 29.7}, {"A&2", 42.0, 59.4}, {"A&1", 84.0, 59.4}, {"A&0", 84.0, 118.8}};

const char* const kModeNames[] = {"Auf allen Seiten gleich", "Seite 1", "Geraden/ungeraden Seiten",
                                  "Seite 1 und geraden/ungeraden Seiten"};

}  // namespace

PageSetupDialog::PageSetupDialog(std::vector<PaperFormat> formats, QWidget* parent)
    : QDialog(parent), formats_(std::move(formats)) {
  setWindowTitle(QStringLiteral("Seite einrichten"));

  paperBox_ = new QComboBox(this);
  for (const PaperFormat& format : formats_) paperBox_->addItem(QString::fromStdString(format.name));
  paperBox_->addItem(QStringLiteral("Benutzerdefiniert"));
  widthEdit_ = centimetreEdit(kMaxPaperCm);
  heightEdit_ = centimetreEdit(kMaxPaperCm);
  widthEdit_->setMinimum(kMinPaperCm);
  heightEdit_->setMinimum(kMinPaperCm);
  widthEdit_->setDecimals(2);
  heightEdit_->setDecimals(2);
  portrait_ = new QRadioButton(QStringLiteral("Ho&chformat"), this);
  landscape_ = new QRadioButton(QStringLiteral("&Querformat"), this);
  portrait_->setChecked(true);

  auto* paperGroup = new QGroupBox(QStringLiteral("Papier"), this);
  auto* paperForm = new QFormLayout;
  paperForm->addRow(QStringLiteral("&Format:"), paperBox_);
  paperForm->addRow(QStringLiteral("&Breite (cm):"), widthEdit_);
  paperForm->addRow(QStringLiteral("&Höhe (cm):"), heightEdit_);
  auto* orientation = new QHBoxLayout;
  orientation->addWidget(portrait_);
  orientation->addWidget(landscape_);
  paperForm->addRow(orientation);
  auto* posterRow = new QHBoxLayout;
  for (const PosterButton& poster : kPosterButtons) {
    auto* button = new QPushButton(QString::fromLatin1(poster.caption), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, poster] {
      setSize(poster.widthCm, poster.heightCm);
      sizeEdited();
    });
    posterRow->addWidget(button);
  }
  paperForm->addRow(posterRow);
  paperGroup->setLayout(paperForm);

  topEdit_ = centimetreEdit(kMaxMarginCm);
  bottomEdit_ = centimetreEdit(kMaxMarginCm);
  leftEdit_ = centimetreEdit(kMaxMarginCm);
  rightEdit_ = centimetreEdit(kMaxMarginCm);
  auto* marginGroup = new QGroupBox(QStringLiteral("Seitenränder (cm)"), this);
  auto* margins = new QFormLayout;
  margins->addRow(QStringLiteral("&Oben:"), topEdit_);
  margins->addRow(QStringLiteral("&Unten:"), bottomEdit_);
  margins->addRow(QStringLiteral("&Links:"), leftEdit_);
  margins->addRow(QStringLiteral("&Rechts:"), rightEdit_);
  marginGroup->setLayout(margins);

  headerEdit_ = centimetreEdit(kMaxMarginCm);
  footerEdit_ = centimetreEdit(kMaxMarginCm);
  modeBox_ = new QComboBox(this);
  for (const char* name : kModeNames) modeBox_->addItem(QString::fromUtf8(name));
  auto* headerGroup = new QGroupBox(QStringLiteral("Kopf- und Fußzeilen"), this);
  auto* headers = new QFormLayout;
  headers->addRow(new QLabel(QStringLiteral("Abstand vom Seitenrand (cm)"), this));
  headers->addRow(QStringLiteral("&Kopfzeile:"), headerEdit_);
  headers->addRow(QStringLiteral("Fu&ßzeile:"), footerEdit_);
  headers->addRow(QStringLiteral("Kopf-/Fußzeilen an&ders auf:"), modeBox_);
  headerGroup->setLayout(headers);

  auto* right = new QVBoxLayout;
  right->addWidget(marginGroup);
  right->addWidget(headerGroup);
  auto* groups = new QHBoxLayout;
  groups->addWidget(paperGroup);
  groups->addLayout(right);
  allowStacking(*groups);
  QDialogButtonBox* buttons = okCancelButtons(*this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  roomHint_ = new QLabel(QStringLiteral("Die Seitenränder lassen keinen Platz für Text."), this);
  roomHint_->setStyleSheet(QStringLiteral("color: #C00000"));
  roomHint_->setWordWrap(true);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(roomHint_, 1);
  bottom->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addLayout(bottom);

  connect(paperBox_, &QComboBox::currentIndexChanged, this, [this] { paperChosen(); });
  connect(portrait_, &QRadioButton::toggled, this, [this] { paperChosen(); });
  connect(widthEdit_, &QDoubleSpinBox::valueChanged, this, [this] { sizeEdited(); });
  connect(heightEdit_, &QDoubleSpinBox::valueChanged, this, [this] { sizeEdited(); });
  // Judged while typing, before the edit is left.
  for (QDoubleSpinBox* edit : {widthEdit_, heightEdit_, topEdit_, bottomEdit_, leftEdit_, rightEdit_, headerEdit_, footerEdit_})
    connect(edit, &QDoubleSpinBox::textChanged, this, &PageSetupDialog::judgeTextArea);
  judgeTextArea();
}

void PageSetupDialog::judgeTextArea() {
  const bool room = leavesTextArea(typedValues());
  ok_->setEnabled(room);
  roomHint_->setVisible(!room);
}

QDoubleSpinBox* PageSetupDialog::centimetreEdit(double maximum) {
  auto* edit = new DecimalSpinBox(this);
  edit->setRange(0.0, maximum);
  edit->setSingleStep(0.1);
  edit->setDecimals(2);
  edit->setKeyboardTracking(false);
  return edit;
}

void PageSetupDialog::setValues(const PageSetupValues& v) {
  setSize(v.PageWidth / 10.0, v.PageHeight / 10.0);
  sizeEdited();
  topEdit_->setValue(v.MarginTop / 10.0);
  bottomEdit_->setValue(v.MarginBottom / 10.0);
  leftEdit_->setValue(v.MarginLeft / 10.0);
  rightEdit_->setValue(v.MarginRight / 10.0);
  headerEdit_->setValue(v.HeaderDistance / 10.0);
  footerEdit_->setValue(v.FooterDistance / 10.0);
  modeBox_->setCurrentIndex(std::clamp(static_cast<int>(v.Mode), 0, 3));
}

PageSetupValues PageSetupDialog::values() const { return valuesOf([](const QDoubleSpinBox& edit) { return edit.value(); }); }

// What the edits show, typing included: an edit takes its text as its value
// only when it is left.
PageSetupValues PageSetupDialog::typedValues() const {
  return valuesOf([](const QDoubleSpinBox& edit) { return edit.valueFromText(edit.text()); });
}

PageSetupValues PageSetupDialog::valuesOf(const std::function<double(const QDoubleSpinBox&)>& centimetres) const {
  PageSetupValues v;
  v.PageWidth = centimetres(*widthEdit_) * 10.0;
  v.PageHeight = centimetres(*heightEdit_) * 10.0;
  v.MarginTop = centimetres(*topEdit_) * 10.0;
  v.MarginBottom = centimetres(*bottomEdit_) * 10.0;
  v.MarginLeft = centimetres(*leftEdit_) * 10.0;
  v.MarginRight = centimetres(*rightEdit_) * 10.0;
  v.HeaderDistance = centimetres(*headerEdit_) * 10.0;
  v.FooterDistance = centimetres(*footerEdit_) * 10.0;
  v.Mode = static_cast<HeaderFooterMode>(std::max(modeBox_->currentIndex(), 0));
  return v;
}

void PageSetupDialog::setSize(double widthCm, double heightCm) {
  const bool wasUpdating = std::exchange(updating_, true);
  widthEdit_->setValue(widthCm);
  heightEdit_->setValue(heightCm);
  updating_ = wasUpdating;
}

void PageSetupDialog::paperChosen() {
  if (updating_) return;
  const int index = paperBox_->currentIndex();
  const bool across = landscape_->isChecked();
  double w = widthEdit_->value(), h = heightEdit_->value();
  if (index >= 0 && static_cast<size_t>(index) < formats_.size()) {
    w = formats_[static_cast<size_t>(index)].width / 100.0;
    h = formats_[static_cast<size_t>(index)].height / 100.0;
    if (across) std::swap(w, h);
  } else if ((across && w < h) || (!across && w > h)) {
    std::swap(w, h);
  }
  setSize(w, h);
}

void PageSetupDialog::sizeEdited() {
  if (updating_) return;
  const bool wasUpdating = std::exchange(updating_, true);
  const double w = widthEdit_->value(), h = heightEdit_->value();
  const bool across = w > h;
  landscape_->setChecked(across);
  portrait_->setChecked(!across);
  paperBox_->setCurrentIndex(static_cast<int>(paperIndexForSize(formats_, w, h, across)));
  updating_ = wasUpdating;
}

}  // namespace vendaro
