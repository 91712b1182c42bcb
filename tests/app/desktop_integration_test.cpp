// Registering the program with the desktop: written for the user only when
// no installation provides it, pointing at the running executable, and
// never twice.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/desktop_integration.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;

class DesktopIntegrationTest : public testing::Test {
 protected:
  DesktopFolders folders() const {
    return {dir.path() / "data", {dir.path() / "system"}, dir.path() / "config"};
  }
  void write(const std::string& relative, const std::string& text) const {
    fs::create_directories((dir.path() / relative).parent_path());
    test::writeFileBytes(dir.path() / relative, text);
  }
  test::TempDir dir;
};

TEST_F(DesktopIntegrationTest, RegistersOnceForTheUser) {
  const fs::path program = "/opt/my tools/vendaro";
  const DesktopRegistration first = registerDesktopIntegration(folders(), program);
  EXPECT_TRUE(first.entryWritten);
  EXPECT_TRUE(first.mimeTypeWritten);
  EXPECT_TRUE(first.defaultSet);
  const std::string entry = test::readFileBytes(dir.path() / "data/applications/vendaro.desktop");
  EXPECT_NE(entry.find("Exec=\"/opt/my tools/vendaro\" %F\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("Exec=\"/opt/my tools/vendaro\" /P %F\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("MimeType=application/x-lumen-praxiva;"), std::string::npos);
  const std::string mime = test::readFileBytes(dir.path() / "data/mime/packages/vendaro.xml");
  EXPECT_NE(mime.find("<comment>Lumen-Praxiva Dokument</comment>"), std::string::npos);
  EXPECT_NE(mime.find("<glob pattern=\"*.lpx\"/>"), std::string::npos);
  EXPECT_EQ(test::readFileBytes(dir.path() / "config/mimeapps.list"),
            "[Default Applications]\napplication/x-lumen-praxiva=vendaro.desktop\n");
  // The icons the entry and the type name are there for the user too.
  EXPECT_TRUE(first.iconsWritten);
  EXPECT_NE(entry.find("Icon=vendaro\n"), std::string::npos);
  EXPECT_NE(mime.find("<icon name=\"application-x-lumen-praxiva\"/>"), std::string::npos);
  for (const char* icon : {"apps/vendaro.svg", "mimetypes/application-x-lumen-praxiva.svg"})
    EXPECT_NE(test::readFileBytes(dir.path() / "data/icons/hicolor/scalable" / icon).find("<svg"), std::string::npos)
        << icon;

  const DesktopRegistration again = registerDesktopIntegration(folders(), program);
  EXPECT_FALSE(again.entryWritten || again.mimeTypeWritten || again.iconsWritten || again.defaultSet);
  // Another executable brings the user's entry up to date, but the user's
  // choice of default stays.
  const DesktopRegistration moved = registerDesktopIntegration(folders(), "/usr/bin/vendaro");
  EXPECT_TRUE(moved.entryWritten);
  EXPECT_FALSE(moved.defaultSet);
}

TEST_F(DesktopIntegrationTest, AnInstallationLeavesTheUserAlone) {
  write("system/applications/vendaro.desktop", "[Desktop Entry]\n");
  write("system/mime/packages/vendaro.xml", "<mime-info/>\n");
  const DesktopRegistration done = registerDesktopIntegration(folders(), "/usr/bin/vendaro");
  EXPECT_FALSE(done.entryWritten || done.mimeTypeWritten || done.iconsWritten || done.defaultSet);
  EXPECT_FALSE(fs::exists(dir.path() / "data"));
}

TEST_F(DesktopIntegrationTest, AnExistingDefaultsSectionGetsTheTypeAdded) {
  write("config/mimeapps.list", "[Default Applications]\ntext/plain=gedit.desktop\n");
  registerDesktopIntegration(folders(), "/usr/bin/vendaro");
  EXPECT_EQ(test::readFileBytes(dir.path() / "config/mimeapps.list"),
            "[Default Applications]\napplication/x-lumen-praxiva=vendaro.desktop\ntext/plain=gedit.desktop\n");
}

TEST(DesktopEntry, QuotesWhatTheExecKeyReserves) {
  const std::string entry = desktopEntryFor("Exec=vendaro %F\nExec=vendarox\n", "/a \"b\"/$c\\d");
  EXPECT_EQ(entry, "Exec=\"/a \\\\\"b\\\\\"/\\\\$c\\\\\\\\d\" %F\nExec=vendarox\n");
}

}  // namespace
}  // namespace vendaro
