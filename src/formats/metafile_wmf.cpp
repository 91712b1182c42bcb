// The WMF player: 16-bit records whose parameters come in reverse order,
// objects placed in the lowest free slot of the table, and a window that
// the picture's frame is stretched from.
#include <algorithm>
#include <cmath>
#include <limits>

#include "formats/metafile_bitmaps.h"
#include "formats/metafile_painter.h"
#include "formats/metafile_player.h"
#include "platform/byte_io.h"
#include "platform/null_canvas.h"

namespace vendaro::metafile {
namespace {

enum WmfRecord : uint32_t {
  kEof = 0x0000, kSaveDc = 0x001E, kRealizePalette = 0x0035, kSetPalEntries = 0x0037, kCreatePalette = 0x00F7,
  kSetBkMode = 0x0102, kSetMapMode = 0x0103, kSetRop2 = 0x0104, kSetRelAbs = 0x0105, kSetPolyFillMode = 0x0106,
  kSetStretchBltMode = 0x0107, kSetTextCharExtra = 0x0108, kRestoreDc = 0x0127, kInvertRegion = 0x012A,
  kPaintRegion = 0x012B, kSelectClipRegion = 0x012C, kSelectObject = 0x012D, kSetTextAlign = 0x012E,
  kResizePalette = 0x0139, kDibCreatePatternBrush = 0x0142, kSetLayout = 0x014C, kDeleteObject = 0x01F0,
  kCreatePatternBrush = 0x01F9, kSetBkColor = 0x0201, kSetTextColor = 0x0209, kSetTextJustification = 0x020A,
  kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C, kSetViewportOrg = 0x020D, kSetViewportExt = 0x020E,
  kOffsetWindowOrg = 0x020F, kOffsetViewportOrg = 0x0211, kLineTo = 0x0213, kMoveTo = 0x0214,
  kOffsetClipRgn = 0x0220, kFillRegion = 0x0228, kSetMapperFlags = 0x0231, kSelectPalette = 0x0234,
  kCreatePenIndirect = 0x02FA, kCreateFontIndirect = 0x02FB, kCreateBrushIndirect = 0x02FC, kPolygon = 0x0324,
  kPolyline = 0x0325, kScaleWindowExt = 0x0410, kScaleViewportExt = 0x0412, kExcludeClipRect = 0x0415,
  kIntersectClipRect = 0x0416, kEllipse = 0x0418, kRectangle = 0x041B, kSetPixel = 0x041F, kFrameRegion = 0x0429,
  kAnimatePalette = 0x0436, kTextOut = 0x0521, kPolyPolygon = 0x0538, kRoundRect = 0x061C, kPatBlt = 0x061D,
  kEscape = 0x0626, kCreateRegion = 0x06FF, kArc = 0x0817, kPie = 0x081A, kChord = 0x0830, kBitBlt = 0x0922,
  kDibBitBlt = 0x0940, kExtTextOut = 0x0A32, kStretchBlt = 0x0B23, kDibStretchBlt = 0x0B41, kSetDibToDev = 0x0D33,
  kStretchDib = 0x0F43,
};

int16_t s16(ByteReader& in) { return static_cast<int16_t>(in.u16()); }

CanvasPoint pointYX(ByteReader& in) {
  const double y = s16(in);
  const double x = s16(in);
  return {x, y};
}

// Bottom, right, top, left.
LogicalRect rectBRTL(ByteReader& in) {
  LogicalRect r;
  r.bottom = s16(in);
  r.right = s16(in);
  r.top = s16(in);
  r.left = s16(in);
  return r;
}

std::vector<CanvasPoint> pointsXY(ByteReader& in, size_t count) {
  std::vector<CanvasPoint> points;
  if (!in.canHold(static_cast<int64_t>(count), 4)) {
    in.fail();
    return points;
  }
  points.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const double x = s16(in);
    points.push_back({x, double(s16(in))});
  }
  return points;
}

uint32_t colour(ByteReader& in) { return in.u32() & 0xFFFFFF; }

// Up to 32 bytes of a face name, ending at the first zero.
std::string faceName(std::string_view bytes) {
  return std::string(bytes.substr(0, std::min(bytes.find('\0'), bytes.size())));
}

FontObject readFont(ByteReader& in) {
  FontObject font;
  font.height = s16(in);
  s16(in);  // width
  font.escapement = s16(in);
  s16(in);  // orientation
  font.weight = s16(in);
  font.italic = in.u8() != 0;
  font.underline = in.u8() != 0;
  font.strikeOut = in.u8() != 0;
  font.charset = in.u8();
  in.skip(4);  // precisions, quality, pitch and family
  const std::string face = faceName(in.view(std::min<size_t>(32, in.left())));
  if (!face.empty()) font.face = face;
  return font;
}

// A region: a header, its bounds, then scans of left-right pairs between a
// top and a bottom.
RegionObject readRegion(ByteReader& in) {
  RegionObject region;
  in.skip(10);  // next in chain, object type, object count, region size
  const uint16_t scans = in.u16();
  in.skip(2 + 8);  // largest scan, bounds
  for (uint16_t i = 0; i < scans && !in.failed(); ++i) {
    const uint16_t count = in.u16();
    const int16_t top = s16(in), bottom = s16(in);
    if (!in.canHold(count / 2, 4)) {
      in.fail();
      break;
    }
    for (uint16_t k = 0; k + 1 < count; k += 2) {
      const int16_t left = s16(in), right = s16(in);
      region.rects.push_back({left, top, right, bottom});
    }
    in.u16();  // count again
  }
  return region;
}

// Bottom-up DIBs count source rows from their bottom line.
LogicalRect sourceRect(const TPictureRec& picture, int x, int yFromBottom, int width, int height) {
  const int top = picture.height() - yFromBottom - height;
  return {x, top, x + width, top + height};
}

class WmfPlayer {
 public:
  WmfPlayer(Painter& painter, PlayReport& report) : painter_(painter), report_(report) {}

