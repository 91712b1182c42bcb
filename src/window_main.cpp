// window_main.cpp — the window program, started by vendaro for the window
// and for --render-png; started directly it takes every option as well.
#include <cstdio>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/page_image.h"
#include "app/qt_raster_target.h"
#include "platform/heap_pages.h"
#include "shell/command_line.h"

int main(int argc, char** argv) {
  vendaro::reserveHeapOnLargePages();
  const std::vector<std::string> args(argv + 1, argv + argc);
  vendaro::installRasterTarget();
  if (vendaro::isHeadlessCommand(args)) return vendaro::runHeadlessCommand(args, vendaro::renderPagePng);
  if (!vendaro::windowDisplayAvailable()) {
    std::fprintf(stderr, "%s\n", vendaro::kNoDisplayMessage);
    return 1;
  }
  return vendaro::runApplication(argc, argv);
}
