// date_time_pattern.h — formats a date and time by a pattern of letters as
// date and time fields show them: day, month and year, hour, minute, second,
// millisecond, a twelve-hour clock and quoted text, with German names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vendaro {

// A local date and time. `weekday` counts from Sunday (0) to Saturday (6).
struct DateTime {
  int32_t year = 2000, month = 1, day = 1;
  int32_t hour = 0, minute = 0, second = 0, millisecond = 0;
  int32_t weekday = 6;
  bool operator==(const DateTime&) const = default;
};

// The host's clock, read as local time.
DateTime systemDateTime();

// The date and time as `pattern` shows them, in code page 1252. Letters are
// read without regard to case: d/dd day, ddd/dddd day name, m/mm month (the
// minute right after an hour letter), mmm/mmmm month name, yy/yyyy year,
// h/hh hour, n/nn minute, s/ss second, z/zzz millisecond, am/pm (as written)
// for a twelve-hour clock; text in single or double quotes is copied, as is
// every other character. Values out of their range are shown clamped.
std::string formatDateTime(std::string_view pattern, const DateTime& when);

}  // namespace vendaro
