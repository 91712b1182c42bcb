#include "app/standard_toolbar.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/zoom_controls.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

QIcon themed(const char* name, QStyle::StandardPixmap fallback, const QStyle* style) {
  return QIcon::fromTheme(QString::fromLatin1(name), style->standardIcon(fallback));
}

}  // namespace

StandardToolbar::StandardToolbar(MainWindow& main) : QToolBar(QStringLiteral("Standartleiste"), &main), main_(main) {
  setObjectName(QStringLiteral("Standartleiste"));
  addFileButtons();
  addSeparator();
  addEditButtons();
  addSeparator();
  zoomBox_ = new ZoomBox([this](const QString& text) { main_.applyZoomText(text); }, this);
  main_.menus().commands().add(addWidget(zoomBox_), CommandNeed::document);
}

void StandardToolbar::addFileButtons() {
  MainMenus& menus = main_.menus();
  menus.newAction->setIcon(themed("document-new", QStyle::SP_FileIcon, style()));
  menus.openAction->setIcon(themed("document-open", QStyle::SP_DialogOpenButton, style()));
  menus.saveAction->setIcon(themed("document-save", QStyle::SP_DialogSaveButton, style()));
  addAction(menus.newAction);
  addAction(menus.openAction);
  addAction(menus.saveAction);
  addSeparator();
  printAction_ = menus.commands().command(nullptr, "Drucken", CommandNeed::document, [this] { main_.FastPrinting1Click(); });
  printAction_->setIcon(themed("document-print", QStyle::SP_ComputerIcon, style()));
  addAction(printAction_);
  menus.pageViewAction->setIcon(themed("document-print-preview", QStyle::SP_FileDialogContentsView, style()));
  addAction(menus.pageViewAction);
}

void StandardToolbar::addEditButtons() {
  MainMenus& menus = main_.menus();
  menus.cutAction->setIcon(QIcon::fromTheme(QStringLiteral("edit-cut")));
  menus.copyAction->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy")));
  menus.pasteAction->setIcon(QIcon::fromTheme(QStringLiteral("edit-paste")));
  addAction(menus.cutAction);
  addAction(menus.copyAction);
  addAction(menus.pasteAction);
  addSeparator();
  undoButton_ = addHistoryButton(themed("edit-undo", QStyle::SP_ArrowBack, style()), false);
  redoButton_ = addHistoryButton(themed("edit-redo", QStyle::SP_ArrowForward, style()), true);
  addSeparator();
  notPrintableAction_ = menus.commands().command(nullptr, "Nicht druckbare Zeichen anzeigen", CommandNeed::nothing,
                                                 [this] { main_.toggleShowAllMarks(); });
  notPrintableAction_->setText(QStringLiteral("¶"));
  notPrintableAction_->setToolTip(QStringLiteral("Nicht druckbare Zeichen anzeigen"));
  notPrintableAction_->setCheckable(true);
  addAction(notPrintableAction_);
}

// The list is read from the history as it opens.
QToolButton* StandardToolbar::addHistoryButton(const QIcon& icon, bool redo) {
  auto* button = new QToolButton(this);
  button->setIcon(icon);
  button->setPopupMode(QToolButton::MenuButtonPopup);
  auto* steps = new QMenu(button);
  button->setMenu(steps);
  const auto restore = [this, redo](int32_t k) {
    main_.menus().editorCommand([redo, k](Editor& e) {
      if (redo) e.RestoreBeforeRestoreCopyFromUndo(k);
      else e.RestoreCopyFromUndo(k);
    });
  };
  connect(button, &QToolButton::clicked, this, [restore] { restore(0); });
  connect(steps, &QMenu::aboutToShow, this, [this, steps, redo, restore] {
    steps->clear();
    ShellDocument* document = main_.activeDocument();
    if (!document) return;
    const UndoHistory& history = document->editor().undoHistory();
    const std::vector<std::string> names = redo ? history.redoPopup() : history.undoPopup();
    for (size_t k = 0; k < names.size(); ++k)
      steps->addAction(QString::fromStdString(names[k]), this, [restore, k] { restore(static_cast<int32_t>(k)); });
  });
  addWidget(button);
  button->setEnabled(false);
  return button;
}

void StandardToolbar::showUndoHints(const UndoControl& undo, const UndoControl& redo) {
  undoButton_->setEnabled(undo.enabled);
  undoButton_->setToolTip(QString::fromStdString(undo.text));
  redoButton_->setEnabled(redo.enabled);
  redoButton_->setToolTip(QString::fromStdString(redo.text));
}

}  // namespace vendaro