  void playRecord(const Record& record) {
    ByteReader in(record.params.data(), record.params.size());
    const bool known = dispatch(record.type, in);
    if (!known) {
      noteUnknown(report_, record.type);
      ++report_.failed;
    } else if (in.failed() || !ok_) {
      ++report_.failed;
    }
    ok_ = true;
  }

 private:
  DcState& dc() { return painter_.dc(); }
  void fail() { ok_ = false; }
  void addObject(GdiObject object) {
    if (!painter_.objects().add(std::move(object))) fail();
  }

  bool dispatch(uint32_t type, ByteReader& in) {
    switch (type) {
      case kEof: return true;
      case kSaveDc: painter_.save(); return true;
      case kRestoreDc: if (!painter_.restore(s16(in))) fail(); return true;
      case kSetBkMode: dc().opaqueBackground = in.u16() == 2; return true;
      case kSetMapMode: dc().mapMode = in.u16(); return true;
      case kSetPolyFillMode: dc().windingFill = in.u16() == 2; return true;
      case kSetTextAlign: dc().textAlign = in.u16(); return true;
      case kSetBkColor: dc().backgroundColor = colour(in); return true;
      case kSetTextColor: dc().textColor = colour(in); return true;
      case kSetWindowOrg: painter_.setWindowOrg(pointYX(in)); return true;
      case kSetWindowExt: painter_.setWindowExt(pointYX(in)); return true;
      case kOffsetWindowOrg: {
        const CanvasPoint by = pointYX(in);
        painter_.setWindowOrg({dc().windowOrg.x + by.x, dc().windowOrg.y + by.y});
        return true;
      }
      case kScaleWindowExt: {
        const double yDenominator = s16(in), yNumerator = s16(in), xDenominator = s16(in), xNumerator = s16(in);
        if (xDenominator == 0 || yDenominator == 0) return fail(), true;
        painter_.setWindowExt({dc().windowExt.x * xNumerator / xDenominator, dc().windowExt.y * yNumerator / yDenominator});
        return true;
      }
      // The picture's place on the canvas is the viewport; the file's own
      // viewport, palettes and modes without a visible effect here are
      // read and left.
      case kSetViewportOrg: case kSetViewportExt: case kOffsetViewportOrg: case kScaleViewportExt:
      case kSetRop2: case kSetRelAbs: case kSetStretchBltMode: case kSetTextCharExtra: case kSetTextJustification:
      case kSetMapperFlags: case kSetLayout: case kSelectPalette: case kRealizePalette: case kSetPalEntries:
      case kResizePalette: case kAnimatePalette: case kEscape: case kOffsetClipRgn:
        return true;
      case kMoveTo: painter_.moveTo(pointYX(in)); return true;
      case kLineTo: painter_.lineTo(pointYX(in)); return true;
      case kPolygon: case kPolyline: {
        const std::vector<CanvasPoint> points = pointsXY(in, in.u16());
        if (in.failed()) return true;
        if (type == kPolygon) painter_.polygon(points); else painter_.polyline(points, false);
        return true;
      }
      case kPolyPolygon: return polyPolygon(in);
      case kRectangle: painter_.rectangle(rectBRTL(in)); return true;
      case kEllipse: painter_.ellipse(rectBRTL(in)); return true;
      case kRoundRect: {
        const double height = s16(in), width = s16(in);
        const LogicalRect r = rectBRTL(in);
        if (!in.failed()) painter_.roundRect(r, width, height);
        return true;
      }
      case kArc: case kPie: case kChord: {
        const CanvasPoint end = pointYX(in), start = pointYX(in);
        const LogicalRect r = rectBRTL(in);
        if (!in.failed()) painter_.arc(type == kArc ? ArcKind::arc : type == kPie ? ArcKind::pie : ArcKind::chord, r, start, end);
        return true;
      }
      case kSetPixel: {
        const uint32_t c = colour(in);
        const CanvasPoint p = pointYX(in);
        if (!in.failed()) painter_.setPixel(p, c);
        return true;
      }
      case kTextOut: return textOut(in);
      case kExtTextOut: return extTextOut(in);
      case kCreatePenIndirect: {
        const uint16_t style = in.u16();
        const double width = s16(in);
        s16(in);
        const uint32_t c = colour(in);
        addObject(PenObject{static_cast<PenStyle>(std::min<uint16_t>(style & 0x0F, 6)), width, c});
        return true;
      }
      case kCreateBrushIndirect: {
        const uint16_t style = in.u16();
        const uint32_t c = colour(in);
        const uint16_t hatch = in.u16();
        const BrushStyle kind = style == 1 ? BrushStyle::clear : style == 2 ? hatchStyle(hatch) : BrushStyle::solid;
        addObject(BrushObject{kind, c, nullptr});
        return true;
      }
      case kDibCreatePatternBrush: {
        in.u16();  // style
        const uint16_t usage = in.u16();
        std::optional<TPictureRec> pattern;
        if (usage == 0) pattern = readPackedDib(record().subspan(4));
        // The slot is taken even when the pattern cannot be read, so that
        // later indices still name the right objects.
        if (pattern) {
          addObject(BrushObject{BrushStyle::pattern, 0, std::make_shared<const TPictureRec>(std::move(*pattern))});
        } else {
          addObject(BrushObject{BrushStyle::solid, 0x808080, nullptr});
          fail();
        }
        return true;
      }
      case kCreatePatternBrush:
        addObject(BrushObject{BrushStyle::solid, 0x808080, nullptr});
        fail();
        return true;
      case kCreateFontIndirect: addObject(readFont(in)); return true;
      case kCreatePalette: addObject(PaletteObject{}); return true;
      case kCreateRegion: addObject(readRegion(in)); return true;
      case kSelectObject: {
        const GdiObject* object = painter_.objects().at(in.u16());
        if (object == nullptr || !painter_.select(*object)) fail();
        return true;
      }
      case kDeleteObject: if (!painter_.objects().remove(in.u16())) fail(); return true;
      case kSelectClipRegion: {
        const GdiObject* object = painter_.objects().at(in.u16());
        const auto* region = object ? std::get_if<RegionObject>(object) : nullptr;
        if (region) painter_.clipRegion(*region, ClipCombine::replace); else painter_.resetClip();
        return true;
      }
      case kExcludeClipRect: painter_.clipRect(rectBRTL(in), ClipCombine::exclude); return true;
      case kIntersectClipRect: painter_.clipRect(rectBRTL(in), ClipCombine::intersect); return true;
      case kFillRegion: case kPaintRegion: return fillRegion(type, in);
      case kPatBlt: {
        const uint32_t rop = in.u32();
        const double height = s16(in), width = s16(in);
        const CanvasPoint at = pointYX(in);
        if (!in.failed() && !painter_.patBlt(rectAt(at, width, height), rop)) fail();
        return true;
      }
      case kStretchDib: return stretchDib(in);
      case kDibStretchBlt: return dibStretchBlt(in);
      case kDibBitBlt: return dibBitBlt(in);
      case kSetDibToDev: return setDibToDevice(in);
      default: return false;
    }
  }

