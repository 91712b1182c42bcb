// main.cpp — the vendaro executable: headless options for scripts and tests,
// otherwise the window.
#include <cstdio>
#include <string>
#include <vector>

#include "shell/command_line.h"

#ifdef VENDARO_WITH_GUI
#include "app/application.h"
#include "app/page_image.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
#ifdef VENDARO_WITH_GUI
  if (vendaro::isHeadlessCommand(args)) return vendaro::runHeadlessCommand(args, vendaro::renderPagePng);
  if (!vendaro::windowDisplayAvailable()) {
    std::fprintf(stderr, "%s\n", vendaro::kNoDisplayMessage);
    return 1;
  }
  return vendaro::runApplication(argc, argv);
#else
  if (vendaro::isHeadlessCommand(args)) return vendaro::runHeadlessCommand(args);
  std::fputs(vendaro::usageText().c_str(), stderr);
  return 2;
#endif
}
