#include "app/frame_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/colour_combo_box.h"
#include "app/decimal_spin_box.h"
#include "app/dialog_buttons.h"
#include "app/dialog_exchange.h"

namespace vendaro {
namespace {

QString qt(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string text(const QLineEdit* edit) { return edit->text().toStdString(); }

// The caption with its mnemonic in front of the first `letters`: the
// captions are the program's words, the marks only the front end's.
QString withMnemonic(const char* caption, const char* letters) {
  QString text = QString::fromUtf8(caption);
  const qsizetype at = text.indexOf(QString::fromUtf8(letters));
  if (at >= 0) text.insert(at, QLatin1Char('&'));
  return text;
}

// The four position and size texts, and the four margins, in the order of
// their edits; const or not, so that filling and reading use one order.
template <typename Dialog>
auto placeTexts(Dialog& d) {
  return std::array{&d.left, &d.top, &d.width, &d.height};
}
template <typename Dialog>
auto marginTexts(Dialog& d) {
  return std::array{&d.marginLeft, &d.marginTop, &d.marginRight, &d.marginBottom};
}

QDoubleSpinBox* centimetreBox(QWidget* parent) {
  auto* box = new DecimalSpinBox(parent);
  box->setDecimals(2);
  box->setRange(kPictureMinCm, kPictureMaxCm);
  box->setSingleStep(0.1);
  box->setKeyboardTracking(true);
  return box;
}

}  // namespace

// --- "Textfeld Eigenschaften" ---------------------------------------------

TFeldFormatForm::TFeldFormatForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Textfeld Eigenschaften"));
  pages_ = new QTabWidget(this);
  pages_->addTab(positionPage(), withMnemonic(kFrameFormatPageNames[0], "P"));
  pages_->addTab(marginsPage(), withMnemonic(kFrameFormatPageNames[1], "R"));
  pages_->addTab(designPage(), withMnemonic(kFrameFormatPageNames[2], "D"));
  pages_->addTab(flowPage(), withMnemonic(kFrameFormatPageNames[3], "x"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(okCancelButtons(*this));
}

QWidget* TFeldFormatForm::positionPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  static constexpr const char* kLabels[] = {"Position &horizontal in cm:", "Position &vertikal in cm:",
                                            "&Breite in cm:", "Höh&e in cm:"};
  for (size_t i = 0; i < place_.size(); ++i) {
    place_[i] = new QLineEdit(page);
    form->addRow(QString::fromUtf8(kLabels[i]), place_[i]);
  }
  showOn_ = new QComboBox(page);
  for (const char* name : kShowOnNames) showOn_->addItem(QString::fromUtf8(name));
  form->addRow(QStringLiteral("&Anzeigen auf:"), showOn_);
  moveWithText_ = new QCheckBox(QStringLiteral("&Mit Text verschieben"), page);
  keepAspect_ = new QCheckBox(QStringLiteral("&Seitenverhältnis bei Grafikfeldern beibehalten"), page);
  form->addRow(moveWithText_);
  form->addRow(keepAspect_);
  return page;
}

QWidget* TFeldFormatForm::marginsPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  static constexpr const char* kLabels[] = {"&Links in cm:", "&Oben in cm:", "R&echts in cm:", "&Unten in cm:"};
  for (size_t i = 0; i < margins_.size(); ++i) {
    margins_[i] = new QLineEdit(page);
    form->addRow(QString::fromUtf8(kLabels[i]), margins_[i]);
  }
  return page;
}

QWidget* TFeldFormatForm::designPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  borderColour_ = new TZeltoColorComboBox(page);
  borderWidth_ = new DecimalSpinBox(page);
  borderWidth_->setRange(0, kMaxBorderPoints);
  borderWidth_->setSingleStep(0.25);
  backColour_ = new TZeltoColorComboBox(page);
  transparent_ = new QCheckBox(QStringLiteral("&Transparent"), page);
  form->addRow(QStringLiteral("Linien&farbe:"), borderColour_);
  form->addRow(QStringLiteral("Linien&stärke in pt:"), borderWidth_);
  form->addRow(QStringLiteral("&Hintergrundfarbe:"), backColour_);
  form->addRow(transparent_);
  offerTransparencyForWhiteOnly(*backColour_, *transparent_);
  return page;
}

QWidget* TFeldFormatForm::flowPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  wrapText_ = new QCheckBox(QStringLiteral("Dahinterliegenen Text &umbrechen"), page);
  form->addRow(wrapText_);
  wrapMode_ = new QButtonGroup(page);
  for (size_t i = 0; i < kWrapModeNames.size(); ++i) {
    static constexpr const char* kMnemonics[] = {"Feld", "oberhalb", "links", "echts"};
    auto* button = new QRadioButton(withMnemonic(kWrapModeNames[i], kMnemonics[i]), page);
    wrapMode_->addButton(button, static_cast<int>(i));
    form->addRow(button);
  }
  distX_ = new QLineEdit(page);
  distY_ = new QLineEdit(page);
  form->addRow(QStringLiteral("&Abstand zum Text links/rechts in cm:"), distX_);
  form->addRow(QStringLiteral("Abstand zum Text o&ben/unten in cm:"), distY_);
  return page;
}

