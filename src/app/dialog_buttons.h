// dialog_buttons.h — the OK and "Abbrechen" buttons every dialog of the
// program ends with, labelled in German whatever language Qt speaks.
#pragma once

class QDialog;
class QDialogButtonBox;

namespace vendaro {

QDialogButtonBox* okCancelButtons(QDialog& dialog);

}  // namespace vendaro