 public:
  void setRecord(std::span<const uint8_t> params) { params_ = params; }

 private:
  std::span<const uint8_t> record() const { return params_; }

  static LogicalRect rectAt(CanvasPoint at, double width, double height) {
    const auto whole = [](double v) { return static_cast<int32_t>(v); };
    return {whole(at.x), whole(at.y), whole(at.x + width), whole(at.y + height)};
  }

  bool polyPolygon(ByteReader& in) {
    const uint16_t polygons = in.u16();
    if (!in.canHold(polygons, 2)) return fail(), true;
    std::vector<uint32_t> counts(polygons);
    size_t total = 0;
    for (uint32_t& count : counts) total += count = in.u16();
    const std::vector<CanvasPoint> points = pointsXY(in, total);
    if (!in.failed()) painter_.polyPolygon(points, counts);
    return true;
  }

  bool textOut(ByteReader& in) {
    const uint16_t length = in.u16();
    TextRun run;
    run.text = std::string(in.view(length));
    in.skip(length % 2);
    run.reference = pointYX(in);
    if (!in.failed()) painter_.text(run);
    return true;
  }

  bool extTextOut(ByteReader& in) {
    TextRun run;
    run.reference = pointYX(in);
    const uint16_t length = in.u16();
    run.options = in.u16();
    if (run.options & 0x0006) run.rect = LogicalRect{s16(in), s16(in), s16(in), s16(in)};
    run.text = std::string(in.view(length));
    if (in.failed()) return true;
    in.skip(length % 2);
    if (in.left() >= size_t{length} * 2) {
      for (uint16_t i = 0; i < length; ++i) run.dx.push_back(s16(in));
    }
    painter_.text(run);
    return true;
  }

