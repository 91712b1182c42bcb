// window_command_line.h — the command line of the window program: the files
// to open at start, in order; "/P" (in any case) marks every file after it
// to be printed once it is open.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vendaro {

struct StartFile {
  std::filesystem::path path;  // made absolute, so that recent files stay valid
  bool print = false;
};

std::vector<StartFile> parseWindowCommandLine(const std::vector<std::string>& args);

}  // namespace vendaro
