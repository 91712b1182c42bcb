#include "shell/headless_host.h"

#include <cstdio>

namespace vendaro {

void HeadlessHost::showMessage(const std::string& text, MessageIcon, const std::string& caption) {
  if (!caption.empty()) std::fprintf(stderr, "%s: ", caption.c_str());
  std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace vendaro
