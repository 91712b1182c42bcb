// settings_fuzz.cpp — feeds arbitrary bytes to the reader of "settings.dat":
// whatever it makes of them must write out as a file that reads back the
// same, and the recovery timer's period must stay sensible.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "shell/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vendaro::ProgramSettings read = vendaro::decodeSettings(data, size);
  const std::vector<uint8_t> written = vendaro::encodeSettings(read);
  const vendaro::ProgramSettings again = vendaro::decodeSettings(written.data(), written.size());
  if (!(again == read)) std::abort();
  if (vendaro::encodeSettings(again) != written) std::abort();
  if (vendaro::recoveryTimerIntervalMs(read) < 0) std::abort();
  return 0;
}
