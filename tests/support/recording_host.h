// recording_host.h — an editor host for tests that remembers what the editor
// asked of the window: messages, status texts, captions, repaints.
#pragma once

#include <string>
#include <vector>

#include "editing/editor_host.h"

namespace vendaro::test {

class RecordingHost : public EditorHost {
 public:
  struct Message {
    std::string text;
    MessageIcon icon;
  };

  void showMessage(const std::string& text, MessageIcon icon, const std::string& = {}) override {
    messages.push_back({text, icon});
  }
  void setStatusText(int panel, const std::string& text) override {
    statusTexts.push_back(std::to_string(panel) + ":" + text);
  }
  void setCaption(const std::string& text) override { caption = text; }
  void requestRepaint() override { ++repaints; }
  void scrollCaretIntoView() override { ++caretScrolls; }

  std::vector<Message> messages;
  std::vector<std::string> statusTexts;
  std::string caption;
  int repaints = 0;
  int caretScrolls = 0;
};

}  // namespace vendaro::test
