#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include <sys/stat.h>

#include "shell/settings_file.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

int32_t int32At(const std::vector<uint8_t>& bytes, size_t at) {
  int32_t value = 0;
  if (at + 4 <= bytes.size()) std::memcpy(&value, bytes.data() + at, 4);  // a little-endian machine
  return value;
}

ProgramSettings everythingChanged() {
  ProgramSettings s;
  s.ReservedText = "frei";
  s.UserName = "J\xFCrgen M\xFCller";
  s.UserAddress = "Hauptstra\xDF" "e 1\r\n12345 Stadt";
  s.QuoteStyle = 3, s.MaxUndoSteps = 250, s.RecentFilesMax = 9, s.AutoSaveMinutes = 15;
  s.HideFieldGuides = s.ShowTabs = s.ShowSpaces = s.ShowParagraphMarks = s.ShowAllMarks = true;
  s.ShowRuler = s.ShowStatusBar = s.ToolBar1Visible = s.ToolBar2Visible = s.ToolBar3Visible = false;
  s.TextColor = 0x0000FF, s.TextBackColor = 0x00FF00, s.FillColor = 0x123456, s.LineColor = 0x654321;
  s.TextBackNone = s.CheckWhileTyping = s.AutoSaveEnabled = s.ToolBar4Visible = false;
  s.FillNone = s.MakeBackups = true;
  s.LineWidth = 2.25;
  s.RecentFiles = {"/home/a/Brief.lpx", "/tmp/Notiz.txt"};
  return s;
}

TEST(SettingsFile, DefaultsAreWrittenAsSeventySixBytesInFieldOrder) {
  const ProgramSettings defaults;
  EXPECT_EQ(recoveryTimerIntervalMs(defaults), 480000);
  const std::vector<uint8_t> bytes = encodeSettings(defaults);
  ASSERT_EQ(bytes.size(), 76u);
  EXPECT_EQ(int32At(bytes, 16), 1);         // QuoteStyle after four empty strings
  EXPECT_EQ(int32At(bytes, 21), 10);        // MaxUndoSteps after HideFieldGuides
  EXPECT_EQ(bytes[29], 1);                  // ShowRuler
  EXPECT_EQ(int32At(bytes, 38), 0xFFFFFF);  // TextBackColor
  double width;
  std::memcpy(&width, &bytes[52], 8);
  EXPECT_EQ(width, 0.75);
  EXPECT_EQ(int32At(bytes, 61), 0);  // no recent files
  EXPECT_EQ(int32At(bytes, 65), 4);
  EXPECT_EQ(int32At(bytes, 70), 8);
  EXPECT_EQ(bytes[75], 0);  // "Format erweitert" not hidden
  EXPECT_EQ(decodeSettings(bytes.data(), bytes.size()), defaults);

  ProgramSettings s;  // no minutes: no timer that fires without pause
  s.AutoSaveMinutes = -5;
  EXPECT_EQ(recoveryTimerIntervalMs(s), 0);
  s.AutoSaveMinutes = 0x7FFFFFFF;
  EXPECT_GT(recoveryTimerIntervalMs(s), 0);
}

TEST(SettingsFile, EveryFieldSurvivesTheFile) {
  test::TempDir dir;
  const ProgramSettings changed = everythingChanged();
  ASSERT_TRUE(writeSettingsFile(dir.file("settings.dat"), changed));
  EXPECT_EQ(test::readFileBytes(dir.file("settings.dat")).back(), 1);  // hidden
  ProgramSettings read;
  ASSERT_TRUE(readSettingsFile(dir.file("settings.dat"), read));
  EXPECT_EQ(read, changed);
  EXPECT_FALSE(readSettingsFile(dir.file("fehlt.dat"), read));
  EXPECT_EQ(read, changed);
}

