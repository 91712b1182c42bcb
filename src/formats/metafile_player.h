// metafile_player.h — plays a WMF or EMF file onto a Canvas, the picture's
// frame stretched over a rectangle of the canvas. Every record is checked
// against its own length; a record that cannot be carried out is counted
// and skipped, and the rest of the picture still draws.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "formats/metafile_records.h"
#include "platform/canvas.h"
#include "platform/font_engine.h"

namespace vendaro::metafile {

struct PlayReport {
  uint32_t records = 0;
  uint32_t failed = 0;                  // damaged or impossible records
  std::vector<uint32_t> unknownTypes;   // record types not understood, each once
};

PlayReport play(std::span<const uint8_t> bytes, const Header& header, Canvas& canvas, FontEngine& fonts,
                const CanvasRect& target);

// What the WMF and EMF players share.
class Painter;
PlayReport playWmf(std::span<const uint8_t> bytes, const Header& header, Canvas& canvas, FontEngine& fonts,
                   const CanvasRect& target);
PlayReport playEmf(std::span<const uint8_t> bytes, const Header& header, Canvas& canvas, FontEngine& fonts,
                   const CanvasRect& target);
void noteUnknown(PlayReport& report, uint32_t type);

// The records that draw a bitmap, and those that draw anything else.
enum class RecordRole { state, bitmap, drawing };
RecordRole wmfRecordRole(uint32_t type);
RecordRole emfRecordRole(uint32_t type);

}  // namespace vendaro::metafile
