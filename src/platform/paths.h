// paths.h — where the program finds its read-only data (ProgramDir) and
// where it writes what belongs to the user (the configuration folder).
#pragma once

#include <filesystem>

namespace vendaro {

// Read-only data: $VENDARO_PROGRAM_DIR when set; else the executable's own
// folder when it holds the data (build tree); else <prefix>/share/vendaro.
std::filesystem::path ProgramDir();
// settings.dat, user.spe, recovery files: $VENDARO_CONFIG_DIR when set, else
// $XDG_CONFIG_HOME/vendaro, else ~/.config/vendaro. Created on first use.
std::filesystem::path UserConfigDir();

}  // namespace vendaro
