// settings_file.h — the program's settings and their file "settings.dat":
// binary, little-endian, no header, the fields in a fixed order. Reading is
// bounded: a short or damaged file keeps the defaults for what it lacks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/limits.h"

namespace vendaro {

inline constexpr char kSettingsFileName[] = "settings.dat";

// What the main window keeps for all documents. The user information is
// code page 1252 text (fields put it into documents); paths are UTF-8.
struct ProgramSettings {
  std::string ReservedText;  // written back unchanged; nothing reads it
  std::string UserName, UserInitials, UserAddress;
  int32_t QuoteStyle = 1;  // 0 neutral, 1 German, 2 Swiss, 3 French, 4 English
  bool HideFieldGuides = false;
  int32_t MaxUndoSteps = 10;
  bool ShowTabs = false, ShowSpaces = false, ShowParagraphMarks = false, ShowAllMarks = false;
  bool ShowRuler = true;
  bool ShowStatusBar = true;
  bool ToolBar1Visible = true;  // "Formatleiste"
  bool ToolBar2Visible = true;  // "Standartleiste"
  bool ToolBar3Visible = true;  // "Zeichnenleiste"
  int32_t TextColor = 0;
  int32_t TextBackColor = 0xFFFFFF;
  int32_t FillColor = 0xFFFFFF;
  int32_t LineColor = 0;
  bool TextBackNone = true;
  bool FillNone = false;
  double LineWidth = 0.75;  // points
  bool CheckWhileTyping = true;
  std::vector<std::string> RecentFiles;  // most recent first
  int32_t RecentFilesMax = 4;
  bool AutoSaveEnabled = true;
  int32_t AutoSaveMinutes = 8;
  bool MakeBackups = false;
  bool ToolBar4Visible = true;  // "Format erweitert"; the file stores "hidden"

  bool operator==(const ProgramSettings&) const = default;
};

// The options dialog's ranges. A file holding more is brought back into
// them as it is read: a list of a million recent files would otherwise
// become a menu of a million items.
inline constexpr int32_t kMaxRecentFiles = 1000;
inline constexpr int32_t kMinUndoSteps = 1, kMaxUndoSteps = 1000;
inline constexpr int32_t kMaxAutoSaveMinutes = 1000;

std::vector<uint8_t> encodeSettings(const ProgramSettings& settings);
// Takes the fields in file order until the bytes end or one is damaged (a
// negative or too long length); that field and all after it keep their
// defaults. A recent-file list cut short keeps the entries read whole; of a
// longer one the newest kMaxRecentFiles are kept. The counts of the options
// dialog are clamped to its ranges.
ProgramSettings decodeSettings(const uint8_t* data, size_t size);

// False when the file cannot be read or is larger than the limit above;
// `settings` is then left alone.
bool readSettingsFile(const std::filesystem::path& path, ProgramSettings& settings);
// Replaces the file only when all of it could be written.
bool writeSettingsFile(const std::filesystem::path& path, const ProgramSettings& settings);

// The recovery timer's period; 0 means no timer (a period of no minutes,
// which a damaged file can hold, must not fire without pause).
int recoveryTimerIntervalMs(const ProgramSettings& settings);

}  // namespace vendaro
