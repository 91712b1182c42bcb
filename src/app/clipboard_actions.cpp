#include "app/clipboard_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "app/main_window.h"
#include "app/qt_clipboard.h"
#include "editing/clipboard_enabling.h"
#include "editing/editor.h"
#include "shell/shell.h"

namespace vendaro {

ClipboardActions::ClipboardActions(QMenu& menu, MainWindow& main) : QObject(&menu), main_(main) {
  auto command = [this](auto run) {
    return [this, run] {
      if (ShellDocument* document = main_.activeDocument()) run(document->editor());
    };
  };
  cutAction = menu.addAction(QStringLiteral("&Ausschneiden"), this, command([](Editor& e) { e.KopierenInZwischenAblage(true); }));
  cutAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
  copyAction = menu.addAction(QStringLiteral("&Kopieren"), this, command([](Editor& e) { e.KopierenInZwischenAblage(false); }));
  copyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  pasteAction = menu.addAction(QStringLiteral("&Einfügen"), this, command([](Editor& e) { e.EinfuegenAusZwischenAblage(0); }));
  pasteAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  pasteSpecialAction = menu.addAction(QStringLiteral("&Inhalte einfügen..."), this,
                                      command([](Editor& e) { e.InhalteEinfuegenAusZwischenAblage(); }));
  connect(&menu, &QMenu::aboutToShow, this, &ClipboardActions::menuOpens);
  connect(&menu, &QMenu::aboutToHide, this, &ClipboardActions::menuCloses);
  menuCloses();
}

void ClipboardActions::menuOpens() {
  ShellDocument* document = main_.activeDocument();
  const Document* active = document ? &document->editor().doc() : nullptr;
  const ClipboardCommandsEnabled enabled = clipboardCommandsEnabled(active, active ? QtClipboard::formats() : std::nullopt);
  cutAction->setEnabled(enabled.cut);
  copyAction->setEnabled(enabled.copy);
  pasteAction->setEnabled(enabled.paste);
  pasteSpecialAction->setEnabled(enabled.pasteSpecial);
}

void ClipboardActions::menuCloses() {
  for (QAction* action : {cutAction, copyAction, pasteAction, pasteSpecialAction}) action->setEnabled(true);
}

}  // namespace vendaro
