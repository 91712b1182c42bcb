// recording_host.h — an editor host for tests that remembers what the editor
// asked of the window: messages, status texts, captions, repaints; and that
// answers the formatting dialogs by script.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editing/editor_host.h"

namespace vendaro::test {

class RecordingHost : public EditorHost {
 public:
  struct Message {
    std::string text;
    MessageIcon icon;
    std::string caption = {};
  };

  void showMessage(const std::string& text, MessageIcon icon, const std::string& caption = {}) override {
    messages.push_back({text, icon, caption});
  }
  void setStatusText(int panel, const std::string& text) override {
    statusTexts.push_back(std::to_string(panel) + ":" + text);
  }
  void setCaption(const std::string& text) override { caption = text; }
  void requestRepaint() override { ++repaints; }
  void dragMarksChanged() override { ++dragMarks; }
  void scrollCaretIntoView() override { ++caretScrolls; }

  // A dialog answer edits what the command filled in and says OK (true);
  // without an answer the dialog is cancelled. `dialogsShown` counts them.
  template <typename Dialog>
  using Answer = std::function<bool(Dialog&)>;
  Answer<ZeichenDialog> zeichen;
  Answer<AbsatzDialog> absatz;
  Answer<TabulatorDialog> tabulator;
  Answer<NummerierungDialog> nummerierung;
  Answer<SpaltenDialog> spalten;
  Answer<VorlagenNameDialog> vorlagenName;
  Answer<VorlagenVerwaltenDialog> vorlagenVerwalten;
  Answer<InsertTableDialog> insertTable;
  Answer<InsertTableRowsDialog> insertTableLines;
  Answer<InsertTableRowsDialog> insertTableCols;
  Answer<TTableCellForm> tableCell;
  Answer<FeldEinfuegenDialog> feldEinfuegen;
  Answer<UserDateTimeDialog> userDateTime;
  Answer<DateTimeDialog> dateTime;
  Answer<InsertFormFieldDialog> insertFormField;
  Answer<FormDialog> formDialog;
  Answer<DocumentPropsDialog> documentProps;
  bool showFeldEinfuegenDialog(FeldEinfuegenDialog& d) override { return answer(feldEinfuegen, d); }
  bool showUserDateTimeDialog(UserDateTimeDialog& d) override { return answer(userDateTime, d); }
  bool showDateTimeDialog(DateTimeDialog& d) override { return answer(dateTime, d); }
  bool showInsertFormFieldDialog(InsertFormFieldDialog& d) override { return answer(insertFormField, d); }
  bool showFormDialog(FormDialog& d) override { return answer(formDialog, d); }
  bool showDocumentPropsDialog(DocumentPropsDialog& d) override { return answer(documentProps, d); }
  bool showZeichenDialog(ZeichenDialog& d) override { return answer(zeichen, d); }
  bool showAbsatzDialog(AbsatzDialog& d) override { return answer(absatz, d); }
  bool showTabulatorDialog(TabulatorDialog& d) override { return answer(tabulator, d); }
  bool showNummerierungDialog(NummerierungDialog& d) override { return answer(nummerierung, d); }
  bool showSpaltenDialog(SpaltenDialog& d) override { return answer(spalten, d); }
  bool showVorlagenNameDialog(VorlagenNameDialog& d) override { return answer(vorlagenName, d); }
  bool showVorlagenVerwaltenDialog(VorlagenVerwaltenDialog& d) override { return answer(vorlagenVerwalten, d); }
  bool showInsertTableDialog(InsertTableDialog& d) override { return answer(insertTable, d); }
  bool showInsertTableLinesDialog(InsertTableRowsDialog& d) override { return answer(insertTableLines, d); }
  bool showInsertTableColsDialog(InsertTableRowsDialog& d) override { return answer(insertTableCols, d); }
  bool showTableCellDialog(TTableCellForm& d) override { return answer(tableCell, d); }
  Answer<FeldFormatDialog> feldFormat;
  Answer<GrafikPropsDialog> grafikProps;
  bool showFeldFormatDialog(FeldFormatDialog& d) override { return answer(feldFormat, d); }
  bool showGrafikPropsDialog(GrafikPropsDialog& d) override { return answer(grafikProps, d); }
  // The open dialog chooses `openFile` (UTF-8); an empty name cancels it.
  std::string openFile;
  FileDialogState lastOpenDialog;
  bool showOpenDialog(FileDialogState& d) override {
    ++dialogsShown;
    lastOpenDialog = d;
    d.fileName = openFile;
    return !openFile.empty();
  }
  ObjectStyle objectStyle;
  ObjectStyle newObjectStyle() override { return objectStyle; }
  void toolbarFontChanged(const ToolbarFontState& state) override { toolbarStates.push_back(state); }
  DateTime currentDateTime() override { return clock; }

  // The fixed time date fields and inserted dates show: Saturday 7 March
  // 2026, 09:05:04.003.
  DateTime clock{2026, 3, 7, 9, 5, 4, 3, 6};

  std::vector<Message> messages;
  std::vector<ToolbarFontState> toolbarStates;
  int dialogsShown = 0;
  std::vector<std::string> statusTexts;
  std::string caption;
  int repaints = 0;
  int dragMarks = 0;
  int caretScrolls = 0;

 private:
  template <typename Dialog>
  bool answer(const Answer<Dialog>& script, Dialog& dialog) {
    ++dialogsShown;
    return script && script(dialog);
  }
};

}  // namespace vendaro::test
