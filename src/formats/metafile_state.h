// metafile_state.h — the device context a metafile's records change: the
// object table (pens, brushes, fonts, regions, palettes), the selected
// objects, colours and modes, the mapping from logical to device pixels
// (world transform, mapping mode, window and viewport) and the clip.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "formats/metafile_records.h"
#include "platform/canvas.h"

namespace vendaro::metafile {

// x' = m11·x + m21·y + dx, y' = m12·x + m22·y + dy, as GDI's XFORM.
struct Affine {
  double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;

  CanvasPoint map(CanvasPoint p) const { return {m11 * p.x + m21 * p.y + dx, m12 * p.x + m22 * p.y + dy}; }
  // This transform followed by `next`.
  Affine then(const Affine& next) const;
  bool axisAligned() const { return m12 == 0 && m21 == 0; }
  // How long a logical length becomes on average, and along the y axis.
  double lengthScale() const;
  double verticalScale() const;
};

struct PenObject {
  PenStyle style = PenStyle::solid;
  double width = 0;  // logical units; 0 is one device pixel
  uint32_t color = 0;
};

struct BrushObject {
  BrushStyle style = BrushStyle::solid;
  uint32_t color = 0xFFFFFF;
  std::shared_ptr<const TPictureRec> pattern;
};

struct FontObject {
  int32_t height = 0;        // negative: em height; positive: cell height
  int32_t escapement = 0;    // tenths of a degree, counter-clockwise
  int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  uint8_t charset = 1;
  std::string face = "Arial";
};

struct RegionObject {
  std::vector<LogicalRect> rects;  // right and bottom outside
};

struct PaletteObject {};

using GdiObject = std::variant<std::monostate, PenObject, BrushObject, FontObject, RegionObject, PaletteObject>;

struct ClipStep {
  CanvasPath path;  // device pixels
  ClipCombine how = ClipCombine::replace;
};

enum MapMode : int {
  kMapText = 1, kMapLoMetric, kMapHiMetric, kMapLoEnglish, kMapHiEnglish, kMapTwips, kMapIsotropic, kMapAnisotropic
};

struct DcState {
  PenObject pen;
  BrushObject brush;
  FontObject font;
  uint32_t textColor = 0;
  uint32_t backgroundColor = 0xFFFFFF;
  bool opaqueBackground = true;
  bool windingFill = false;
  uint32_t textAlign = 0;
  int mapMode = kMapText;
  CanvasPoint windowOrg{0, 0};
  CanvasPoint windowExt{1, 1};
  CanvasPoint viewportOrg{0, 0};
  CanvasPoint viewportExt{1, 1};
  Affine world;
  CanvasPoint current;  // logical
  std::vector<ClipStep> clip;
};

// The object table: WMF files put each new object in the lowest free slot,
// EMF files name the slot. Indices outside the table are refused.
class ObjectTable {
 public:
  explicit ObjectTable(uint32_t size) : objects_(std::min(size, kMaxMetafileObjects)) {}
  bool add(GdiObject object);
  bool put(uint32_t index, GdiObject object);
  const GdiObject* at(uint32_t index) const;
  bool remove(uint32_t index);

 private:
  std::vector<GdiObject> objects_;
};

}  // namespace vendaro::metafile
