// main.cpp — the vendaro executable. Headless commands run here, without
// the window libraries, so that a script does not wait for them to load;
// the window and --render-png (which draws with the front end) are handed
// on to the window program beside this one, with the same arguments.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/heap_pages.h"
#include "shell/command_line.h"

namespace {

bool needsWindowProgram(const std::vector<std::string>& args) {
  return !vendaro::isHeadlessCommand(args) || args.front() == "--render-png" ||
         vendaro::commandNeedsRasterTarget(args);
}

#ifdef VENDARO_WINDOW_PROGRAM
// Returns only when the window program could not be started, with the
// reason as an errno value.
int runWindowProgram(char** argv, std::filesystem::path& program) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return error.value();
  program = self.parent_path() / VENDARO_WINDOW_PROGRAM;
  char* const own = argv[0];
  argv[0] = const_cast<char*>(program.c_str());
  ::execv(program.c_str(), argv);
  argv[0] = own;
  return errno;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  vendaro::reserveHeapOnLargePages();
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!needsWindowProgram(args)) return vendaro::runHeadlessCommand(args);
#ifdef VENDARO_WINDOW_PROGRAM
  if (!vendaro::isHeadlessCommand(args) && !vendaro::windowDisplayAvailable()) {
    std::fprintf(stderr, "%s\n", vendaro::kNoDisplayMessage);
    return 1;
  }
  std::filesystem::path program;
  const int reason = runWindowProgram(argv, program);
  // Without the window program a dump or conversion still runs here, only
  // without metafile pictures drawn.
  if (vendaro::isHeadlessCommand(args) && args.front() != "--render-png") return vendaro::runHeadlessCommand(args);
  std::fprintf(stderr, "Konnte %s nicht starten: %s\n", program.c_str(), std::strerror(reason));
  return 1;
#else
  if (vendaro::isHeadlessCommand(args)) return vendaro::runHeadlessCommand(args);
  std::fputs(vendaro::usageText().c_str(), stderr);
  return 2;
#endif
}
