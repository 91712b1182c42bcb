// Every dialog opened from its command in the running window, as a person
// uses it: cancelled (Escape) it leaves the document as it was; opened again
// it is the same dialog with its controls as they were; answered with OK and
// one change it changes the document exactly as the editor's own command
// does with that change, and nothing else. On the way each dialog is
// checked for a German caption, where its focus starts and that every
// labelled control has a mnemonic of its own.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTimer>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>

#include "app/character_format_dialog.h"
#include "app/character_table_dialog.h"
#include "app/columns_dialog.h"
#include "app/dialog_conventions.h"
#include "app/editor_window.h"
#include "app/field_forms.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/numbering_dialog.h"
#include "app/page_setup_dialog.h"
#include "app/paragraph_dialog.h"
#include "app/poster_print_dialog.h"
#include "app/scan_dialogs.h"
#include "app/search_form.h"
#include "app/spell_check_form.h"
#include "app/style_dialogs.h"
#include "app/tab_stops_dialog.h"
#include "app/table_dialogs.h"
#include "app_test_support.h"
#include "document/caret_moves.h"
#include "document/page_setup.h"
#include "editing/format_dialog_rules.h"
#include "platform/dib.h"
#include "shell/document_dump.h"
#include "support/keyboard_driver.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"
#include "support/sane_test_scanner.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::DialogAnswerer;
using test::waitUntil;

// The editor's command run on a copy of the document, its dialog answered
// by script: what the window must come to.
class TwinHost : public test::RecordingHost {
 public:
  std::function<bool(SonderzeichenDialog&)> sonderzeichen;
  bool showSonderzeichenDialog(SonderzeichenDialog& d) override { return sonderzeichen && sonderzeichen(d); }
};

// What a person sees of a dialog's controls; equal before and after
// reopening when the dialog keeps its state.
QStringList controlStates(const QWidget& dialog) {
  QStringList states;
  for (const QWidget* w : dialog.findChildren<QWidget*>()) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) states << QStringLiteral("edit ") + edit->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && button->isCheckable())
      states << QStringLiteral("check %1").arg(button->isChecked());
    else if (const auto* combo = qobject_cast<const QComboBox*>(w)) states << QStringLiteral("combo %1").arg(combo->currentIndex());
    else if (const auto* list = qobject_cast<const QListWidget*>(w)) states << QStringLiteral("list %1").arg(list->currentRow());
  }
  return states;
}

// The character a mnemonic "&x" gives, or none.
QChar mnemonicOf(QString text) {
  text.replace(QStringLiteral("&&"), QString());
  const qsizetype at = text.indexOf(QLatin1Char('&'));
  return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
}

// Every visible labelled control can be reached with Alt and a letter, and
// no two share one. The OK and "Abbrechen" buttons answer Enter and Escape.
void expectMnemonics(const QWidget& dialog) {
  std::map<QChar, QString> used;
  const auto take = [&](const QString& text) {
    const QChar key = mnemonicOf(text);
    EXPECT_FALSE(key.isNull()) << "no mnemonic: " << text.toStdString();
    if (key.isNull()) return;
    const auto [it, fresh] = used.emplace(key, text);
    EXPECT_TRUE(fresh) << text.toStdString() << " and " << it->second.toStdString() << " share a mnemonic";
  };
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->isVisible() && label->buddy() && !label->text().isEmpty()) take(label->text());
    // Without a control to go to, the mark would show as it is.
    if (label->isVisible() && !label->buddy() && label->textFormat() != Qt::RichText) {
      EXPECT_TRUE(mnemonicOf(label->text()).isNull()) << "a bare & in " << label->text().toStdString();
    }
  }
  for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
    if (!button->isVisible() || button->text().isEmpty() || qobject_cast<QDialogButtonBox*>(button->parentWidget())) continue;
    if (button->text().size() <= 2 && !button->text().contains(QLatin1Char('&'))) continue;  // tool bar arrows and the like
    take(button->text());
  }
  for (const QTabWidget* tabs : dialog.findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i) take(tabs->tabText(i));
}

