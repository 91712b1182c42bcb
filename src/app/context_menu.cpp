#include "app/context_menu.h"

#include <QAction>
#include <QMenu>
#include <QPoint>

#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/table_menu.h"
#include "editing/spelling_actions.h"
#include "spelling/spelling_menu.h"

namespace vendaro {
namespace {

void addSpellingItems(QMenu& menu, Editor& editor, const MisspeltWord& word) {
  const std::vector<std::string> suggestions = spellingSuggestions(editor, word.text);
  for (const SpellingMenuItem& item : buildSpellingMenu(suggestions)) {
    if (item.action == SpellingMenuAction::Separator) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(fromCp1252(item.caption));
    switch (item.action) {
      case SpellingMenuAction::LearnWord:
        QObject::connect(action, &QAction::triggered, [&editor, word] { LearnActualWord(editor, word); });
        break;
      case SpellingMenuAction::IgnoreWord:
        QObject::connect(action, &QAction::triggered, [&editor, word] { IgnorActualWord(editor, word); });
        break;
      case SpellingMenuAction::UseSuggestion:
        if (const std::optional<std::string> replacement = suggestionForTag(suggestions, item.tag)) {
          QObject::connect(action, &QAction::triggered,
                           [&editor, word, text = *replacement] { CorrectActualWord(editor, word, text); });
        }
        break;
      case SpellingMenuAction::Separator: break;
    }
  }
}

}  // namespace

void fillEditorContextMenu(QMenu& menu, MainWindow& main, Editor& editor) {
  main.menus().refresh();
  // Marks stay on the text while the check is off, but are not shown then.
  if (main.shell().settings().CheckWhileTyping) {
    if (const std::optional<MisspeltWord> word = misspeltWordAtCaret(editor.doc())) addSpellingItems(menu, editor, *word);
  }
  menu.addAction(main.menus().deleteSelectionAction);
  menu.addSeparator();
  main.menus().tableMenu->addContextEntries(menu);
}

void showEditorContextMenu(MainWindow& main, Editor& editor, QWidget* parent, const QPoint& globalPos) {
  QMenu menu(parent);
  fillEditorContextMenu(menu, main, editor);
  menu.exec(globalPos);
}

}  // namespace vendaro
