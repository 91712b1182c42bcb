// paths.cpp — locates the read-only data beside the executable or in the
// installed share folder, and the user's writable configuration folder.
#include "platform/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace vendaro {
namespace {

namespace fs = std::filesystem;

// An environment variable counts only when it is set and not empty, the way
// shells treat `VAR=` as unset.
const char* environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

fs::path homeDir() {
  if (const char* home = environmentValue("HOME")) return home;
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return entry->pw_dir;
  }
  // No home at all (a bare service account): the working folder is the only
  // place left that we may write to.
  return fs::current_path();
}

}  // namespace

fs::path ProgramDir() {
  if (const char* dir = environmentValue("VENDARO_PROGRAM_DIR")) return dir;

  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (error) return fs::current_path();
  const fs::path exeDir = executable.parent_path();
  // The start template is part of every data set, so its presence tells a
  // build tree (data written beside the executables) from an installation.
  if (fs::exists(exeDir / "normal.lpw", error)) return exeDir;
  return (exeDir / ".." / "share" / "vendaro").lexically_normal();
}

fs::path UserConfigDir() {
  fs::path dir;
  if (const char* configured = environmentValue("VENDARO_CONFIG_DIR")) {
    dir = configured;
  } else if (const char* xdg = environmentValue("XDG_CONFIG_HOME");
             xdg != nullptr && fs::path(xdg).is_absolute()) {
    // Relative XDG paths are invalid by the base directory rules and ignored.
    dir = fs::path(xdg) / "vendaro";
  } else {
    dir = homeDir() / ".config" / "vendaro";
  }
  // A folder that cannot be created is not an error here: the first write
  // into it fails and reports the file name to the user.
  std::error_code ignored;
  fs::create_directories(dir, ignored);
  return dir;
}

}  // namespace vendaro