  bool fillRegion(uint32_t type, ByteReader& in) {
    const GdiObject* region = painter_.objects().at(in.u16());
    const GdiObject* brush = type == kFillRegion ? painter_.objects().at(in.u16()) : nullptr;
    const auto* area = region ? std::get_if<RegionObject>(region) : nullptr;
    const auto* fill = brush ? std::get_if<BrushObject>(brush) : &dc().brush;
    if (area == nullptr || fill == nullptr) return fail(), true;
    painter_.fillRegion(*area, *fill);
    return true;
  }

  void drawDib(ByteReader& in, const LogicalRect& dest, int sx, int sy, int sw, int sh, uint32_t rop) {
    const std::optional<TPictureRec> picture = readPackedDib(record().subspan(in.position()));
    if (!picture) return fail();
    if (!painter_.bitmap(dest, *picture, sourceRect(*picture, sx, sy, sw, sh), rop)) fail();
  }

  bool stretchDib(ByteReader& in) {
    const uint32_t rop = in.u32();
    in.u16();  // colour usage
    const int sh = s16(in), sw = s16(in), sy = s16(in), sx = s16(in);
    const double dh = s16(in), dw = s16(in);
    const CanvasPoint at = pointYX(in);
    if (!in.failed()) drawDib(in, rectAt(at, dw, dh), sx, sy, sw, sh, rop);
    return true;
  }

  // Without a bitmap the record is a pattern blit with its raster operation.
  bool dibStretchBlt(ByteReader& in) {
    const bool withBitmap = record().size() > 22;
    const uint32_t rop = in.u32();
    const int sh = s16(in), sw = s16(in), sy = s16(in), sx = s16(in);
    if (!withBitmap) in.u16();
    const double dh = s16(in), dw = s16(in);
    const CanvasPoint at = pointYX(in);
    if (in.failed()) return true;
    if (!withBitmap) {
      if (!painter_.patBlt(rectAt(at, dw, dh), rop)) fail();
      return true;
    }
    drawDib(in, rectAt(at, dw, dh), sx, sy, sw, sh, rop);
    return true;
  }

  bool dibBitBlt(ByteReader& in) {
    const bool withBitmap = record().size() > 18;
    const uint32_t rop = in.u32();
    const int sy = s16(in), sx = s16(in);
    if (!withBitmap) in.u16();
    const double h = s16(in), w = s16(in);
    const CanvasPoint at = pointYX(in);
    if (in.failed()) return true;
    if (!withBitmap) {
      if (!painter_.patBlt(rectAt(at, w, h), rop)) fail();
      return true;
    }
    drawDib(in, rectAt(at, w, h), sx, sy, static_cast<int>(w), static_cast<int>(h), rop);
    return true;
  }

  bool setDibToDevice(ByteReader& in) {
    in.u16();  // colour usage
    in.u16();  // scan count
    in.u16();  // start scan
    const int sy = s16(in), sx = s16(in);
    const double h = s16(in), w = s16(in);
    const CanvasPoint at = pointYX(in);
    if (!in.failed()) drawDib(in, rectAt(at, w, h), sx, sy, static_cast<int>(w), static_cast<int>(h), kSrcCopy);
    return true;
  }

