#include "app/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <filesystem>

#include "app/message_boxes.h"
#include "shell/file_dispatch.h"

namespace vendaro {
namespace {

// "Alle Dokumente" + "*.doc;*.lpx" → "Alle Dokumente (*.doc *.lpx)"; a
// description that names its patterns already stays as it is. "*.*" means
// every file, also those without a dot.
QString nameFilter(const FileDialogFilter& filter) {
  QString patterns = QString::fromStdString(filter.patterns).replace(QLatin1Char(';'), QLatin1Char(' '));
  if (patterns == QLatin1String("*.*")) patterns = QStringLiteral("*");
  const QString description = QString::fromStdString(filter.description);
  if (description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))) return description;
  const int open = description.lastIndexOf(QLatin1Char('('));
  const QString shown = open > 0 && description.endsWith(QLatin1Char(')')) ? description.left(open).trimmed() : description;
  return shown + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

bool runDialog(QWidget* parent, FileDialogState& state, bool save) {
  QStringList filters;
  for (const FileDialogFilter& filter : state.filters) filters << nameFilter(filter);
  QFileDialog dialog(parent, save ? QStringLiteral("Speichern unter") : QStringLiteral("Öffnen"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
  dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("&Speichern") : QStringLiteral("Ö&ffnen"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
  dialog.setNameFilters(filters);
  for (qsizetype i = 0; i < filters.size(); ++i)
    if (state.filters[static_cast<size_t>(i)].index == state.filterIndex) dialog.selectNameFilter(filters[i]);
  if (!state.fileName.empty()) dialog.selectFile(QString::fromStdString(state.fileName));

  for (;;) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString chosen = dialog.selectedFiles().constFirst();
    const qsizetype shown = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
    const int32_t filter = state.filters.empty() ? 0 : state.filters[static_cast<size_t>(shown)].index;
    if (save && state.confirmOverwrite) {
      const std::filesystem::path written = withSaveFilterExtension(chosen.toStdString(), filter);
      if (QFileInfo::exists(QString::fromStdString(written.string()))) {
        const std::string question = written.filename().string() + " ist bereits vorhanden.\nMöchten Sie sie ersetzen?";
        if (!askYesNoBox(&dialog, question, "Speichern unter")) continue;
      }
    }
    state.fileName = chosen.toStdString();
    state.filterIndex = filter;
    return true;
  }
}

}  // namespace

bool runOpenDialog(QWidget* parent, FileDialogState& dialog) { return runDialog(parent, dialog, false); }
bool runSaveDialog(QWidget* parent, FileDialogState& dialog) { return runDialog(parent, dialog, true); }

}  // namespace vendaro
