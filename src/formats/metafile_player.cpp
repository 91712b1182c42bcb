#include "formats/metafile_player.h"

#include <algorithm>

namespace vendaro::metafile {

PlayReport play(std::span<const uint8_t> bytes, const Header& header, Canvas& canvas, FontEngine& fonts,
                const CanvasRect& target) {
  return header.kind == Kind::wmf ? playWmf(bytes, header, canvas, fonts, target)
                                  : playEmf(bytes, header, canvas, fonts, target);
}

void noteUnknown(PlayReport& report, uint32_t type) {
  constexpr size_t kKeptTypes = 64;
  if (report.unknownTypes.size() < kKeptTypes &&
      std::find(report.unknownTypes.begin(), report.unknownTypes.end(), type) == report.unknownTypes.end()) {
    report.unknownTypes.push_back(type);
  }
}

}  // namespace vendaro::metafile