// With VENDARO_DIALOG_SHOTS set to a folder, each dialog's first showing is
// saved there as the screen shows it (run on a real display with a window
// manager to see the title bars).
void saveScreenshot(QWidget& dialog, const QString& title = {}) {
  const QString folder = qEnvironmentVariable("VENDARO_DIALOG_SHOTS");
  if (folder.isEmpty()) return;
  QTest::qWait(400);
  const QString name = QString(title.isEmpty() ? dialog.windowTitle() : title).remove(QLatin1Char('/')) + QStringLiteral(".png");
  if (QFile::exists(folder + QLatin1Char('/') + name)) return;
  dialog.screen()->grabWindow(0).save(folder + QLatin1Char('/') + name);
}

// The first line where two dumps part, or "" when they are the same.
std::string firstDifference(const std::string& got, const std::string& wanted) {
  std::istringstream a(got), b(wanted);
  std::string lineA, lineB;
  for (int line = 1;; ++line) {
    const bool moreA = static_cast<bool>(std::getline(a, lineA)), moreB = static_cast<bool>(std::getline(b, lineB));
    if (!moreA && !moreB) return "";
    if (lineA != lineB || moreA != moreB) return "line " + std::to_string(line) + ": " + lineA + " | " + lineB;
  }
}

struct Shown {
  QPointer<QWidget> dialog;
  QString caption;
  QStringList states;
};

class DialogWalkTest : public testing::Test {
 protected:
  void SetUp() override {
    // A message that ends a command ("Suche beendet") is acknowledged.
    QObject::connect(&acknowledge, &QTimer::timeout, [this] {
      if (!answers.allAnswered()) return;
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
    });
    acknowledge.start(5);
    answers.add([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });  // the first page set-up
    window = std::make_unique<MainWindow>();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
    ASSERT_NE(window->activeEditorWindow(), nullptr);
    test::typeKeys(editor(), "Hallo Welt\nPlakat");
    test::appendTableRow(doc(), {{"A", 1}, {"B", 1}});
    editor().CompleteRefresh();
  }
  void TearDown() override {
    for (EditorWindow* open : window->editorWindows()) open->document()->editor().doc().SetFileChanged(false);
    window->close();
    window.reset();
  }
  Editor& editor() { return *window->activeEditorWindow()->editor(); }
  Document& doc() { return editor().doc(); }
  std::string dump() { return dumpDocumentJson(doc()); }

  // The caret: in the first paragraph with "Hallo" selected, or in the table.
  void selectHallo() { place({0, 0, 0}, {0, 0, 5}); }
  void intoTable() {
    for (int32_t line = 0; line < doc().Fields[0].LineCount(); ++line)
      if (doc().Fields[0].Lines[static_cast<size_t>(line)].InTable) return place({0, line, 0}, {0, line, 0});
    FAIL() << "no table";
  }
  void place(const TextPos& anchor, const TextPos& caret) {
    setAnchor(doc(), anchor);
    setCaret(doc(), caret);
    window->menus().refresh();
  }

  QAction* entry(const QString& menuTitle, const QString& caption) {
    for (QAction* top : window->menuBar()->actions()) {
      if (top->text() != menuTitle || !top->menu()) continue;
      std::vector<QMenu*> menus{top->menu()};
      while (!menus.empty()) {
        QMenu* menu = menus.back();
        menus.pop_back();
        for (QAction* action : menu->actions()) {
          if (action->menu()) menus.push_back(action->menu());
          else if (action->text() == caption) return action;
        }
      }
    }
    ADD_FAILURE() << "no entry " << caption.toStdString();
    return nullptr;
  }

  // Opens the dialog through `action`, lets `respond` answer it and waits
  // until it is gone.
  Shown open(QAction* action, const std::function<void(QWidget&)>& respond) {
    Shown shown;
    if (lead) lead();
    answers.add([&shown, respond](QWidget& dialog) {
      saveScreenshot(dialog);
      shown.dialog = &dialog;
      shown.caption = dialog.windowTitle();
      shown.states = controlStates(dialog);
      try {
        respond(dialog);
      } catch (const std::exception& error) {
        ADD_FAILURE() << error.what();
        dialog.close();
      }
    });
    window->menus().refresh();
    EXPECT_TRUE(action && action->isEnabled()) << (action ? action->text().toStdString() : "");
    if (action) action->trigger();
    EXPECT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
    return shown;
  }

