// table_dialogs.h — the table menu's dialogs: "Tabelle einfügen", "Zeilen
// einfügen" and "Spalten einfügen", and the cell format dialog with its
// border preview. Each is made once per main window and kept.
#pragma once

#include <QDialog>
#include <QWidget>

#include <array>

#include "editing/editor_host.h"

class QAbstractButton;
class QCheckBox;
class QDoubleSpinBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace vendaro {

class TZeltoColorComboBox;

class InsertTableForm : public QDialog {
  Q_OBJECT
 public:
  explicit InsertTableForm(QWidget* parent = nullptr);
  bool edit(InsertTableDialog& dialog);
  void fill(const InsertTableDialog& dialog);
  InsertTableDialog values() const;

 private:
  QSpinBox* columns_;
  QSpinBox* rows_;
};

// "Zeilen einfügen" and "Spalten einfügen" look alike.
class InsertTableRowsForm : public QDialog {
  Q_OBJECT
 public:
  InsertTableRowsForm(const QString& caption, QWidget* parent = nullptr);
  bool edit(InsertTableRowsDialog& dialog);
  void fill(const InsertTableRowsDialog& dialog);
  InsertTableRowsDialog values() const;

 private:
  QSpinBox* count_;
  QRadioButton* before_;
  QRadioButton* after_;
};

// The preview: the background and the six border lines of the form;
// a click toggles the border near it.
class CellPreview : public QWidget {
  Q_OBJECT
 public:
  explicit CellPreview(TTableCellForm& form, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {200, 120}; }

 signals:
  void toggled();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TTableCellForm& form_;
};

class TableCellDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TableCellDialog(QWidget* parent = nullptr);
  bool edit(TTableCellForm& form);
  void fill(const TTableCellForm& form);
  TTableCellForm values() const { return form_; }

  CellPreview* preview() const { return preview_; }
  QAbstractButton* borderButton(int slot) const { return borderButtons_[static_cast<size_t>(slot)]; }
  QCheckBox* transparentBox() const { return transparent_; }
  TZeltoColorComboBox* backgroundBox() const { return background_; }
  QPushButton* presetButton(int index) const { return presets_[static_cast<size_t>(index)]; }

 private:
  void showForm();

  TTableCellForm form_;
  CellPreview* preview_;
  std::array<QAbstractButton*, kBorderSlots> borderButtons_{};
  std::array<QPushButton*, 4> presets_{};  // "Ohne", "Kasten", "Alle", "Gitternetz"
  QDoubleSpinBox* width_;
  TZeltoColorComboBox* lineColour_;
  TZeltoColorComboBox* background_;
  QCheckBox* transparent_;
  bool showing_ = false;
};

// The dialogs of one main window, made when first needed.
class TableDialogs : public QObject {
  Q_OBJECT
 public:
  static TableDialogs& of(QWidget& owner);
  InsertTableForm& insertTable();
  InsertTableRowsForm& insertRows();
  InsertTableRowsForm& insertColumns();
  TableCellDialog& cells();

 private:
  explicit TableDialogs(QWidget& owner);
  QWidget& owner_;
  InsertTableForm* insertTable_ = nullptr;
  InsertTableRowsForm* insertRows_ = nullptr;
  InsertTableRowsForm* insertColumns_ = nullptr;
  TableCellDialog* cells_ = nullptr;
};

}  // namespace vendaro
