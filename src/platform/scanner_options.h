// scanner_options.h — sets an open SANE scanner's mode, bit depth and
// resolution from what the user asked, within what the scanner offers.
#pragma once

#include <sane/sane.h>

#include "platform/scanner.h"

namespace vendaro::scanning {

// Line art is the scanner's own line-art mode or, failing that, grey at one
// bit. The resolution becomes the nearest one the scanner allows. Returns a
// German message when the scanner cannot scan in `mode`, else null;
// `actualDotsPerInch` is the resolution the scanner took (0 when it has no
// resolution setting).
const char* applyScanSettings(SANE_Handle handle, ScanMode mode, int dotsPerInch, double& actualDotsPerInch);

}  // namespace vendaro::scanning