  // Cancel with Escape, reopen and close with the title bar's button: the
  // document is untouched and the dialog the same, as it was.
  Shown cancelTwice(QAction* action, const QString& caption, QWidget* (*focusOf)(QWidget&) = nullptr) {
    const std::string before = dump();
    const int32_t undoSteps = editor().undoHistory().UndoPos();
    const Shown first = open(action, [&](QWidget& dialog) {
      expectMnemonics(dialog);
      if (focusOf) {
        QWidget* expected = focusOf(dialog);
        EXPECT_TRUE(waitUntil([&] { return expected->hasFocus() || expected->isAncestorOf(QApplication::focusWidget()); }, 2000))
            << caption.toStdString() << ": focus in " << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "nothing");
      }
      QWidget* focus = QApplication::focusWidget();
      QTest::keyClick(focus && dialog.isAncestorOf(focus) ? focus : &dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(first.caption, caption);
    EXPECT_EQ(firstDifference(dump(), before), "") << caption.toStdString();
    EXPECT_EQ(editor().undoHistory().UndoPos(), undoSteps) << caption.toStdString();
    const Shown second = open(action, [](QWidget& dialog) { dialog.close(); });
    EXPECT_EQ(second.dialog, first.dialog) << caption.toStdString() << " is made once and kept";
    EXPECT_EQ(second.states, first.states) << caption.toStdString();
    EXPECT_EQ(firstDifference(dump(), before), "") << caption.toStdString();
    return second;
  }

  // OK after `change` does what the editor's command does on a copy
  // answered by `script`.
  template <typename Script>
  void okMatchesTwin(QAction* action, const std::function<void(QWidget&)>& change, Script script,
                     const std::function<void(Editor&)>& command) {
    const Document start = doc();
    open(action, [&](QWidget& dialog) {
      change(dialog);
      test::clickButton(dialog, QStringLiteral("OK"));
    });
    TwinHost host;
    host.clock = systemDateTime();
    script(host);
    Editor twin{host};
    twin.doc() = start;
    command(twin);
    twin.SmallOvertakeFont();
    EXPECT_NE(firstDifference(dump(), dumpDocumentJson(start)), "") << action->text().toStdString() << " changed nothing";
    EXPECT_EQ(firstDifference(dump(), dumpDocumentJson(twin.doc())), "") << action->text().toStdString();
  }

  // For a dialog reached through another: queues the answers that lead
  // there before each opening.
  std::function<void()> lead;
  test::TempDir config;
  DialogAnswerer answers;
  QTimer acknowledge;
  std::unique_ptr<MainWindow> window;
};

template <typename Dialog>
Dialog& as(QWidget& widget) {
  auto* dialog = dynamic_cast<Dialog*>(&widget);
  if (!dialog) throw std::runtime_error(std::string("another dialog showed: ") + widget.metaObject()->className());
  return *dialog;
}

TEST_F(DialogWalkTest, FormatDialogs) {
  selectHallo();
  QAction* zeichen = entry(QStringLiteral("F&ormat"), QStringLiteral("&Zeichen..."));
  cancelTwice(zeichen, QStringLiteral("Zeichen"));
  okMatchesTwin(
      zeichen, [](QWidget& d) { as<CharacterFormatDialog>(d).attributeList()->item(0)->setCheckState(Qt::Checked); },
      [](TwinHost& h) {
        h.zeichen = [](ZeichenDialog& z) { return z.attributes[0] = z.changed.attributes[0] = true; };
      },
      [](Editor& e) { e.zeichenformatieren(); });

  QAction* absatz = entry(QStringLiteral("F&ormat"), QStringLiteral("&Absatz..."));
  cancelTwice(absatz, QStringLiteral("Absatzformatierung"));
  okMatchesTwin(
      absatz, [](QWidget& d) { as<ParagraphDialog>(d).alignmentBox()->setCurrentIndex(1); },
      [](TwinHost& h) { h.absatz = [](AbsatzDialog& a) { a.alignment = 1; return true; }; },
      [](Editor& e) { e.absatzformatieren(); });

  QAction* numbering = entry(QStringLiteral("F&ormat"), QStringLiteral("&Nummerierung und Aufzählungen...."));
  cancelTwice(numbering, QStringLiteral("Nummerierung und Aufzählungen"));
  okMatchesTwin(
      numbering, [](QWidget& d) { as<NumberingDialog>(d).kindGroup()->button(1)->click(); },
      [](TwinHost& h) { h.nummerierung = [](NummerierungDialog& n) { n.listKind = 1; return true; }; },
      [](Editor& e) { e.NummerierungundAufzaehlungen(); });

  QAction* columns = entry(QStringLiteral("F&ormat"), QStringLiteral("&Spalten..."));
  cancelTwice(columns, QStringLiteral("Spalten"));
  okMatchesTwin(
      columns, [](QWidget& d) { as<ColumnsDialog>(d).countEdit()->setText(QStringLiteral("2")); },
      [](TwinHost& h) { h.spalten = [](SpaltenDialog& s) { s.count = "2"; return true; }; },
      [](Editor& e) { e.spaltenformat(); });

  QAction* tabs = entry(QStringLiteral("F&ormat"), QStringLiteral("&Tabulator..."));
  cancelTwice(tabs, QStringLiteral("Tabstops"));
  okMatchesTwin(
      tabs,
      [](QWidget& d) {
        as<TabStopsDialog>(d).positionBox()->setEditText(QStringLiteral("2.5"));
        test::clickButton(d, QStringLiteral("&Setzen"));
      },
      [](TwinHost& h) {
        h.tabulator = [](TabulatorDialog& t) {
          int selected = -1;
          return setTabStop(t, "2,5", 0, 0, selected).empty();
        };
      },
      [](Editor& e) { e.tabulator(); });

  QAction* newStyle = entry(QStringLiteral("F&ormat"), QStringLiteral("Neue &Absatzvorlage..."));
  cancelTwice(newStyle, QStringLiteral("Formatvorlage"), [](QWidget& d) -> QWidget* { return as<StyleNameDialog>(d).nameEdit(); });
  okMatchesTwin(
      newStyle, [](QWidget& d) { as<StyleNameDialog>(d).nameEdit()->setText(QStringLiteral("Überschrift")); },
      [](TwinHost& h) { h.vorlagenName = [](VorlagenNameDialog& v) { v.name = "\xDC" "berschrift"; return true; }; },
      [](Editor& e) { e.NeueVorlage(kParagraphStyle); });

  QAction* manager = entry(QStringLiteral("F&ormat"), QStringLiteral("&Vorlagen verwalten..."));
  cancelTwice(manager, QStringLiteral("Vorlagen verwalten"));

  QAction* special = entry(QStringLiteral("&Einfügen"), QStringLiteral("&Sonderzeichen..."));
  cancelTwice(special, QStringLiteral("Sonderzeichen"));
  okMatchesTwin(
      special, [](QWidget& d) { as<CharacterTableDialog>(d).grid()->select('A'); },
      [](TwinHost& h) {
        h.sonderzeichen = [](SonderzeichenDialog& s) {
          s.character = 'A';
          return true;
        };
      },
      [](Editor& e) { e.SonderzeichenEinfuegen(); });
}

// The frame dialog of the page body, and the picture dialog of a selected
// picture cell, follow the same rules as the others.
TEST_F(DialogWalkTest, FrameAndPictureDialogs) {
  place({0, 0, 0}, {0, 0, 0});
  cancelTwice(entry(QStringLiteral("F&ormat"), QStringLiteral("&Feld/Seite/Objekt...")),
              QStringLiteral("Textfeld Eigenschaften"));

  TPictureRec picture;
  ASSERT_TRUE(newdib(picture, 8, 4, 24));
  editor().insertPicture(std::move(picture));
  place({0, 0, 0}, {0, 0, 1});
  cancelTwice(entry(QStringLiteral("F&ormat"), QStringLiteral("&Grafik...")), QStringLiteral("Grafik formatieren"));
}

TEST_F(DialogWalkTest, TableDialogs) {
  selectHallo();
  QAction* insert = entry(QStringLiteral("Tabe&lle"), QStringLiteral("&Tabelle einfügen..."));
  const Shown shown = cancelTwice(insert, QStringLiteral("Tabelle einfügen"));
  ASSERT_TRUE(shown.dialog);
  EXPECT_GE(shown.dialog->width(), DialogConventions::captionWidth(static_cast<QDialog&>(*shown.dialog))) << "the caption is shown whole";
  okMatchesTwin(
      insert, [](QWidget& d) { d.findChildren<QSpinBox*>().front()->setValue(3); },
      [](TwinHost& h) { h.insertTable = [](InsertTableDialog& t) { t.columns = 3; return true; }; },
      [](Editor& e) { e.inserttable(); });

  intoTable();
  QAction* rows = entry(QStringLiteral("Tabe&lle"), QStringLiteral("Zeilen e&infügen..."));
  cancelTwice(rows, QStringLiteral("Zeilen einfügen"));
  okMatchesTwin(
      rows, [](QWidget& d) { d.findChild<QSpinBox*>()->setValue(2); },
      [](TwinHost& h) { h.insertTableLines = [](InsertTableRowsDialog& r) { r.count = 2; return true; }; },
      [](Editor& e) { e.insertTableLines(); });

  intoTable();
  QAction* cols = entry(QStringLiteral("Tabe&lle"), QStringLiteral("Spalten ein&fügen..."));
  cancelTwice(cols, QStringLiteral("Spalten einfügen"));
  okMatchesTwin(
      cols, [](QWidget& d) { d.findChildren<QRadioButton*>().back()->setChecked(true); },
      [](TwinHost& h) { h.insertTableCols = [](InsertTableRowsDialog& r) { r.after = true; return true; }; },
      [](Editor& e) { e.InsertTableCols(false); });

  intoTable();
  QAction* cells = entry(QStringLiteral("Tabe&lle"), QStringLiteral("Zellen &formatieren..."));
  cancelTwice(cells, QStringLiteral("Zellen formatieren"));
  okMatchesTwin(
      cells, [](QWidget& d) { as<TableCellDialog>(d).presetButton(0)->click(); },
      [](TwinHost& h) {
        h.tableCell = [](TTableCellForm& f) {
          f.presetOhne();
          return true;
        };
      },
      [](Editor& e) { e.Zellenformatieren(); });
}

TEST_F(DialogWalkTest, FieldDialogs) {
  selectHallo();
  QAction* field = entry(QStringLiteral("&Einfügen"), QStringLiteral("F&eld..."));
  cancelTwice(field, QStringLiteral("Feld einfügen"));
  okMatchesTwin(
      field, [](QWidget& d) { as<FeldEinfuegenForm>(d).nameList()->setCurrentRow(1); },
      [](TwinHost& h) { h.feldEinfuegen = [](FeldEinfuegenDialog& f) { f.entry = 1; return true; }; },
      [](Editor& e) { e.FeldEinfuegen(); });

  QAction* date = entry(QStringLiteral("&Einfügen"), QStringLiteral("&Datum und Uhrzeit..."));
  cancelTwice(date, QStringLiteral("Datum und Uhrzeit einfügen"));
  okMatchesTwin(
      date, [](QWidget& d) { as<DateTimeForm>(d).asFieldCheck()->setChecked(true); },
      [](TwinHost& h) { h.dateTime = [](DateTimeDialog& t) { t.asField = true; return true; }; },
      [](Editor& e) { e.DateTimeEinfuegen(); });

  QAction* formField = entry(QStringLiteral("&Einfügen"), QStringLiteral("F&ormularfeld..."));
  cancelTwice(formField, QStringLiteral("Formularfeld einfügen"),
              [](QWidget& d) -> QWidget* { return as<InsertFormFieldForm>(d).nameEdit(); });
  okMatchesTwin(
      formField, [](QWidget& d) { as<InsertFormFieldForm>(d).contentEdit()->setText(QStringLiteral("Grüße")); },
      [](TwinHost& h) { h.insertFormField = [](InsertFormFieldDialog& f) { f.content = "Gr\xFC\xDF" "e"; return true; }; },
      [](Editor& e) { e.FormularFeldEinfuegen(); });

  QAction* form = entry(QStringLiteral("E&xtras"), QStringLiteral("&Formulardialog..."));
  cancelTwice(form, QStringLiteral("Formulardialog"), [](QWidget& d) -> QWidget* { return as<FormDialogForm>(d).grid(); });
  okMatchesTwin(
      form, [](QWidget& d) { as<FormDialogForm>(d).grid()->item(0, 1)->setText(QStringLiteral("Tschüs")); },
      [](TwinHost& h) {
        h.formDialog = [](FormDialog& f) {
          f.rows[0].second = "Tsch\xFCs";
          return true;
        };
      },
      [](Editor& e) { e.Formulardialog(); });

  QAction* props = entry(QStringLiteral("&Datei"), QStringLiteral("&Eigenschaften..."));
  cancelTwice(props, QStringLiteral("Dokumenteigenschaften"),
              [](QWidget& d) -> QWidget* { return as<DocumentPropsForm>(d).firstEdit(); });
  okMatchesTwin(
      props, [](QWidget& d) { as<DocumentPropsForm>(d).firstEdit()->setText(QStringLiteral("Plakat für €5")); },
      [](TwinHost& h) { h.documentProps = [](DocumentPropsDialog& p) { p.props[0] = "Plakat f\xFCr \x80" "5"; return true; }; },
      [](Editor& e) { e.DokumentEigenschaften(0); });
}

TEST_F(DialogWalkTest, PageSetupSearchSpellingAndProgramDialogs) {
  QAction* pageSetup = entry(QStringLiteral("&Datei"), QStringLiteral("Seite ein&richten..."));
  cancelTwice(pageSetup, QStringLiteral("Seite einrichten"));
  const Document start = doc();
  open(pageSetup, [](QWidget& d) {
    auto& dialog = as<PageSetupDialog>(d);
    // Margins that leave no room refuse OK until mended.
    dialog.marginEdit(2)->setValue(20);
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(dialog.roomHint()->isVisible());
    dialog.marginEdit(2)->setValue(3);
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_FALSE(dialog.roomHint()->isVisible());
    test::clickButton(d, QStringLiteral("OK"));
  });
  {
    TwinHost host;
    Editor twin{host};
    twin.doc() = start;
    PageSetupValues values = currentPageSetup(start);
    values.MarginLeft = 30;
    twin.MakeCopyForUndo("Seite einrichten");
    applyPageSetup(twin.doc(), values, true);
    twin.CompleteRefresh();
    EXPECT_EQ(firstDifference(dump(), dumpDocumentJson(twin.doc())), "");
  }

  SearchForm& search = window->searchForm();
  cancelTwice(entry(QStringLiteral("&Bearbeiten"), QStringLiteral("&Suchen...")), QStringLiteral("Suchen und ersetzen"),
              [](QWidget& d) -> QWidget* { return as<SearchForm>(d).search.text; });
  cancelTwice(entry(QStringLiteral("&Bearbeiten"), QStringLiteral("&Ersetzen...")), QStringLiteral("Suchen und ersetzen"),
              [](QWidget& d) -> QWidget* { return as<SearchForm>(d).replace.text; });
  cancelTwice(entry(QStringLiteral("&Bearbeiten"), QStringLiteral("&Gehe zu...")), QStringLiteral("Suchen und ersetzen"),
              [](QWidget& d) -> QWidget* { return as<SearchForm>(d).PageEd; });
  EXPECT_EQ(search.pages->currentIndex(), 2);

  // A word the list lacks brings the spelling dialog up with the focus in
  // the suggestions, where Enter answers "Ändern".
  test::typeKeys(editor(), " Plakkat");
  QAction* spelling = entry(QStringLiteral("E&xtras"), QStringLiteral("&Gesamtes Dokument..."));
  const Shown spell = open(spelling, [](QWidget& d) {
    auto& form = as<SpellCheckForm>(d);
    EXPECT_TRUE(waitUntil([&] { return form.vorschlagbox->hasFocus(); }, 2000));
    expectMnemonics(d);
    QTest::keyClick(form.vorschlagbox, Qt::Key_Escape);
  });
  EXPECT_EQ(spell.caption, QStringLiteral("Rechtschreibprüfung"));

  cancelTwice(entry(QStringLiteral("E&xtras"), QStringLiteral("&Benutzerwörterbuch...")), QStringLiteral("Benutzerwörterbuch"));
  cancelTwice(entry(QStringLiteral("E&xtras"), QStringLiteral("&Optionen...")), QStringLiteral("Einstellungen"));
  cancelTwice(entry(QStringLiteral("&Ansicht"), QStringLiteral("&Zoom...")), QStringLiteral("Zoom"));
  cancelTwice(entry(QStringLiteral("&Hilfe"), QStringLiteral("&Info...")), QStringLiteral("Info"));

  QGuiApplication::clipboard()->setText(QStringLiteral("Plakat"));
  cancelTwice(entry(QStringLiteral("&Bearbeiten"), QStringLiteral("&Inhalte einfügen...")),
              QStringLiteral("Inhalte einfügen"));
}

// The rename dialog opens from the style manager, which stays open behind
// it; the user's own date or time pattern follows the field dialog's
// "Benutzerdefiniert".
TEST_F(DialogWalkTest, DialogsReachedThroughOthers) {
  selectHallo();
  open(entry(QStringLiteral("F&ormat"), QStringLiteral("Neue &Absatzvorlage...")), [](QWidget& d) {
    as<StyleNameDialog>(d).nameEdit()->setText(QStringLiteral("Brief"));
    test::clickButton(d, QStringLiteral("OK"));
  });
  QAction* manager = entry(QStringLiteral("F&ormat"), QStringLiteral("&Vorlagen verwalten..."));
  lead = [this] {
    // Clicked once this answer has returned: the answers' timer does not
    // fire again until then, and the rename dialog needs it.
    answers.add([](QWidget& d) {
      QTimer::singleShot(0, &as<StyleManagerDialog>(d), [&d] {
        test::clickButton(d, QStringLiteral("&Umbenennen"));
        static_cast<QDialog&>(d).reject();
      });
    });
  };
  cancelTwice(manager, QStringLiteral("Formatvorlage"), [](QWidget& d) -> QWidget* { return as<StyleNameDialog>(d).nameEdit(); });
  // A renamed style keeps its new name even when the manager is cancelled.
  okMatchesTwin(
      manager, [](QWidget& d) { as<StyleNameDialog>(d).nameEdit()->setText(QStringLiteral("Anschreiben")); },
      [](TwinHost& h) {
        h.vorlagenVerwalten = [](VorlagenVerwaltenDialog& v) {
          renameStyleEntry(v, 0, "Anschreiben");
          return false;
        };
      },
      [](Editor& e) { e.VorlagenVerwalten(); });

  const int ownPattern = static_cast<int>(fieldNameEntries(kCategoryDate, systemDateTime()).size()) - 1;
  lead = [this, ownPattern] {
    answers.add([ownPattern](QWidget& d) {
      auto& form = as<FeldEinfuegenForm>(d);
      form.categoryList()->setCurrentRow(kCategoryDate);
      form.nameList()->setCurrentRow(ownPattern);
      test::clickButton(d, QStringLiteral("OK"));
    });
  };
  QAction* field = entry(QStringLiteral("&Einfügen"), QStringLiteral("F&eld..."));
  cancelTwice(field, QStringLiteral("Benuterdefiniertes Datums- oder Zeitformat"),
              [](QWidget& d) -> QWidget* { return as<UserDateTimeForm>(d).patternEdit(); });
  okMatchesTwin(
      field,
      [](QWidget& d) {
        auto& form = as<UserDateTimeForm>(d);
        EXPECT_EQ(form.patternEdit()->text(), QStringLiteral("dd.mm.yyyy"));
        form.patternEdit()->setText(QStringLiteral("yyyy"));
        EXPECT_EQ(form.preview()->text(), QString::number(QDate::currentDate().year())) << "shown while typing";
      },
      [ownPattern](TwinHost& h) {
        h.feldEinfuegen = [ownPattern](FeldEinfuegenDialog& f) {
          f.category = kCategoryDate;
          f.entry = ownPattern;
          return true;
        };
        h.userDateTime = [](UserDateTimeDialog& u) {
          u.pattern = "yyyy";
          return true;
        };
      },
      [](Editor& e) { e.FeldEinfuegen(); });

  // The character table from the numbering dialog shows the bullet's font.
  QString bulletChosen;
  lead = [this, &bulletChosen] {
    answers.add([&bulletChosen](QWidget& d) {
      QTimer::singleShot(0, &as<NumberingDialog>(d), [&d, &bulletChosen] {
        test::clickButton(d, QStringLiteral("Zeic&hentabelle"));
        bulletChosen = as<NumberingDialog>(d).bulletEdit()->text();
        static_cast<QDialog&>(d).reject();
      });
    });
  };
  QAction* numbering = entry(QStringLiteral("F&ormat"), QStringLiteral("&Nummerierung und Aufzählungen...."));
  const std::string before = dump();
  cancelTwice(numbering, QStringLiteral("Sonderzeichen"));
  const QString unchanged = bulletChosen;
  open(numbering, [](QWidget& d) {
    auto& table = as<CharacterTableDialog>(d);
    EXPECT_EQ(table.fontBox()->currentText(), QStringLiteral("Wingdings"));
    saveScreenshot(d, QStringLiteral("Sonderzeichen Wingdings"));
    table.grid()->select('J');
    test::clickButton(d, QStringLiteral("OK"));
  });
  EXPECT_EQ(bulletChosen, QStringLiteral("J"));
  EXPECT_NE(unchanged, bulletChosen) << "Escape in the table kept the bullet";
  EXPECT_EQ(firstDifference(dump(), before), "") << "the numbering dialog was cancelled";
  lead = nullptr;
}

// The poster settings precede the print dialog; printing into a PDF file
// needs no printer. An A3 page on A4 sheets takes 2 × 2 of them, of which
// one is printed when one is chosen.
TEST_F(DialogWalkTest, PosterPrintingDialog) {
  const test::TempDir out;
  QPrinter& printer = window->printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(out.file("plakat.pdf").string()));
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                    QPageLayout::Millimeter));
  test::setPaperSize(doc(), 297.0, 420.0);
  editor().CompleteRefresh();

  QAction* print = entry(QStringLiteral("&Datei"), QStringLiteral("&Drucken..."));
  cancelTwice(print, QStringLiteral("Poster-Druckeinstellungen"));
  const std::string before = dump();
  QString report;
  open(print, [&](QWidget& d) {
    auto& poster = as<PosterPrintDialog>(d);
    poster.OnePageCheck->click();
    poster.xposed->setValue(1);
    answers.add([](QWidget& printDialog) { static_cast<QDialog&>(printDialog).accept(); });
    answers.add([&](QWidget& box) {
      report = as<QMessageBox>(box).text();
      box.close();
    });
    test::clickButton(d, QStringLiteral("OK"));
  });
  EXPECT_EQ(report, QStringLiteral("Es wurden 1 Seiten von 2 x 2 Seiten zum Drucker gesendet!"));
  EXPECT_TRUE(std::filesystem::exists(out.file("plakat.pdf")));
  EXPECT_EQ(firstDifference(dump(), before), "") << "printing leaves the document as it was";
  const Shown again = open(print, [](QWidget& d) { d.close(); });
  EXPECT_TRUE(as<PosterPrintDialog>(*again.dialog).OnePageCheck->isChecked());
  EXPECT_EQ(as<PosterPrintDialog>(*again.dialog).xposed->value(), 1);
}

