#include "platform/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;

// Sets or clears an environment variable for one test and restores it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(Paths, ProgramDirFromEnvironmentOrBesideTheExecutable) {
  {
    ScopedEnv env("VENDARO_PROGRAM_DIR", "/opt/vendaro-daten");
    EXPECT_EQ(ProgramDir(), fs::path("/opt/vendaro-daten"));
  }
  // The test runs from the build's bin folder, where the build writes the
  // start template: that folder is the program folder.
  ScopedEnv env("VENDARO_PROGRAM_DIR", "");
  const fs::path dir = ProgramDir();
  EXPECT_EQ(dir, fs::read_symlink("/proc/self/exe").parent_path());
  EXPECT_TRUE(fs::exists(dir / "normal.lpw"));
}

TEST(Paths, UserConfigDirPrefersOverrideThenXdgThenHome) {
  test::TempDir temp;
  ScopedEnv home("HOME", temp.path().c_str());
  {
    ScopedEnv config("VENDARO_CONFIG_DIR", (temp.path() / "eigen").c_str());
    EXPECT_EQ(UserConfigDir(), temp.path() / "eigen");
    EXPECT_TRUE(fs::is_directory(temp.path() / "eigen"));
  }
  ScopedEnv noConfig("VENDARO_CONFIG_DIR", nullptr);
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", (temp.path() / "xdg").c_str());
    EXPECT_EQ(UserConfigDir(), temp.path() / "xdg" / "vendaro");
    EXPECT_TRUE(fs::is_directory(temp.path() / "xdg" / "vendaro"));
  }
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "relativ/ungueltig");
    EXPECT_EQ(UserConfigDir(), temp.path() / ".config" / "vendaro");
  }
  ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(UserConfigDir(), temp.path() / ".config" / "vendaro");
  EXPECT_TRUE(fs::is_directory(temp.path() / ".config" / "vendaro"));
}

}  // namespace
}  // namespace vendaro
