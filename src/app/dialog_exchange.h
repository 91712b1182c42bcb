// dialog_exchange.h — the round trip of a dialog that works on a plain
// struct: filled from it, shown modally, and read back into it only on OK.
#pragma once

#include <QDialog>

namespace vendaro {

template <typename Dialog, typename Values>
bool exchangeValues(Dialog& dialog, Values& values) {
  dialog.fill(values);
  if (dialog.exec() != QDialog::Accepted) return false;
  values = dialog.values();
  return true;
}

}  // namespace vendaro
