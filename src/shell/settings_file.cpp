#include "shell/settings_file.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/byte_io.h"
#include "platform/file_io.h"

namespace vendaro {
namespace {

constexpr int kMillisecondsPerMinute = 60000;

void writeBool(ByteWriter& out, bool value) { out.u8(value ? 1 : 0); }

// Each field is assigned only when it was read whole; the reader's failure
// is sticky, so everything after a damaged field keeps its default.
class FieldReader {
 public:
  FieldReader(const uint8_t* data, size_t size) : in_(data, size) {}

  void text(std::string& target) {
    std::string value = in_.lengthPrefixed();
    if (!in_.failed()) target = std::move(value);
  }
  void number(int32_t& target) {
    const int32_t value = in_.i32();
    if (!in_.failed()) target = value;
  }
  void count(int32_t& target, int32_t low, int32_t high) {
    number(target);
    target = std::clamp(target, low, high);
  }
  void flag(bool& target) {
    const uint8_t value = in_.u8();
    if (!in_.failed()) target = value != 0;
  }
  void width(double& target) {
    const double value = in_.f64();
    if (!in_.failed() && std::isfinite(value) && value >= 0) target = value;
  }
  void list(std::vector<std::string>& target) {
    const int32_t count = in_.i32();
    if (!in_.canHold(count, sizeof(int32_t))) {
      in_.fail();
      return;
    }
    std::vector<std::string> entries;
    // Every entry is read, to reach the fields after the list, but only the
    // newest are kept.
    for (int32_t i = 0; i < count; ++i) {
      std::string entry = in_.lengthPrefixed();
      if (in_.failed()) break;
      if (i < kMaxRecentFiles) entries.push_back(std::move(entry));
    }
    target = std::move(entries);
  }

 private:
  ByteReader in_;
};

}  // namespace

std::vector<uint8_t> encodeSettings(const ProgramSettings& s) {
  ByteWriter out;
  out.lengthPrefixed(s.ReservedText);
  out.lengthPrefixed(s.UserName);
  out.lengthPrefixed(s.UserInitials);
  out.lengthPrefixed(s.UserAddress);
  out.i32(s.QuoteStyle);
  writeBool(out, s.HideFieldGuides);
  out.i32(s.MaxUndoSteps);
  for (bool flag : {s.ShowTabs, s.ShowSpaces, s.ShowParagraphMarks, s.ShowAllMarks, s.ShowRuler, s.ShowStatusBar,
                    s.ToolBar1Visible, s.ToolBar2Visible, s.ToolBar3Visible}) {
    writeBool(out, flag);
  }
  out.i32(s.TextColor);
  out.i32(s.TextBackColor);
  out.i32(s.FillColor);
  out.i32(s.LineColor);
  writeBool(out, s.TextBackNone);
  writeBool(out, s.FillNone);
  out.f64(s.LineWidth);
  writeBool(out, s.CheckWhileTyping);
  out.i32(static_cast<int32_t>(s.RecentFiles.size()));
  for (const std::string& path : s.RecentFiles) out.lengthPrefixed(path);
  out.i32(s.RecentFilesMax);
  writeBool(out, s.AutoSaveEnabled);
  out.i32(s.AutoSaveMinutes);
  writeBool(out, s.MakeBackups);
  writeBool(out, !s.ToolBar4Visible);
  return std::move(out.bytes());
}

ProgramSettings decodeSettings(const uint8_t* data, size_t size) {
  ProgramSettings s;
  FieldReader in(data, size);
  in.text(s.ReservedText);
  in.text(s.UserName);
  in.text(s.UserInitials);
  in.text(s.UserAddress);
  in.number(s.QuoteStyle);
  in.flag(s.HideFieldGuides);
  in.count(s.MaxUndoSteps, kMinUndoSteps, kMaxUndoSteps);
  for (bool* flag : {&s.ShowTabs, &s.ShowSpaces, &s.ShowParagraphMarks, &s.ShowAllMarks, &s.ShowRuler,
                     &s.ShowStatusBar, &s.ToolBar1Visible, &s.ToolBar2Visible, &s.ToolBar3Visible}) {
    in.flag(*flag);
  }
  in.number(s.TextColor);
  in.number(s.TextBackColor);
  in.number(s.FillColor);
  in.number(s.LineColor);
  in.flag(s.TextBackNone);
  in.flag(s.FillNone);
  in.width(s.LineWidth);
  in.flag(s.CheckWhileTyping);
  in.list(s.RecentFiles);
  in.count(s.RecentFilesMax, 0, kMaxRecentFiles);
  in.flag(s.AutoSaveEnabled);
  in.count(s.AutoSaveMinutes, 0, kMaxAutoSaveMinutes);
  in.flag(s.MakeBackups);
  bool toolBar4Hidden = !s.ToolBar4Visible;
  in.flag(toolBar4Hidden);
  s.ToolBar4Visible = !toolBar4Hidden;
  return s;
}

bool readSettingsFile(const std::filesystem::path& path, ProgramSettings& settings) {
  std::vector<uint8_t> bytes;
  if (!readWholeFile(path, bytes, kMaxSettingsFileBytes)) return false;
  settings = decodeSettings(bytes.data(), bytes.size());
  return true;
}

bool writeSettingsFile(const std::filesystem::path& path, const ProgramSettings& settings) {
  return writeFileAtomically(path, encodeSettings(settings));
}

int recoveryTimerIntervalMs(const ProgramSettings& settings) {
  if (settings.AutoSaveMinutes <= 0) return 0;
  constexpr int kLongestMinutes = std::numeric_limits<int>::max() / kMillisecondsPerMinute;
  return std::min(settings.AutoSaveMinutes, kLongestMinutes) * kMillisecondsPerMinute;
}

}  // namespace vendaro
