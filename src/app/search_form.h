// search_form.h — the dialog "Suchen und ersetzen" with its pages "&Suchen",
// "Erset&zen" and "&Gehe zu". Made once and kept, so that the texts and
// options stay as the user left them while the program runs.
#pragma once

#include <QDialog>

#include <initializer_list>

#include "editing/editor_host.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QVBoxLayout;

namespace vendaro {

class SearchForm : public QDialog {
  Q_OBJECT

 public:
  explicit SearchForm(QWidget* parent = nullptr);

  // Shows page `form.page` modally and returns the code of the button
  // pressed (cancel when the window is closed). The texts and options are
  // the dialog's own; they and the page shown go back into `form`.
  int ask(TSearchForm& form);

  // The options of one search page.
  struct OptionBoxes {
    QLineEdit* text;
    QCheckBox* caps;
    QCheckBox* words;
    QCheckBox* start;
    QCheckBox* back;
    QCheckBox* whole;
  };

  QTabWidget* pages;
  OptionBoxes search;   // finded1, caps1 …
  OptionBoxes replace;  // finded2, caps2 …
  QLineEdit* replaceed;
  QSpinBox* PageEd;

 private:
  QWidget* searchPage(OptionBoxes& boxes, bool withReplacement);
  QWidget* goToPage();
  struct PageButton {
    const char* caption;
    int code;
  };
  QVBoxLayout* buttonColumn(int pageIndex, QWidget* page, std::initializer_list<PageButton> buttons);
  void pageChanged(int page);
  static SearchOptions optionsOf(const OptionBoxes& boxes);

  QPushButton* defaults_[3] = {};  // each page's default button
};

}  // namespace vendaro