  Painter& painter_;
  PlayReport& report_;
  std::span<const uint8_t> params_;
  bool ok_ = true;
};

// A surface that only gathers the extent of what is drawn on it, to find
// the frame of a WMF that names neither a window nor a bounding box.
class BoundsCanvas final : public NullCanvas {
 public:
  BoundsCanvas() : NullCanvas(96) {}
  void line(int x1, int y1, int x2, int y2) override { add({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1}); }
  void rectangle(const CanvasRect& r) override { add(r); }
  void ellipse(const CanvasRect& r) override { add(r); }
  void fillRect(const CanvasRect& r, uint32_t) override { add(r); }
  void textOut(int x, int y, std::string_view, std::span<const int>) override { add({x, y, x + 1, y + 1}); }
  void drawPicture(const CanvasRect& r, const TPictureRec&) override { add(r); }
  void invertRect(const CanvasRect& r) override { add(r); }
  void drawPath(const CanvasPath& path, bool, bool) override { add(path.bounds()); }

  std::optional<LogicalRect> bounds;

 private:
  void add(const CanvasRect& r) {
    const LogicalRect l{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
    if (!bounds) {
      bounds = l;
      return;
    }
    bounds = LogicalRect{std::min(bounds->left, l.left), std::min(bounds->top, l.top), std::max(bounds->right, l.right),
                         std::max(bounds->bottom, l.bottom)};
  }
};

PlayReport playWithWindow(std::span<const uint8_t> bytes, const Header& header, Canvas& canvas, FontEngine& fonts,
                          const CanvasRect& target, const LogicalRect& window) {
  PlayReport report;
  Painter painter(canvas, fonts, header.objectCount);
  painter.fixViewport({double(target.left), double(target.top)},
                      {double(target.right) - target.left, double(target.bottom) - target.top});
  painter.setWindowOrg({double(window.left), double(window.top)});
  painter.setWindowExt({double(std::max<int64_t>(1, window.width())), double(std::max<int64_t>(1, window.height()))});
  WmfPlayer player(painter, report);
  report.records = walkRecords(bytes, header, [&](const Record& record) {
    player.setRecord(record.params);
    player.playRecord(record);
  });
  return report;
}

// The window the file sets first, else the placeable header's box, else
// the extent of everything drawn.
LogicalRect frameOf(std::span<const uint8_t> bytes, const Header& header, FontEngine& fonts) {
  std::optional<CanvasPoint> origin, extent;
  walkRecords(bytes, header, [&](const Record& record) {
    ByteReader in(record.params.data(), record.params.size());
    if (record.type == kSetWindowOrg && !origin) origin = pointYX(in);
    if (record.type == kSetWindowExt && !extent) extent = pointYX(in);
    if (in.failed()) record.type == kSetWindowOrg ? origin.reset() : extent.reset();
  });
  if (extent && extent->x != 0 && extent->y != 0) {
    const CanvasPoint o = origin.value_or(CanvasPoint{});
    return {int32_t(o.x), int32_t(o.y), int32_t(o.x + extent->x), int32_t(o.y + extent->y)};
  }
  if (header.placeableBounds) return *header.placeableBounds;
  BoundsCanvas gather;
  playWithWindow(bytes, header, gather, fonts, {0, 0, 1, 1}, {0, 0, 1, 1});
  return gather.bounds.value_or(LogicalRect{0, 0, 1, 1});
}

}  // namespace

PlayReport playWmf(std::span<const uint8_t> bytes, const Header& header, Canvas& canvas, FontEngine& fonts,
                   const CanvasRect& target) {
  return playWithWindow(bytes, header, canvas, fonts, target, frameOf(bytes, header, fonts));
}

RecordRole wmfRecordRole(uint32_t type) {
  switch (type) {
    case kStretchDib: case kDibStretchBlt: case kDibBitBlt: case kSetDibToDev:
      return RecordRole::bitmap;
    case kLineTo: case kPolygon: case kPolyline: case kPolyPolygon: case kRectangle: case kEllipse:
    case kRoundRect: case kArc: case kPie: case kChord: case kSetPixel: case kTextOut: case kExtTextOut:
    case kFillRegion: case kPaintRegion: case kFrameRegion: case kInvertRegion: case kPatBlt: case kBitBlt:
    case kStretchBlt:
      return RecordRole::drawing;
    default:
      return RecordRole::state;
  }
}

}  // namespace vendaro::metafile
