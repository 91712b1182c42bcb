// message_boxes.h — the program's German message boxes: messages with their
// icon, and the Yes/No/Cancel question (the unsaved-changes question).
#pragma once

#include <string>

#include "editing/editor_host.h"

class QWidget;

namespace vendaro {

// An empty caption shows the program's name, as the title bar needs one.
void showMessageBox(QWidget* parent, const std::string& text, MessageIcon icon, const std::string& caption);
// "&Ja", "&Nein", "Abbrechen" with the question icon; closing the box cancels.
QuestionAnswer askYesNoCancelBox(QWidget* parent, const std::string& text, const std::string& caption);
// "&Ja" and "&Nein" with the warning icon; true for yes.
bool askYesNoBox(QWidget* parent, const std::string& text, const std::string& caption);

}  // namespace vendaro
