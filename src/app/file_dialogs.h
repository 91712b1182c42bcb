// file_dialogs.h — the open and save dialogs the shell asks for: its filter
// list shown as Qt name filters, the chosen filter counted from 1, the path
// in UTF-8, and the question before a file is replaced, in German.
#pragma once

#include "editing/editor_host.h"

class QWidget;

namespace vendaro {

bool runOpenDialog(QWidget* parent, FileDialogState& dialog);
bool runSaveDialog(QWidget* parent, FileDialogState& dialog);

}  // namespace vendaro