// Two test scanners: the choice is offered, kept, and the next scan uses
// it with the mode and resolution chosen.
TEST_F(DialogWalkTest, ScannerDialogs) {
  test::useSaneTestScanner({"number_of_devices 2", "br_x 10", "br_y 20", "test-picture \"Solid white\""});
  QAction* choose = entry(QStringLiteral("&Datei"), QStringLiteral("Scanner wählen (TWAIN)..."));
  cancelTwice(choose, QStringLiteral("Scanner wählen"), [](QWidget& d) -> QWidget* { return d.findChild<QListWidget*>(); });
  open(choose, [](QWidget& d) {
    d.findChild<QListWidget*>()->setCurrentRow(1);
    test::clickButton(d, QStringLiteral("OK"));
  });
  const Shown kept = open(choose, [](QWidget& d) { d.close(); });
  EXPECT_TRUE(kept.states.contains(QStringLiteral("list 1"))) << kept.states.join(QLatin1Char(',')).toStdString();

  QAction* scan = entry(QStringLiteral("&Datei"), QStringLiteral("Bild scannen (TWAIN)..."));
  cancelTwice(scan, QStringLiteral("Bild scannen"), [](QWidget& d) -> QWidget* { return d.findChild<QComboBox*>(); });
  EXPECT_TRUE(doc().Pictures.empty());
  open(scan, [](QWidget& d) {
    bool named = false;
    for (const QLabel* label : d.findChildren<QLabel*>()) named |= label->text().contains(QStringLiteral("test:1"));
    EXPECT_TRUE(named) << "the chosen scanner";
    auto* modes = d.findChild<QComboBox*>();
    modes->setCurrentIndex(modes->findText(QStringLiteral("Graustufen")));
    d.findChild<QSpinBox*>()->setValue(127);
    test::clickButton(d, QStringLiteral("Scannen"));
  });
  ASSERT_TRUE(waitUntil([&] { return !doc().Pictures.empty(); }));
  EXPECT_EQ(doc().Pictures[0].width(), 50);
  EXPECT_EQ(doc().Pictures[0].Header.biBitCount, 8);
  const Shown again = open(scan, [](QWidget& d) { d.close(); });
  EXPECT_TRUE(again.states.contains(QStringLiteral("combo 1"))) << "grey is kept";
}

}  // namespace
}  // namespace vendaro