TEST(SettingsFile, ADamagedFileKeepsTheDefaultsFromTheDamageOn) {
  const ProgramSettings changed = everythingChanged();
  const std::vector<uint8_t> whole = encodeSettings(changed);
  for (size_t length = 0; length < whole.size(); ++length) {
    EXPECT_TRUE(decodeSettings(whole.data(), length).ToolBar4Visible) << length;
  }
  // Cut inside the second recent file: the first is kept.
  const ProgramSettings cut = decodeSettings(whole.data(), whole.size() - 11 - 3);
  EXPECT_EQ(cut.RecentFiles, std::vector<std::string>{"/home/a/Brief.lpx"});

  // A negative length or an impossible count stops the reading there.
  std::vector<uint8_t> bad = encodeSettings(ProgramSettings{});
  bad[7] = 0xFF;  // UserName
  EXPECT_EQ(decodeSettings(bad.data(), bad.size()), ProgramSettings{});
  bad = encodeSettings(changed);
  const size_t count = 61 + changed.ReservedText.size() + changed.UserName.size() + changed.UserAddress.size();
  ASSERT_EQ(int32At(bad, count), 2);
  bad[count + 3] = 0x7F;
  const ProgramSettings huge = decodeSettings(bad.data(), bad.size());
  EXPECT_TRUE(huge.RecentFiles.empty());
  EXPECT_FALSE(huge.CheckWhileTyping);
  EXPECT_TRUE(huge.AutoSaveEnabled);
}

// Another program (or another copy of this one gone wrong) can leave any
// numbers there; the menu and the undo history are sized from them.
TEST(SettingsFile, ListsAndCountsBeyondTheOptionsRangesAreBroughtIntoThem) {
  test::TempDir dir;
  ProgramSettings flooded = everythingChanged();
  flooded.RecentFiles.clear();
  for (int i = 0; i < 100000; ++i) flooded.RecentFiles.push_back(std::to_string(i));
  flooded.RecentFilesMax = 5000000;
  flooded.MaxUndoSteps = -7;
  flooded.AutoSaveMinutes = 0x7FFFFFFF;
  ASSERT_TRUE(writeSettingsFile(dir.file("settings.dat"), flooded));
  ProgramSettings read;
  ASSERT_TRUE(readSettingsFile(dir.file("settings.dat"), read));
  ASSERT_EQ(read.RecentFiles.size(), static_cast<size_t>(kMaxRecentFiles));
  EXPECT_EQ(read.RecentFiles.front(), "0");  // the newest
  EXPECT_EQ(read.RecentFiles.back(), std::to_string(kMaxRecentFiles - 1));
  EXPECT_EQ(read.RecentFilesMax, kMaxRecentFiles);
  EXPECT_EQ(read.MaxUndoSteps, kMinUndoSteps);
  EXPECT_EQ(read.AutoSaveMinutes, kMaxAutoSaveMinutes);
  EXPECT_EQ(read.ToolBar4Visible, flooded.ToolBar4Visible);  // the fields after the list are read
  EXPECT_EQ(read.MakeBackups, flooded.MakeBackups);
}

// Settings are read at every start: a pipe or a huge file in their place
// must neither block nor fill the memory.
TEST(SettingsFile, PipesAndOversizedFilesLeaveTheSettingsAlone) {
  test::TempDir dir;
  ProgramSettings settings;
  settings.UserName = "bleibt";
  ASSERT_EQ(::mkfifo(dir.file("settings.dat").c_str(), 0600), 0);
  EXPECT_FALSE(readSettingsFile(dir.file("settings.dat"), settings));
  std::filesystem::remove(dir.file("settings.dat"));
  std::vector<uint8_t> bytes = encodeSettings(everythingChanged());
  bytes.resize(kMaxSettingsFileBytes + 1);
  test::writeFileBytes(dir.file("settings.dat"), std::string(bytes.begin(), bytes.end()));
  EXPECT_FALSE(readSettingsFile(dir.file("settings.dat"), settings));
  EXPECT_EQ(settings.UserName, "bleibt");
}

}  // namespace
}  // namespace vendaro
