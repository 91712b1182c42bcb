#include "app/field_forms.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/dialog_exchange.h"
#include "app/qt_text.h"

namespace vendaro {
namespace {

void fillList(QListWidget& list, const std::vector<std::string>& entries) {
  list.clear();
  for (const std::string& entry : entries) list.addItem(fromCp1252(entry));
  list.setCurrentRow(0);
}

// The dialog opens with the caret in `widget`, once it is shown.
void focusOnShow(QWidget* widget) {
  QTimer::singleShot(0, widget, [widget] { widget->setFocus(Qt::OtherFocusReason); });
}

QLabel* labelFor(const QString& caption, QWidget* control) {
  auto* label = new QLabel(caption, control->parentWidget());
  label->setBuddy(control);
  return label;
}

// Where each property's label takes its mnemonic: "&Titel:", "T&hema:" …
constexpr std::array<int, 8> kDocPropMnemonics{0, 1, 0, 0, 0, 0, 5, 1};

QString withMnemonic(const char* cp1252Label, int position) {
  return fromCp1252(cp1252Label).insert(position, QLatin1Char('&'));
}

QTableWidgetItem* readOnlyItem(const std::string& text) {
  auto* item = new QTableWidgetItem(fromCp1252(text));
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

constexpr const char* kPatternHelp =
    "d, dd: Tag ohne/mit f\u00fchrender Null\n"
    "ddd, dddd: Wochentag kurz/lang\n"
    "m, mm: Monat ohne/mit f\u00fchrender Null (nach Stunden: Minuten)\n"
    "mmm, mmmm: Monatsname kurz/lang\n"
    "yy, yyyy: Jahr zwei-/vierstellig\n"
    "h, hh: Stunde   n, nn: Minute   s, ss: Sekunde\n"
    "z, zzz: Millisekunde   am/pm: 12-Stunden-Uhr\n"
    "\"Text\" oder 'Text': wird \u00fcbernommen";

}  // namespace

// --- Feld einfügen ------------------------------------------------------------

FeldEinfuegenForm::FeldEinfuegenForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Feld einf\u00fcgen"));
  categories_ = new QListWidget(this);
  for (const char* category : kFieldCategories) categories_->addItem(fromCp1252(category));
  names_ = new QListWidget(this);
  connect(categories_, &QListWidget::currentRowChanged, this, &FeldEinfuegenForm::showCategory);
  connect(names_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* lists = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(labelFor(QStringLiteral("&Kategorie:"), categories_));
  left->addWidget(categories_);
  auto* right = new QVBoxLayout;
  right->addWidget(labelFor(QStringLiteral("Feld&name:"), names_));
  right->addWidget(names_);
  lists->addLayout(left, 1);
  lists->addLayout(right, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addWidget(okCancelButtons(*this));
}

void FeldEinfuegenForm::showCategory(int category) { fillList(*names_, fieldNameEntries(category, now_)); }

void FeldEinfuegenForm::fill(const FeldEinfuegenDialog& dialog) {
  now_ = dialog.now;
  categories_->setCurrentRow(-1);
  categories_->setCurrentRow(dialog.category);
}

FeldEinfuegenDialog FeldEinfuegenForm::values() const {
  FeldEinfuegenDialog dialog;
  dialog.now = now_;
  dialog.category = categories_->currentRow();
  dialog.entry = names_->currentRow();
  return dialog;
}

bool FeldEinfuegenForm::edit(FeldEinfuegenDialog& dialog) { return exchangeValues(*this, dialog); }

// --- the user's own pattern -----------------------------------------------------

UserDateTimeForm::UserDateTimeForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Benuterdefiniertes Datums- oder Zeitformat"));
  pattern_ = new QLineEdit(this);
  preview_ = new QLabel(this);
  connect(pattern_, &QLineEdit::textChanged, this, &UserDateTimeForm::showPreview);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Datums-/Zeitformat:"), pattern_);
  form->addRow(new QLabel(QStringLiteral("Vorschau:"), this), preview_);  // shown only, not reached by a key
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  auto* help = new QLabel(QString::fromUtf8(kPatternHelp), this);
  help->setWordWrap(true);  // a narrow screen wraps it rather than scrolling sideways
  layout->addWidget(help);
  layout->addWidget(okCancelButtons(*this));
}

void UserDateTimeForm::showPreview() { preview_->setText(fromCp1252(formatDateTime(toCp1252(pattern_->text()), now_))); }

void UserDateTimeForm::fill(const UserDateTimeDialog& dialog) {
  now_ = dialog.now;
  pattern_->setText(fromCp1252(dialog.pattern));
  showPreview();
  focusOnShow(pattern_);
}

UserDateTimeDialog UserDateTimeForm::values() const { return {now_, toCp1252(pattern_->text())}; }

bool UserDateTimeForm::edit(UserDateTimeDialog& dialog) { return exchangeValues(*this, dialog); }

// --- Datum und Uhrzeit einfügen ----------------------------------------------------

DateTimeForm::DateTimeForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Datum und Uhrzeit einf\u00fcgen"));
  patterns_ = new QListWidget(this);
  asField_ = new QCheckBox(QStringLiteral("&Als Feld einf\u00fcgen (wird automatisch aktualisiert)"), this);
  connect(patterns_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(labelFor(QStringLiteral("Datums- und  Uhrzeit&formate"), patterns_));
  layout->addWidget(patterns_);
  layout->addWidget(asField_);
  layout->addWidget(okCancelButtons(*this));
}

void DateTimeForm::fill(const DateTimeDialog& dialog) {
  fillList(*patterns_, dialog.entries);
  patterns_->setCurrentRow(dialog.selected);
}

DateTimeDialog DateTimeForm::values() const {
  DateTimeDialog dialog;
  dialog.selected = patterns_->currentRow();
  dialog.asField = asField_->isChecked();
  return dialog;
}

bool DateTimeForm::edit(DateTimeDialog& dialog) { return exchangeValues(*this, dialog); }

// --- Formularfeld einfügen -----------------------------------------------------------

InsertFormFieldForm::InsertFormFieldForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Formularfeld einf\u00fcgen"));
  name_ = new QLineEdit(this);
  content_ = new QLineEdit(this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Name des Feldes:"), name_);
  form->addRow(QStringLiteral("&Inhalt des Feldes:"), content_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(okCancelButtons(*this));
}

void InsertFormFieldForm::fill(const InsertFormFieldDialog& dialog) {
  name_->setText(fromCp1252(dialog.name));
  content_->setText(fromCp1252(dialog.content));
  name_->selectAll();
  focusOnShow(name_);
}

InsertFormFieldDialog InsertFormFieldForm::values() const { return {toCp1252(name_->text()), toCp1252(content_->text())}; }

bool InsertFormFieldForm::edit(InsertFormFieldDialog& dialog) { return exchangeValues(*this, dialog); }

// --- Formulardialog ---------------------------------------------------------------------

FormDialogForm::FormDialogForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Formulardialog"));
  grid_ = new QTableWidget(0, 2, this);
  grid_->setHorizontalHeaderLabels({QStringLiteral("Formularfeld"), QStringLiteral("Inhalt")});
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->verticalHeader()->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  layout->addWidget(okCancelButtons(*this));
  resize(480, 320);
}

void FormDialogForm::fill(const FormDialog& dialog) {
  grid_->setRowCount(static_cast<int>(dialog.rows.size()));
  for (int row = 0; row < grid_->rowCount(); ++row) {
    const auto& [name, content] = dialog.rows[static_cast<size_t>(row)];
    grid_->setItem(row, 0, readOnlyItem(name));
    grid_->setItem(row, 1, new QTableWidgetItem(fromCp1252(content)));
  }
  // Typing replaces the first content at once; Escape still cancels.
  grid_->setCurrentCell(0, 1);
  focusOnShow(grid_);
}

FormDialog FormDialogForm::values() const {
  FormDialog dialog;
  for (int row = 0; row < grid_->rowCount(); ++row) {
    const QTableWidgetItem* content = grid_->item(row, 1);
    dialog.rows.emplace_back(toCp1252(grid_->item(row, 0)->text()), content ? toCp1252(content->text()) : std::string());
  }
  return dialog;
}

bool FormDialogForm::edit(FormDialog& dialog) { return exchangeValues(*this, dialog); }

// --- Dokumenteigenschaften ------------------------------------------------------------------

DocumentPropsForm::DocumentPropsForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Dokumenteigenschaften"));
  pages_ = new QTabWidget(this);
  auto* infos = new QWidget(pages_);
  auto* form = new QFormLayout(infos);
  for (size_t k = 0; k < edits_.size(); ++k) {
    edits_[k] = new QLineEdit(infos);
    form->addRow(withMnemonic(kDocPropLabels[k], kDocPropMnemonics[k]), edits_[k]);
  }
  comment_ = new QPlainTextEdit(infos);
  form->addRow(withMnemonic(kDocPropLabels[7], kDocPropMnemonics[7]), comment_);
  statistics_ = new QTableWidget(0, 2, pages_);
  statistics_->verticalHeader()->hide();
  statistics_->horizontalHeader()->setStretchLastSection(true);
  statistics_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  pages_->addTab(infos, QStringLiteral("&Infos"));
  pages_->addTab(statistics_, QStringLiteral("&Statistik"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(okCancelButtons(*this));
}

void DocumentPropsForm::fill(const DocumentPropsDialog& dialog) {
  for (size_t k = 0; k < edits_.size(); ++k) edits_[k]->setText(fromCp1252(dialog.props[k]));
  comment_->setPlainText(fromCp1252(dialog.props[7]).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  const auto& rows = dialog.statistics;
  statistics_->setRowCount(rows.empty() ? 0 : static_cast<int>(rows.size()) - 1);
  if (!rows.empty()) statistics_->setHorizontalHeaderLabels({fromCp1252(rows[0].first), fromCp1252(rows[0].second)});
  for (size_t row = 1; row < rows.size(); ++row) {
    statistics_->setItem(static_cast<int>(row) - 1, 0, readOnlyItem(rows[row].first));
    statistics_->setItem(static_cast<int>(row) - 1, 1, readOnlyItem(rows[row].second));
  }
  pages_->setCurrentIndex(dialog.page);
  if (dialog.page == 0) focusOnShow(edits_[0]);
}

DocumentPropsDialog DocumentPropsForm::values() const {
  DocumentPropsDialog dialog;
  dialog.page = pages_->currentIndex();
  for (size_t k = 0; k < edits_.size(); ++k) dialog.props[k] = toCp1252(edits_[k]->text());
  dialog.props[7] = toCp1252(comment_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
  return dialog;
}

bool DocumentPropsForm::edit(DocumentPropsDialog& dialog) { return exchangeValues(*this, dialog); }

}  // namespace vendaro
