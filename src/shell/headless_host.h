// headless_host.h — the editor host of the command line: messages go to
// standard error, everything that would touch a window is ignored.
#pragma once

#include "editing/editor_host.h"

namespace vendaro {

class HeadlessHost : public EditorHost {
 public:
  void showMessage(const std::string& text, MessageIcon icon, const std::string& caption = {}) override;
  void setStatusText(int, const std::string&) override {}
  void setCaption(const std::string&) override {}
};

}  // namespace vendaro
