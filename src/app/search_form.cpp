#include "app/search_form.h"

#include <algorithm>

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace vendaro {

SearchForm::SearchForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Suchen und ersetzen"));
  auto* layout = new QVBoxLayout(this);
  pages = new QTabWidget(this);
  pages->addTab(searchPage(search, false), QStringLiteral("&Suchen"));
  pages->addTab(searchPage(replace, true), QStringLiteral("Erset&zen"));
  pages->addTab(goToPage(), QStringLiteral("&Gehe zu"));
  layout->addWidget(pages);
  connect(pages, &QTabWidget::currentChanged, this, &SearchForm::pageChanged);
}

QWidget* SearchForm::searchPage(OptionBoxes& boxes, bool withReplacement) {
  auto* page = new QWidget(this);
  auto* fields = new QFormLayout;
  boxes.text = new QLineEdit(page);
  fields->addRow(QStringLiteral("Suchen &nach:"), boxes.text);
  if (withReplacement) {
    replaceed = new QLineEdit(page);
    fields->addRow(QStringLiteral("Ersetzen durc&h:"), replaceed);
  }
  auto* options = new QVBoxLayout;
  options->addLayout(fields);
  boxes.caps = new QCheckBox(QStringLiteral("Groß-/ und &Kleinschreibung beachten"), page);
  boxes.words = new QCheckBox(QStringLiteral("Nur ganze Wör&ter suchen"), page);
  boxes.start = new QCheckBox(QStringLiteral("Ab &Dokumentanfang suchen"), page);
  boxes.back = new QCheckBox(QStringLiteral("&Rückwärts suchen"), page);
  boxes.whole = new QCheckBox(QStringLiteral("Alle &Felder durchsuchen"), page);
  for (QCheckBox* box : {boxes.caps, boxes.words, boxes.start, boxes.back, boxes.whole}) options->addWidget(box);
  options->addStretch();

  const int pageIndex = withReplacement ? 1 : 0;
  auto* row = new QHBoxLayout(page);
  row->addLayout(options, 1);
  if (withReplacement) {
    row->addLayout(buttonColumn(pageIndex, page, {{"&Weitersuchen", kSearchReplaceNext}, {"&Ersetzen", kSearchReplace},
                                                  {"&Alle ersetzen", kSearchReplaceAll}, {"A&bbrechen", kSearchCancel}}));
  } else {
    row->addLayout(buttonColumn(pageIndex, page, {{"&Weitersuchen", kSearchFindNext}, {"A&bbrechen", kSearchCancel}}));
  }
  return page;
}

QWidget* SearchForm::goToPage() {
  auto* page = new QWidget(this);
  auto* fields = new QFormLayout;
  PageEd = new QSpinBox(page);
  PageEd->setRange(1, 100000);
  fields->addRow(QStringLiteral("Seite N&r:"), PageEd);
  auto* row = new QHBoxLayout(page);
  row->addLayout(fields, 1);
  row->addLayout(buttonColumn(2, page, {{"Geh&e zu Seite", kSearchGoToPage}, {"A&bbrechen", kSearchCancel}}));
  return page;
}

// The first button is the page's default.
QVBoxLayout* SearchForm::buttonColumn(int pageIndex, QWidget* page, std::initializer_list<PageButton> buttons) {
  auto* column = new QVBoxLayout;
  for (const PageButton& spec : buttons) {
    auto* b = new QPushButton(QString::fromUtf8(spec.caption), page);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, code = spec.code] { done(code); });
    if (!defaults_[pageIndex]) defaults_[pageIndex] = b;
    column->addWidget(b);
  }
  column->addStretch();
  return column;
}

// Enter presses the default button of the page shown.
void SearchForm::pageChanged(int page) {
  for (int i = 0; i < 3; ++i) defaults_[i]->setDefault(i == page);
  QWidget* first = page == 0 ? static_cast<QWidget*>(search.text) : page == 1 ? static_cast<QWidget*>(replace.text) : PageEd;
  first->setFocus();
  if (auto* edit = qobject_cast<QLineEdit*>(first)) edit->selectAll();
  if (page == 2) PageEd->selectAll();
}

SearchOptions SearchForm::optionsOf(const OptionBoxes& boxes) {
  SearchOptions options;
  options.text = toCp1252(boxes.text->text());
  options.matchCase = boxes.caps->isChecked();
  options.wholeWords = boxes.words->isChecked();
  options.fromStart = boxes.start->isChecked();
  options.backwards = boxes.back->isChecked();
  options.allFrames = boxes.whole->isChecked();
  return options;
}

int SearchForm::ask(TSearchForm& form) {
  const int page = std::clamp(form.page, 0, 2);
  if (pages->currentIndex() == page) pageChanged(page);
  else pages->setCurrentIndex(page);
  const int result = exec();
  form.page = pages->currentIndex();
  form.search = optionsOf(search);
  form.replace = optionsOf(replace);
  form.replacement = toCp1252(replaceed->text());
  form.pageNumber = PageEd->value();
  return result == QDialog::Rejected ? int{kSearchCancel} : result;
}

}  // namespace vendaro
