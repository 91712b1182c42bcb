// qt_translations.h — German words for what Qt draws itself: the columns and
// buttons of the file dialogs, standard buttons and context menus of edit
// fields. The program's own texts are German already.
#pragma once

class QTranslator;

namespace vendaro {

// Loads Qt's German catalogue from the system's Qt translations folder.
// False when it is not installed; Qt's English texts then stay.
bool loadGermanQtTranslations(QTranslator& translator);

}  // namespace vendaro
