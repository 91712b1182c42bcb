#include "app/field_menu_entries.h"

#include <QAction>
#include <QMenu>

#include <functional>
#include <vector>

#include "app/main_menus.h"
#include "app/main_window.h"
#include "editing/editor.h"
#include "shell/shell.h"

namespace vendaro {
namespace {

using Command = std::function<void(Editor&)>;

// Runs `command` on the active document's editor; the tool bar then follows
// the caret, which the command moved.
void runOnActiveEditor(MainWindow& main, const Command& command) {
  ShellDocument* document = main.activeDocument();
  if (!document) return;
  command(document->editor());
  if (main.activeDocument() == document) document->editor().SmallOvertakeFont();
}

bool caretInText(MainWindow& main) {
  ShellDocument* document = main.activeDocument();
  if (!document) return false;
  const Document& doc = document->editor().doc();
  return doc.CurField >= 0 && doc.CurField < doc.FieldCount() &&
         doc.Fields[static_cast<size_t>(doc.CurField)].FieldType <= kFieldTextBox;
}

QAction* entry(QMenu* menu, QAction* before, const QString& caption, MainWindow& main, Command command) {
  auto* action = new QAction(caption, menu);
  QObject::connect(action, &QAction::triggered, menu, [&main, command] { runOnActiveEditor(main, command); });
  menu->insertAction(before, action);
  return action;
}

}  // namespace

void addFieldMenuEntries(MainMenus& menus, MainWindow& main) {
  QAction* properties = entry(menus.fileMenu, menus.pageSetupAction, QStringLiteral("&Eigenschaften..."), main,
                              [](Editor& e) { e.DokumentEigenschaften(0); });
  QObject::connect(menus.fileMenu, &QMenu::aboutToShow, properties,
                   [properties, &main] { properties->setEnabled(main.activeDocument() != nullptr); });

  QMenu* insert = menus.insertMenu;
  insert->addSeparator();
  const std::vector<QAction*> textEntries{
      entry(insert, nullptr, QStringLiteral("&Datum und Uhrzeit..."), main, [](Editor& e) { e.DateTimeEinfuegen(); }),
      entry(insert, nullptr, QStringLiteral("F&eld..."), main, [](Editor& e) { e.FeldEinfuegen(); }),
      entry(insert, nullptr, QStringLiteral("F&ormularfeld..."), main, [](Editor& e) { e.FormularFeldEinfuegen(); }),
      entry(insert, nullptr, QStringLiteral("&Fu\u00dfnote"), main, [](Editor& e) { e.FussnoteEinfuegen(); })};
  QObject::connect(insert, &QMenu::aboutToShow, insert, [textEntries, &main] {
    for (QAction* action : textEntries) action->setEnabled(caretInText(main));
  });

  entry(menus.extrasMenu, menus.optionsAction, QStringLiteral("&W\u00f6rter z\u00e4hlen..."), main,
        [](Editor& e) { e.DokumentEigenschaften(1); });
  entry(menus.extrasMenu, menus.optionsAction, QStringLiteral("&Formulardialog..."), main,
        [](Editor& e) { e.Formulardialog(); });
  menus.extrasMenu->insertSeparator(menus.optionsAction);
}

}  // namespace vendaro
