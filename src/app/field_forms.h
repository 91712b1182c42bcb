// field_forms.h — the dialogs of fields: "Feld einfügen", the user's own date
// and time pattern with its preview, "Datum und Uhrzeit einfügen", form
// fields and the form dialog, and the document properties with statistics.
#pragma once

#include <QDialog>

#include <array>

#include "editing/field_dialogs.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;
class QTableWidget;

namespace vendaro {

class FeldEinfuegenForm : public QDialog {
  Q_OBJECT
 public:
  explicit FeldEinfuegenForm(QWidget* parent = nullptr);
  bool edit(FeldEinfuegenDialog& dialog);
  void fill(const FeldEinfuegenDialog& dialog);
  FeldEinfuegenDialog values() const;
  QListWidget* categoryList() const { return categories_; }
  QListWidget* nameList() const { return names_; }

 private:
  void showCategory(int category);
  QListWidget* categories_;
  QListWidget* names_;
  DateTime now_;
};

class UserDateTimeForm : public QDialog {
  Q_OBJECT
 public:
  explicit UserDateTimeForm(QWidget* parent = nullptr);
  bool edit(UserDateTimeDialog& dialog);
  void fill(const UserDateTimeDialog& dialog);
  UserDateTimeDialog values() const;
  QLineEdit* patternEdit() const { return pattern_; }
  QLabel* preview() const { return preview_; }

 private:
  void showPreview();
  QLineEdit* pattern_;
  QLabel* preview_;
  DateTime now_;
};

class DateTimeForm : public QDialog {
  Q_OBJECT
 public:
  explicit DateTimeForm(QWidget* parent = nullptr);
  bool edit(DateTimeDialog& dialog);
  void fill(const DateTimeDialog& dialog);
  DateTimeDialog values() const;
  QListWidget* patternList() const { return patterns_; }
  QCheckBox* asFieldCheck() const { return asField_; }

 private:
  QListWidget* patterns_;
  QCheckBox* asField_;
};

class InsertFormFieldForm : public QDialog {
  Q_OBJECT
 public:
  explicit InsertFormFieldForm(QWidget* parent = nullptr);
  bool edit(InsertFormFieldDialog& dialog);
  void fill(const InsertFormFieldDialog& dialog);
  InsertFormFieldDialog values() const;
  QLineEdit* nameEdit() const { return name_; }
  QLineEdit* contentEdit() const { return content_; }

 private:
  QLineEdit* name_;
  QLineEdit* content_;
};

class FormDialogForm : public QDialog {
  Q_OBJECT
 public:
  explicit FormDialogForm(QWidget* parent = nullptr);
  bool edit(FormDialog& dialog);
  void fill(const FormDialog& dialog);
  FormDialog values() const;
  QTableWidget* grid() const { return grid_; }

 private:
  QTableWidget* grid_;
};

class DocumentPropsForm : public QDialog {
  Q_OBJECT
 public:
  explicit DocumentPropsForm(QWidget* parent = nullptr);
  bool edit(DocumentPropsDialog& dialog);
  void fill(const DocumentPropsDialog& dialog);
  DocumentPropsDialog values() const;
  QTabWidget* pages() const { return pages_; }
  QLineEdit* firstEdit() const { return edits_[0]; }
  QTableWidget* statistics() const { return statistics_; }

 private:
  QTabWidget* pages_;
  std::array<QLineEdit*, 7> edits_{};
  QPlainTextEdit* comment_;
  QTableWidget* statistics_;
};

// The field dialogs of the main window, each made once on first use.
class FieldForms {
 public:
  explicit FieldForms(QWidget& owner) : owner_(owner) {}
  FeldEinfuegenForm& feldEinfuegen() { return made(feldEinfuegen_); }
  UserDateTimeForm& userDateTime() { return made(userDateTime_); }
  DateTimeForm& dateTime() { return made(dateTime_); }
  InsertFormFieldForm& insertFormField() { return made(insertFormField_); }
  FormDialogForm& formDialog() { return made(formDialog_); }
  DocumentPropsForm& documentProps() { return made(documentProps_); }

 private:
  template <typename Form>
  Form& made(Form*& form) {
    if (!form) form = new Form(&owner_);  // owned by the window as its child
    return *form;
  }
  QWidget& owner_;
  FeldEinfuegenForm* feldEinfuegen_ = nullptr;
  UserDateTimeForm* userDateTime_ = nullptr;
  DateTimeForm* dateTime_ = nullptr;
  InsertFormFieldForm* insertFormField_ = nullptr;
  FormDialogForm* formDialog_ = nullptr;
  DocumentPropsForm* documentProps_ = nullptr;
};

}  // namespace vendaro
