// insert_content_form.h — "Inhalte einfügen": the clipboard formats the
// program can paste, one of which the user chooses. Made once per main
// window and kept.
#pragma once

#include <QDialog>

#include "editing/editor_host.h"

class QListWidget;

namespace vendaro {

class InsertContentForm : public QDialog {
  Q_OBJECT

 public:
  // The form of `owner`, made on first use.
  static InsertContentForm& of(QWidget& owner);

  bool edit(InhalteEinfuegenDialog& dialog);
  void fill(const InhalteEinfuegenDialog& dialog);
  InhalteEinfuegenDialog values() const;
  QListWidget* formatList() const { return formats_; }

 private:
  explicit InsertContentForm(QWidget* parent);
  QListWidget* formats_;
  InhalteEinfuegenDialog shown_;
};

}  // namespace vendaro
