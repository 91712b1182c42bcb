#include "app/tab_stops_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/dialog_buttons.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "editing/decimal_text.h"
#include "editing/format_dialog_rules.h"

namespace vendaro {

TabStopsDialog::TabStopsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Tabstops"));
  // Made in the order the eye reads them, which Tab follows.
  position_ = new QComboBox(this);
  position_->setEditable(true);
  position_->setInsertPolicy(QComboBox::NoInsert);
  defaultWidth_ = new QLineEdit(this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Tabstop-&Position (cm):"), position_);
  form->addRow(QStringLiteral("Standard-&Tabstops (cm):"), defaultWidth_);

  auto* groups = new QHBoxLayout;
  // Mnemonics: L&inks, &Zentriert, &Rechts, &Dezimal; &1) … &4).
  alignment_ = radioGroup(kTabAlignNames, {1, 0, 0, 0}, QStringLiteral("Ausrichtung"), *groups);
  leader_ = radioGroup(kTabLeaderNames, {0, 0, 0, 0}, QStringLiteral("Füllzeichen"), *groups);

  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, void (TabStopsDialog::*)()> kButtons[] = {
      {"&Setzen", &TabStopsDialog::setTypedStop},
      {"&Löschen", &TabStopsDialog::removeSelectedStop},
      {"&Alle löschen", &TabStopsDialog::removeAllStops}};
  for (const auto& [caption, action] : kButtons) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    buttons->addWidget(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(groups);
  layout->addLayout(buttons);
  layout->addWidget(okCancelButtons(*this));
  connect(position_, &QComboBox::activated, this, &TabStopsDialog::stopSelected);
}

QButtonGroup* TabStopsDialog::radioGroup(const std::array<const char*, 4>& names, const std::array<int, 4>& mnemonics,
                                         const QString& title, QLayout& into) {
  auto* box = new QGroupBox(title, this);
  auto* column = new QVBoxLayout(box);
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    const auto at = static_cast<size_t>(i);
    auto* radio = new QRadioButton(QString::fromUtf8(names[at]).insert(mnemonics[at], QLatin1Char('&')), box);
    group->addButton(radio, i);
    column->addWidget(radio);
  }
  group->button(0)->setChecked(true);
  connect(group, &QButtonGroup::idClicked, this, &TabStopsDialog::kindClicked);
  into.addWidget(box);
  return group;
}

void TabStopsDialog::fill(const TabulatorDialog& dialog) {
  state_ = dialog;
  defaultWidth_->setText(fromCp1252(dialog.defaultTabWidth));
  alignment_->button(0)->setChecked(true);
  leader_->button(0)->setChecked(true);
  showStops(state_.stops.empty() ? -1 : 0);
}

bool TabStopsDialog::edit(TabulatorDialog& dialog) {
  fill(dialog);
  position_->setFocus();
  if (exec() != QDialog::Accepted) return false;
  state_.defaultTabWidth = toCp1252(defaultWidth_->text());
  dialog = state_;
  return true;
}

void TabStopsDialog::showStops(int selected) {
  position_->clear();
  for (const TabDialogStop& stop : state_.stops) position_->addItem(QString::fromStdString(formatDecimal(stop.position)));
  position_->setCurrentIndex(selected);
  if (selected < 0) position_->setEditText(QString());
  stopSelected(selected);
}

void TabStopsDialog::stopSelected(int index) {
  if (index < 0 || index >= static_cast<int>(state_.stops.size())) return;
  const TabDialogStop& stop = state_.stops[static_cast<size_t>(index)];
  alignment_->button(stop.align)->setChecked(true);
  leader_->button(stop.leader)->setChecked(true);
}

void TabStopsDialog::kindClicked() {
  const int index = position_->currentIndex();
  // Only a stop that is both selected and still shown as typed changes.
  if (index < 0 || position_->currentText() != position_->itemText(index)) return;
  TabDialogStop& stop = state_.stops[static_cast<size_t>(index)];
  stop.align = alignment_->checkedId();
  stop.leader = leader_->checkedId();
}

void TabStopsDialog::setTypedStop() {
  int selected = -1;
  const std::string refused =
      vendaro::setTabStop(state_, toCp1252(position_->currentText()), alignment_->checkedId(),
                          leader_->checkedId(), selected);
  if (!refused.empty()) {
    showMessageBox(this, refused, MessageIcon::error, {});
    return;
  }
  showStops(selected);
}

void TabStopsDialog::removeSelectedStop() {
  const int index = position_->currentIndex();
  if (index < 0) return;
  removeTabStop(state_, index);
  showStops(state_.stops.empty() ? -1 : std::min<int>(index, static_cast<int>(state_.stops.size()) - 1));
}

void TabStopsDialog::removeAllStops() {
  removeAllTabStops(state_);
  showStops(-1);
}

}  // namespace vendaro
