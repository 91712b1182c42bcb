#include "app/document_toolbars.h"

#include <QAction>

#include "app/colour_buttons.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/toolbar_icons.h"
#include "editing/editor.h"

namespace vendaro {

DrawingToolbar::DrawingToolbar(MainWindow& main) : QToolBar(QStringLiteral("Zeichnenleiste"), &main) {
  setObjectName(QStringLiteral("Zeichnenleiste"));
  MainMenus& menus = main.menus();
  CommandRegistry& commands = menus.commands();
  for (const InsertModeEntry& entry : kInsertModes) {
    QAction* action = commands.command(nullptr, entry.tip, CommandNeed::document, menus.insertModeCommand(entry.mode));
    action->setIcon(insertModeIcon(entry.mode));
    addAction(action);
  }
  addSeparator();
  ProgramSettings& settings = main.shell().settings();
  fillButton_ = new ColourButton(ColourButtonKind::fill, QStringLiteral("Hintergrundfarbe"),
                                 {&settings.FillColor, &settings.FillNone}, [&main] { main.AktiviereBkColor(); }, this);
  lineColourButton_ = new ColourButton(ColourButtonKind::line, QStringLiteral("Linienfarbe"),
                                       {&settings.LineColor, nullptr}, [&main] { main.AktiviereLineColor(); }, this);
  lineWidthButton_ = new LineWidthButton(&settings.LineWidth, [&main] { main.SetLineWidth(); }, this);
  for (QWidget* button : {static_cast<QWidget*>(fillButton_), static_cast<QWidget*>(lineColourButton_),
                          static_cast<QWidget*>(lineWidthButton_)})
    commands.add(addWidget(button), CommandNeed::document);
}

SpacingToolbar::SpacingToolbar(MainWindow& main) : QToolBar(QStringLiteral("Format erweitert"), &main) {
  setObjectName(QStringLiteral("Format erweitert"));
  MainMenus& menus = main.menus();
  struct Spacing {
    const char* tip;
    void (Editor::*command)();
  };
  static constexpr Spacing kSpacings[] = {{"Einfacher Zeilenabstand", &Editor::ZeilenAbstandEinfach},
                                          {"1,5 Zeilen Abstand", &Editor::ZeilenAbstandEinEinhalbfach},
                                          {"Doppelter Zeilenabstand", &Editor::ZeilenAbstandZweifach}};
  for (int step = 0; step < 3; ++step) {
    QAction* action = menus.commands().command(nullptr, kSpacings[step].tip, CommandNeed::textFrame,
                                               menus.editorCommand(kSpacings[step].command));
    action->setIcon(lineSpacingIcon(step));
    addAction(action);
  }
}

}  // namespace vendaro
