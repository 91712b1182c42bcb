// editor_host.h — everything an editor needs from the world around it:
// message boxes, status bar panels, the window caption, repaint requests.
// The Qt window implements it; tests and the command line use their own.
#pragma once

#include <string>

namespace vendaro {

enum class MessageIcon { none, information, warning, error, question };

// Status bar panels of the main window.
enum StatusPanel : int { kPanelPage = 0, kPanelLine = 1, kPanelOverwrite = 2, kPanelActivity = 3 };

class EditorHost {
 public:
  virtual ~EditorHost() = default;

  // Shows a German message; most messages have no caption.
  virtual void showMessage(const std::string& text, MessageIcon icon, const std::string& caption = {}) = 0;
  virtual void setStatusText(int panel, const std::string& text) = 0;
  // Lets pending window messages run (the status text shows during long work).
  virtual void processPendingEvents() {}
  virtual void setCaption(const std::string& caption) = 0;
  // The file menu shows the modified state and the recent files.
  virtual void fileMenuChanged() {}
  virtual void requestRepaint() {}
  // Scrolls the view so that the caret can be seen (after the repaint).
  virtual void scrollCaretIntoView() {}
};

}  // namespace vendaro
