// tab_stops_dialog.h — "Tabstops": the default tab width and the list of
// stops, each with its alignment and fill character. "Setzen" adds or
// changes the typed position, "Löschen" and "Alle löschen" remove stops.
#pragma once

#include <QDialog>

#include <array>

#include "editing/editor_host.h"

class QButtonGroup;
class QComboBox;
class QLayout;
class QLineEdit;

namespace vendaro {

class TabStopsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TabStopsDialog(QWidget* parent = nullptr);

  bool edit(TabulatorDialog& dialog);
  void fill(const TabulatorDialog& dialog);
  TabulatorDialog values() const { return state_; }

  QLineEdit* defaultWidthEdit() const { return defaultWidth_; }
  QComboBox* positionBox() const { return position_; }
  QButtonGroup* alignmentGroup() const { return alignment_; }
  QButtonGroup* leaderGroup() const { return leader_; }
  // "Setzen", "Löschen", "Alle löschen".
  void setTypedStop();
  void removeSelectedStop();
  void removeAllStops();

 private:
  QButtonGroup* radioGroup(const std::array<const char*, 4>& names, const std::array<int, 4>& mnemonics, const QString& title,
                           QLayout& into);
  // The list shows the stops; `selected` is chosen in it (-1: none).
  void showStops(int selected);
  void stopSelected(int index);
  // An alignment or fill character was clicked: the selected stop takes it.
  void kindClicked();

  TabulatorDialog state_;
  QLineEdit* defaultWidth_;
  QComboBox* position_;
  QButtonGroup* alignment_;
  QButtonGroup* leader_;
};

}  // namespace vendaro
