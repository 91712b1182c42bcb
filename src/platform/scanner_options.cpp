// scanner_options.cpp — finds the standard SANE options by name and sets
// them to the closest value their constraint allows. Descriptors are looked
// up afresh for every setting, as setting one may change the others.
#include "platform/scanner_options.h"

#include <sane/saneopts.h>
#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vendaro::scanning {

namespace {

constexpr const char* kErrMode = "Der Scanner kann in der gewählten Betriebsart nicht scannen.";

struct Option {
  SANE_Int index;
  const SANE_Option_Descriptor* descriptor;
};

std::optional<Option> findOption(SANE_Handle handle, const char* name) {
  SANE_Int count = 0;
  if (sane_control_option(handle, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD) return {};
  for (SANE_Int i = 1; i < count; ++i) {
    const SANE_Option_Descriptor* d = sane_get_option_descriptor(handle, i);
    if (d && d->name && std::string(d->name) == name && SANE_OPTION_IS_ACTIVE(d->cap) &&
        SANE_OPTION_IS_SETTABLE(d->cap))
      return Option{i, d};
  }
  return {};
}

bool isNumber(const SANE_Option_Descriptor& d) {
  return (d.type == SANE_TYPE_INT || d.type == SANE_TYPE_FIXED) && d.size == sizeof(SANE_Word);
}

double toDouble(const SANE_Option_Descriptor& d, SANE_Word word) {
  return d.type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : double(word);
}

SANE_Word toWord(const SANE_Option_Descriptor& d, double value) {
  return d.type == SANE_TYPE_FIXED ? SANE_FIX(value) : SANE_Word(std::lround(value));
}

// The allowed value nearest `wanted`, in the option's own units.
SANE_Word nearestAllowed(const SANE_Option_Descriptor& d, double wanted) {
  if (d.constraint_type == SANE_CONSTRAINT_WORD_LIST && d.constraint.word_list && d.constraint.word_list[0] > 0) {
    const SANE_Word* list = d.constraint.word_list;
    SANE_Word best = list[1];
    for (SANE_Int i = 1; i <= list[0]; ++i)
      if (std::fabs(toDouble(d, list[i]) - wanted) < std::fabs(toDouble(d, best) - wanted)) best = list[i];
    return best;
  }
  SANE_Word word = toWord(d, wanted);
  if (d.constraint_type == SANE_CONSTRAINT_RANGE && d.constraint.range) {
    const SANE_Range& range = *d.constraint.range;
    if (range.max < range.min) return range.min;
    int64_t value = std::clamp<int64_t>(word, range.min, range.max);
    if (range.quant > 0)
      value = range.min + (value - range.min + range.quant / 2) / range.quant * int64_t(range.quant);
    word = SANE_Word(std::min<int64_t>(value, range.max));
  }
  return word;
}

bool setNumber(SANE_Handle handle, const char* name, double wanted, double* taken = nullptr) {
  const std::optional<Option> option = findOption(handle, name);
  if (!option || !isNumber(*option->descriptor)) return false;
  SANE_Word word = nearestAllowed(*option->descriptor, wanted);
  if (sane_control_option(handle, option->index, SANE_ACTION_SET_VALUE, &word, nullptr) != SANE_STATUS_GOOD)
    return false;
  // The driver may round further; what it reports back is what it scans at.
  if (taken && sane_control_option(handle, option->index, SANE_ACTION_GET_VALUE, &word, nullptr) == SANE_STATUS_GOOD)
    *taken = toDouble(*option->descriptor, word);
  return true;
}

std::optional<double> numberValue(SANE_Handle handle, const char* name) {
  const std::optional<Option> option = findOption(handle, name);
  SANE_Word word = 0;
  if (!option || !isNumber(*option->descriptor) ||
      sane_control_option(handle, option->index, SANE_ACTION_GET_VALUE, &word, nullptr) != SANE_STATUS_GOOD)
    return {};
  return toDouble(*option->descriptor, word);
}

bool offersNumber(const SANE_Option_Descriptor& d, double value) {
  return nearestAllowed(d, value) == toWord(d, value);
}

// Sets the mode to the first of `names` the scanner lists. Without a mode
// option the scanner has a single mode, which is taken as it is.
enum class ModeResult { set, notOffered, noModeOption };

ModeResult setMode(SANE_Handle handle, const std::vector<const char*>& names) {
  const std::optional<Option> option = findOption(handle, SANE_NAME_SCAN_MODE);
  if (!option) return ModeResult::noModeOption;
  const SANE_Option_Descriptor& d = *option->descriptor;
  if (d.type != SANE_TYPE_STRING || d.constraint_type != SANE_CONSTRAINT_STRING_LIST || !d.constraint.string_list ||
      d.size <= 0)
    return ModeResult::noModeOption;
  for (const char* name : names) {
    for (const SANE_String_Const* offered = d.constraint.string_list; *offered; ++offered) {
      if (strcasecmp(*offered, name) != 0) continue;
      std::vector<char> value(size_t(d.size), '\0');
      std::string(*offered).copy(value.data(), value.size() - 1);
      return sane_control_option(handle, option->index, SANE_ACTION_SET_VALUE, value.data(), nullptr) ==
                     SANE_STATUS_GOOD
                 ? ModeResult::set
                 : ModeResult::notOffered;
    }
  }
  return ModeResult::notOffered;
}

bool setLineArt(SANE_Handle handle) {
  if (setMode(handle, {SANE_VALUE_SCAN_MODE_LINEART, "Binary"}) == ModeResult::set) return true;
  if (setMode(handle, {SANE_VALUE_SCAN_MODE_GRAY, "Grey"}) == ModeResult::notOffered) return false;
  const std::optional<Option> depth = findOption(handle, SANE_NAME_BIT_DEPTH);
  return depth && isNumber(*depth->descriptor) && offersNumber(*depth->descriptor, 1) &&
         setNumber(handle, SANE_NAME_BIT_DEPTH, 1);
}

bool setGreyOrColour(SANE_Handle handle, ScanMode mode) {
  const std::vector<const char*> names = mode == ScanMode::grey
                                             ? std::vector<const char*>{SANE_VALUE_SCAN_MODE_GRAY, "Grey"}
                                             : std::vector<const char*>{SANE_VALUE_SCAN_MODE_COLOR, "RGB"};
  if (setMode(handle, names) == ModeResult::notOffered) return false;
  // A depth of one bit left from line art would make grey black and white;
  // other depths are the scanner's choice (16 bits are reduced to 8).
  if (numberValue(handle, SANE_NAME_BIT_DEPTH) == 1.0) setNumber(handle, SANE_NAME_BIT_DEPTH, 8);
  return true;
}

}  // namespace

const char* applyScanSettings(SANE_Handle handle, ScanMode mode, int dotsPerInch, double& actualDotsPerInch) {
  const bool modeSet = mode == ScanMode::lineArt ? setLineArt(handle) : setGreyOrColour(handle, mode);
  if (!modeSet) return kErrMode;
  actualDotsPerInch = 0;
  if (!setNumber(handle, SANE_NAME_SCAN_RESOLUTION, dotsPerInch, &actualDotsPerInch))
    actualDotsPerInch = numberValue(handle, SANE_NAME_SCAN_RESOLUTION).value_or(0);
  return nullptr;
}

}  // namespace vendaro::scanning
