#include "editing/date_time_pattern.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <ctime>

namespace vendaro {
namespace {

// Names are part of the program, not of the process locale, so that a
// document shows the same German text on every machine (code page 1252).
constexpr std::array<const char*, 7> kDayNames{"Sonntag", "Montag", "Dienstag", "Mittwoch",
                                               "Donnerstag", "Freitag", "Samstag"};
constexpr std::array<const char*, 7> kShortDayNames{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
constexpr std::array<const char*, 12> kMonthNames{"Januar", "Februar", "M\xE4rz", "April", "Mai", "Juni",
                                                  "Juli", "August", "September", "Oktober", "November", "Dezember"};
constexpr std::array<const char*, 12> kShortMonthNames{"Jan", "Feb", "M\xE4r", "Apr", "Mai", "Jun",
                                                       "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool startsWithAmPm(std::string_view text) {
  static constexpr std::string_view kAmPm = "am/pm";
  if (text.size() < kAmPm.size()) return false;
  for (size_t i = 0; i < kAmPm.size(); ++i)
    if (lower(text[i]) != kAmPm[i]) return false;
  return true;
}

bool hasAmPm(std::string_view pattern) {
  for (size_t i = 0; i < pattern.size(); ++i)
    if (startsWithAmPm(pattern.substr(i))) return true;
  return false;
}

std::string padded(int64_t value, int digits) {
  std::string text = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(text.size()) < digits) text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
  return value < 0 ? "-" + text : text;
}

size_t runLength(std::string_view pattern, size_t at, size_t most) {
  size_t n = 1;
  while (at + n < pattern.size() && n < most && lower(pattern[at + n]) == lower(pattern[at])) ++n;
  return n;
}

class Formatter {
 public:
  Formatter(std::string_view pattern, const DateTime& when)
      : pattern_(pattern), when_(clamped(when)), twelveHour_(hasAmPm(pattern)) {}

  std::string run() {
    size_t at = 0;
    while (at < pattern_.size()) at = step(at);
    return out_;
  }

 private:
  static DateTime clamped(DateTime t) {
    t.month = std::clamp(t.month, 1, 12);
    t.day = std::clamp(t.day, 1, 31);
    t.hour = std::clamp(t.hour, 0, 23);
    t.minute = std::clamp(t.minute, 0, 59);
    t.second = std::clamp(t.second, 0, 59);
    t.millisecond = std::clamp(t.millisecond, 0, 999);
    t.weekday = std::clamp(t.weekday, 0, 6);
    return t;
  }

  // Formats the element at `at` and returns where the next one starts.
  size_t step(size_t at) {
    const char c = pattern_[at];
    if (c == '"' || c == '\'') return quoted(at);
    if (startsWithAmPm(pattern_.substr(at))) {
      const std::string_view written = pattern_.substr(at, 5);
      out_ += when_.hour < 12 ? written.substr(0, 2) : written.substr(3, 2);
      lastWasHour_ = false;
      return at + 5;
    }
    switch (lower(c)) {
      case 'd': return letters(at, 4, [this](size_t n) { day(n); });
      case 'm': return letters(at, 4, [this](size_t n) { monthOrMinute(n); });
      case 'y': return letters(at, 4, [this](size_t n) { out_ += n <= 2 ? padded(when_.year % 100, 2) : padded(when_.year, 4); });
      case 'h': return hourLetters(at);
      case 'n': return letters(at, 2, [this](size_t n) { out_ += padded(when_.minute, static_cast<int>(n)); });
      case 's': return letters(at, 2, [this](size_t n) { out_ += padded(when_.second, static_cast<int>(n)); });
      case 'z': return letters(at, 3, [this](size_t n) { out_ += padded(when_.millisecond, n == 1 ? 1 : 3); });
      default: out_ += c; return at + 1;
    }
  }

  template <typename Emit>
  size_t letters(size_t at, size_t most, Emit emit) {
    const size_t n = runLength(pattern_, at, most);
    emit(n);
    lastWasHour_ = false;
    return at + n;
  }

  size_t hourLetters(size_t at) {
    const size_t n = runLength(pattern_, at, 2);
    int hour = when_.hour;
    if (twelveHour_) hour = hour % 12 == 0 ? 12 : hour % 12;
    out_ += padded(hour, static_cast<int>(n));
    lastWasHour_ = true;
    return at + n;
  }

  // Quoted text is copied without its quotes; an open quote runs to the end.
  size_t quoted(size_t at) {
    const size_t close = pattern_.find(pattern_[at], at + 1);
    const size_t end = close == std::string_view::npos ? pattern_.size() : close;
    out_ += pattern_.substr(at + 1, end - at - 1);
    return close == std::string_view::npos ? end : end + 1;
  }

  void day(size_t n) {
    if (n <= 2) out_ += padded(when_.day, static_cast<int>(n));
    else out_ += (n == 3 ? kShortDayNames : kDayNames)[static_cast<size_t>(when_.weekday)];
  }

  void monthOrMinute(size_t n) {
    if (lastWasHour_ && n <= 2) {
      out_ += padded(when_.minute, static_cast<int>(n));
      return;
    }
    const auto index = static_cast<size_t>(when_.month - 1);
    if (n <= 2) out_ += padded(when_.month, static_cast<int>(n));
    else out_ += (n == 3 ? kShortMonthNames : kMonthNames)[index];
  }

  std::string_view pattern_;
  DateTime when_;
  bool twelveHour_;
  // Whether the nearest pattern letter before (separators and quoted text
  // do not count) was an hour: an "m" then means the minute.
  bool lastWasHour_ = false;
  std::string out_;
};

}  // namespace

DateTime systemDateTime() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto sinceEpoch = now.time_since_epoch();
  const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
  return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                  local.tm_sec, static_cast<int32_t>(millis), local.tm_wday};
}

std::string formatDateTime(std::string_view pattern, const DateTime& when) { return Formatter(pattern, when).run(); }

}  // namespace vendaro
