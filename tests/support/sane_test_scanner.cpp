// sane_test_scanner.cpp — one configuration folder per test process: SANE
// looks up its folder once, so later tests only rewrite the files in it.
#include "support/sane_test_scanner.h"

#include <dlfcn.h>

#include <cstdlib>

#include "support/temp_dir.h"

namespace vendaro::test {

void useSaneTestScanner(const std::vector<std::string>& settings, bool present) {
  static TempDir folder;
  // SANE unloads its drivers when it stops. The test scanner's stays loaded,
  // so that the leak checker can still name it at exit.
  static void* driver = dlopen(VENDARO_SANE_DRIVER_DIR "/libsane-test.so.1", RTLD_NOW | RTLD_NODELETE);
  (void)driver;
  setenv("SANE_CONFIG_DIR", folder.path().c_str(), 1);
  writeFileBytes(folder.file("dll.conf"), present ? "test\n" : "");
  std::string lines;
  for (const std::string& line : settings) lines += line + "\n";
  writeFileBytes(folder.file("test.conf"), lines);
}

}  // namespace vendaro::test
