#include "shell/window_command_line.h"

#include <system_error>

namespace vendaro {

std::vector<StartFile> parseWindowCommandLine(const std::vector<std::string>& args) {
  std::vector<StartFile> files;
  bool print = false;
  for (const std::string& arg : args) {
    if (arg == "/P" || arg == "/p") {
      print = true;
      continue;
    }
    if (arg.empty()) continue;
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(arg, error);
    files.push_back({error ? std::filesystem::path(arg) : path, print});
  }
  return files;
}

}  // namespace vendaro