void TFeldFormatForm::fill(const FeldFormatDialog& d) {
  shown_ = d;
  const auto place = placeTexts(d);
  for (size_t i = 0; i < place_.size(); ++i) place_[i]->setText(qt(*place[i]));
  showOn_->setCurrentIndex(d.showOn);
  moveWithText_->setChecked(d.moveWithText);
  keepAspect_->setChecked(d.keepAspect);
  const auto margins = marginTexts(d);
  for (size_t i = 0; i < margins_.size(); ++i) margins_[i]->setText(qt(*margins[i]));
  borderColour_->setColorValue(d.borderColor);
  borderWidth_->setValue(d.borderWidth);
  backColour_->setColorValue(d.backColor);
  transparent_->setChecked(d.transparent);
  wrapText_->setChecked(d.wrapText);
  if (QAbstractButton* mode = wrapMode_->button(d.wrapMode)) mode->setChecked(true);
  distX_->setText(qt(d.textDistX));
  distY_->setText(qt(d.textDistY));
  pages_->setTabEnabled(0, d.objectPages);
  pages_->setTabEnabled(3, d.objectPages);
  pages_->setCurrentIndex(d.page);
}

FeldFormatDialog TFeldFormatForm::values() const {
  FeldFormatDialog d = shown_;
  const auto place = placeTexts(d);
  for (size_t i = 0; i < place_.size(); ++i) *place[i] = text(place_[i]);
  d.showOn = showOn_->currentIndex();
  d.moveWithText = moveWithText_->isChecked();
  d.keepAspect = keepAspect_->isChecked();
  const auto margins = marginTexts(d);
  for (size_t i = 0; i < margins_.size(); ++i) *margins[i] = text(margins_[i]);
  d.borderColor = borderColour_->ColorValue();
  d.borderWidth = borderWidth_->value();
  d.backColor = backColour_->ColorValue();
  d.transparent = transparent_->isEnabled() && transparent_->isChecked();
  d.wrapText = wrapText_->isChecked();
  d.wrapMode = std::max(0, wrapMode_->checkedId());
  d.textDistX = text(distX_);
  d.textDistY = text(distY_);
  return d;
}

bool TFeldFormatForm::edit(FeldFormatDialog& dialog) { return exchangeValues(*this, dialog); }

// --- "Grafik formatieren" ---------------------------------------------------

TGrafikPropsForm::TGrafikPropsForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Grafik formatieren"));
  width_ = centimetreBox(this);
  height_ = centimetreBox(this);
  keepRatio_ = new QCheckBox(QStringLiteral("&Seitenverhältnis beibehalten"), this);
  auto* original = new QPushButton(QStringLiteral("&Original Seitenverhältnis wiederherstellen"), this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Breite:"), width_);
  form->addRow(QStringLiteral("&Höhe:"), height_);
  form->addRow(keepRatio_);
  form->addRow(original);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(okCancelButtons(*this));
  connect(width_, &QDoubleSpinBox::valueChanged, this, [this](double cm) {
    if (showing_) return;
    values_.widthEdited(cm);
    showValues(values_);
  });
  connect(height_, &QDoubleSpinBox::valueChanged, this, [this](double cm) {
    if (showing_) return;
    values_.heightEdited(cm);
    showValues(values_);
  });
  connect(keepRatio_, &QCheckBox::toggled, this, [this](bool on) { values_.keepRatio = on; });
  connect(original, &QPushButton::clicked, this, [this] {
    values_.restoreOriginalRatio();
    showValues(values_);
  });
}

void TGrafikPropsForm::showValues(const GrafikPropsDialog& values) {
  showing_ = true;
  width_->setValue(values.width);
  height_->setValue(values.height);
  keepRatio_->setChecked(values.keepRatio);
  showing_ = false;
}

void TGrafikPropsForm::fill(const GrafikPropsDialog& dialog) {
  values_ = dialog;
  showValues(values_);
}

bool TGrafikPropsForm::edit(GrafikPropsDialog& dialog) { return exchangeValues(*this, dialog); }

// --- the kept dialogs -------------------------------------------------------

FrameDialogs::FrameDialogs(QWidget& owner) : QObject(&owner), owner_(owner) {}

FrameDialogs& FrameDialogs::of(QWidget& owner) {
  if (auto* kept = owner.findChild<FrameDialogs*>(QString(), Qt::FindDirectChildrenOnly)) return *kept;
  return *new FrameDialogs(owner);
}

TFeldFormatForm& FrameDialogs::frame() {
  if (!frame_) frame_ = new TFeldFormatForm(&owner_);
  return *frame_;
}

TGrafikPropsForm& FrameDialogs::picture() {
  if (!picture_) picture_ = new TGrafikPropsForm(&owner_);
  return *picture_;
}

}  // namespace vendaro
