// shell_host.h — what the shell needs from the main window beyond an editor
// host's messages, status bar and dialogs: editor windows to put documents
// in, and printing without a dialog.
#pragma once

#include "editing/editor_host.h"

namespace vendaro {

class Editor;
class ShellDocument;

class ShellHost : public EditorHost {
 public:
  // A new editor window, not yet shown. The shell builds the document's
  // editor on it; the editor may report to it before showDocumentWindow.
  virtual EditorHost& createDocumentWindow() = 0;
  // The document is ready: show its window maximised and set up its view.
  // A new document (`fromTemplate`) goes on to the page set-up dialog.
  virtual void showDocumentWindow(ShellDocument& document, bool fromTemplate) = 0;
  // The document's editor is gone; the window is to be closed and freed.
  virtual void destroyDocumentWindow(EditorHost& window) = 0;
  // Prints the document at once with the current printer ("/P").
  virtual void printWithoutDialog(Editor& editor) = 0;
};

}  // namespace vendaro
