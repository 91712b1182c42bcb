// qt_clipboard.h — the system clipboard for the editor: the program's own
// stream under its MIME type, text as UTF-8 with LF line ends, and images
// handed over as 24-bit device-independent bitmaps.
#pragma once

#include <QImage>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editing/editor_host.h"

namespace vendaro {

inline constexpr char kFormattedTextMimeType[] = "application/x-tormelformatedtext10";

class QtClipboard {
 public:
  // Asks the clipboard's owner what it offers; only when a menu opens or a
  // paste starts, since an owner that does not answer holds the caller up.
  static std::optional<ClipboardFormats> formats();
  static bool place(const ClipboardContents& contents);
  static bool formattedText(std::vector<uint8_t>& stream);
  // Code page 1252; characters it lacks become "?".
  static bool text(std::string& cp1252);
  static bool bitmap(std::vector<uint8_t>& dib);

  // A packed 24-bit DIB of `image`: transparency over white, the dots per
  // metre kept. Empty when the image is null or too large to hold.
  static std::vector<uint8_t> dibOfImage(const QImage& image);
};

}  // namespace vendaro
