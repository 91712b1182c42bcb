// The EMF player: 32-bit records (and their 16-bit point variants), a
// world transform and mapping modes on the reference device, paths, and
// bitmaps addressed by offsets from the record's start.
#include <algorithm>
#include <cmath>

#include "formats/metafile_bitmaps.h"
#include "formats/metafile_painter.h"
#include "formats/metafile_player.h"
#include "platform/byte_io.h"
#include "platform/code_pages.h"

namespace vendaro::metafile {
namespace {

enum EmfRecord : uint32_t {
  kHeader = 1, kPolyBezier = 2, kPolygon = 3, kPolyline = 4, kPolyBezierTo = 5, kPolylineTo = 6,
  kPolyPolyline = 7, kPolyPolygon = 8, kSetWindowExtEx = 9, kSetWindowOrgEx = 10, kSetViewportExtEx = 11,
  kSetViewportOrgEx = 12, kSetBrushOrgEx = 13, kEof = 14, kSetPixelV = 15, kSetMapperFlags = 16,
  kSetMapMode = 17, kSetBkMode = 18, kSetPolyFillMode = 19, kSetRop2 = 20, kSetStretchBltMode = 21,
  kSetTextAlign = 22, kSetColorAdjustment = 23, kSetTextColor = 24, kSetBkColor = 25, kOffsetClipRgn = 26,
  kMoveToEx = 27, kSetMetaRgn = 28, kExcludeClipRect = 29, kIntersectClipRect = 30, kScaleViewportExtEx = 31,
  kScaleWindowExtEx = 32, kSaveDc = 33, kRestoreDc = 34, kSetWorldTransform = 35, kModifyWorldTransform = 36,
  kSelectObject = 37, kCreatePen = 38, kCreateBrushIndirect = 39, kDeleteObject = 40, kAngleArc = 41,
  kEllipse = 42, kRectangle = 43, kRoundRect = 44, kArc = 45, kChord = 46, kPie = 47, kSelectPalette = 48,
  kCreatePalette = 49, kSetPaletteEntries = 50, kResizePalette = 51, kRealizePalette = 52, kExtFloodFill = 53,
  kLineTo = 54, kArcTo = 55, kPolyDraw = 56, kSetArcDirection = 57, kSetMiterLimit = 58, kBeginPath = 59,
  kEndPath = 60, kCloseFigure = 61, kFillPath = 62, kStrokeAndFillPath = 63, kStrokePath = 64,
  kFlattenPath = 65, kWidenPath = 66, kSelectClipPath = 67, kAbortPath = 68, kGdiComment = 70, kFillRgn = 71,
  kFrameRgn = 72, kInvertRgn = 73, kPaintRgn = 74, kExtSelectClipRgn = 75, kBitBlt = 76, kStretchBlt = 77,
  kMaskBlt = 78, kPlgBlt = 79, kSetDiBitsToDevice = 80, kStretchDiBits = 81, kExtCreateFontIndirectW = 82,
  kExtTextOutA = 83, kExtTextOutW = 84, kPolyBezier16 = 85, kPolygon16 = 86, kPolyline16 = 87,
  kPolyBezierTo16 = 88, kPolylineTo16 = 89, kPolyPolyline16 = 90, kPolyPolygon16 = 91, kPolyDraw16 = 92,
  kCreateMonoBrush = 93, kCreateDibPatternBrushPt = 94, kExtCreatePen = 95, kSetIcmMode = 98,
  kCreateColorSpace = 99, kSetColorSpace = 100, kDeleteColorSpace = 101, kSetIcmProfileA = 112,
  kSetIcmProfileW = 113, kAlphaBlend = 114, kSetLayout = 115, kTransparentBlt = 116, kGradientFill = 118,
  kColorCorrectPalette = 111, kSetLinkedUfis = 119, kSetTextJustification = 120, kColorMatchToTargetW = 121,
  kCreateColorSpaceW = 122,
};

constexpr uint32_t kStockObject = 0x80000000;
constexpr uint32_t kGlyphIndices = 0x10;  // ETO_GLYPH_INDEX

uint32_t colour(ByteReader& in) { return in.u32() & 0xFFFFFF; }

CanvasPoint point32(ByteReader& in) {
  const double x = in.i32();
  return {x, double(in.i32())};
}

std::vector<CanvasPoint> points(ByteReader& in, uint32_t count, bool small) {
  std::vector<CanvasPoint> out;
  if (!in.canHold(count, small ? 4 : 8)) {
    in.fail();
    return out;
  }
  out.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    if (small) {
      const double x = static_cast<int16_t>(in.u16());
      out.push_back({x, double(static_cast<int16_t>(in.u16()))});
    } else {
      out.push_back(point32(in));
    }
  }
  return out;
}

BrushObject brushOf(uint32_t style, uint32_t color, uint32_t hatch) {
  const BrushStyle kind = style == 1 ? BrushStyle::clear : style == 2 ? hatchStyle(hatch) : BrushStyle::solid;
  return {kind, color, nullptr};
}

// UTF-16 text in code page 1252; what it lacks becomes "?".
std::string fromUtf16(ByteReader& in, uint32_t count) {
  std::string text;
  if (!in.canHold(count, 2)) {
    in.fail();
    return text;
  }
  for (uint32_t i = 0; i < count; ++i) {
    char32_t code = in.u16();
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < count) {
      const char32_t low = in.u16();
      ++i;
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    }
    uint8_t byte = '?';
    if (!unicodeToCp1252(code, byte)) byte = '?';
    text.push_back(static_cast<char>(byte));
  }
  return text;
}

// An RGNDATA block: a 32-byte header, then its rectangles.
std::vector<LogicalRect> regionRects(ByteReader& in, uint32_t size) {
  std::vector<LogicalRect> rects;
  if (size < 32) {
    in.skip(size);
    return rects;
  }
  in.u32();  // header size
  in.u32();  // type
  const uint32_t count = in.u32();
  in.u32();  // size of the rectangles
  readRect(in);  // bounds
  if (!in.canHold(count, 16) || uint64_t{count} * 16 > size - 32) {
    in.fail();
    return rects;
  }
  for (uint32_t i = 0; i < count; ++i) rects.push_back(readRect(in));
  return rects;
}

class EmfPlayer {
 public:
  EmfPlayer(Painter& painter, PlayReport& report) : painter_(painter), report_(report) {}

  void playRecord(const Record& record) {
    record_ = record.whole;
    ByteReader in(record.params.data(), record.params.size());
    ok_ = true;
    if (!dispatch(record.type, in)) {
      noteUnknown(report_, record.type);
      ++report_.failed;
    } else if (in.failed() || !ok_) {
      ++report_.failed;
    }
  }

 private:
  DcState& dc() { return painter_.dc(); }
  void fail() { ok_ = false; }
  void put(uint32_t index, GdiObject object) {
    if (!painter_.objects().put(index, std::move(object))) fail();
  }
  // A block the record points at by offset from its own start.
  std::span<const uint8_t> block(uint32_t offset, uint32_t size) {
    if (offset > record_.size() || size > record_.size() - offset) {
      fail();
      return {};
    }
    return record_.subspan(offset, size);
  }
  std::optional<TPictureRec> dibAt(uint32_t offInfo, uint32_t sizeInfo, uint32_t offBits, uint32_t sizeBits) {
    const std::span<const uint8_t> info = block(offInfo, sizeInfo), bits = block(offBits, sizeBits);
    if (!ok_ || info.empty()) return std::nullopt;
    return readDib(info, bits);
  }

  bool dispatch(uint32_t type, ByteReader& in) {
    switch (type) {
      case kHeader: case kEof: case kGdiComment: return true;
      // Modes without a visible effect on this canvas are read and left.
      case kSetBrushOrgEx: case kSetMapperFlags: case kSetRop2: case kSetStretchBltMode: case kSetColorAdjustment:
      case kOffsetClipRgn: case kSetMetaRgn: case kSelectPalette: case kSetPaletteEntries: case kResizePalette:
      case kRealizePalette: case kSetArcDirection: case kSetMiterLimit: case kFlattenPath: case kWidenPath:
      case kSetIcmMode: case kCreateColorSpace: case kSetColorSpace: case kDeleteColorSpace: case kSetIcmProfileA:
      case kSetIcmProfileW: case kSetLayout: case kColorCorrectPalette: case kSetLinkedUfis:
      case kSetTextJustification: case kColorMatchToTargetW: case kCreateColorSpaceW:
        return true;
      case kCreatePalette: put(in.u32(), PaletteObject{}); return true;
      case kSetWindowExtEx: painter_.setWindowExt(point32(in)); return true;
      case kSetWindowOrgEx: painter_.setWindowOrg(point32(in)); return true;
      case kSetViewportExtEx: painter_.setViewportExt(point32(in)); return true;
      case kSetViewportOrgEx: painter_.setViewportOrg(point32(in)); return true;
      case kScaleViewportExtEx: case kScaleWindowExtEx: return scaleExtent(type, in);
      case kSetMapMode: dc().mapMode = static_cast<int>(in.u32()); return true;
      case kSetBkMode: dc().opaqueBackground = in.u32() == 2; return true;
      case kSetPolyFillMode: dc().windingFill = in.u32() == 2; return true;
      case kSetTextAlign: dc().textAlign = in.u32(); return true;
      case kSetTextColor: dc().textColor = colour(in); return true;
      case kSetBkColor: dc().backgroundColor = colour(in); return true;
      case kSaveDc: painter_.save(); return true;
      case kRestoreDc: if (!painter_.restore(in.i32())) fail(); return true;
      case kSetWorldTransform: return worldTransform(in, 4);
      case kModifyWorldTransform: return worldTransform(in, 0);
      case kMoveToEx: painter_.moveTo(point32(in)); return true;
      case kLineTo: painter_.lineTo(point32(in)); return true;
      case kSetPixelV: {
        const CanvasPoint p = point32(in);
        const uint32_t c = colour(in);
        if (!in.failed()) painter_.setPixel(p, c);
        return true;
      }
      case kPolyBezier: case kPolygon: case kPolyline: case kPolyBezierTo: case kPolylineTo:
      case kPolyBezier16: case kPolygon16: case kPolyline16: case kPolyBezierTo16: case kPolylineTo16:
        return poly(type, in);
      case kPolyPolyline: case kPolyPolygon: case kPolyPolyline16: case kPolyPolygon16: return polyPoly(type, in);
      case kRectangle: painter_.rectangle(readRect(in)); return true;
      case kEllipse: painter_.ellipse(readRect(in)); return true;
      case kRoundRect: {
        const LogicalRect r = readRect(in);
        const CanvasPoint corner = point32(in);
        if (!in.failed()) painter_.roundRect(r, corner.x, corner.y);
        return true;
      }
      case kArc: case kChord: case kPie: case kArcTo: {
        const LogicalRect r = readRect(in);
        const CanvasPoint start = point32(in), end = point32(in);
        if (in.failed()) return true;
        const ArcKind kind = type == kChord ? ArcKind::chord : type == kPie ? ArcKind::pie : ArcKind::arc;
        painter_.arc(kind, r, start, end);
        return true;
      }
      case kAngleArc: return angleArc(in);
      case kSelectObject: return selectObject(in.u32());
      case kDeleteObject: {
        const uint32_t index = in.u32();
        if (!(index & kStockObject) && !painter_.objects().remove(index)) fail();
        return true;
      }
      case kCreatePen: {
        const uint32_t index = in.u32();
        const uint32_t style = in.u32();
        const double width = in.i32();
        in.i32();
        put(index, PenObject{static_cast<PenStyle>(std::min<uint32_t>(style & 0x0F, 6)), width, colour(in)});
        return true;
      }
      case kExtCreatePen: {
        const uint32_t index = in.u32();
        in.skip(16);  // bitmap of a pattern pen, which draws in its colour here
        const uint32_t style = in.u32();
        const double width = in.u32();
        const uint32_t brushStyle = in.u32();
        const uint32_t c = colour(in);
        const PenStyle kind = brushStyle == 1 ? PenStyle::clear : static_cast<PenStyle>(std::min<uint32_t>(style & 0x0F, 6));
        // Cosmetic pens are one pixel whatever width they name.
        put(index, PenObject{kind, (style & 0x00010000) ? width : 0, c});
        return true;
      }
      case kCreateBrushIndirect: {
        const uint32_t index = in.u32();
        const uint32_t style = in.u32();
        const uint32_t c = colour(in);
        put(index, brushOf(style, c, in.u32()));
        return true;
      }
      case kCreateDibPatternBrushPt: case kCreateMonoBrush: {
        const uint32_t index = in.u32();
        in.u32();  // usage
        const uint32_t offInfo = in.u32(), sizeInfo = in.u32(), offBits = in.u32(), sizeBits = in.u32();
        std::optional<TPictureRec> pattern = in.failed() ? std::nullopt : dibAt(offInfo, sizeInfo, offBits, sizeBits);
        if (pattern) {
          put(index, BrushObject{BrushStyle::pattern, 0, std::make_shared<const TPictureRec>(std::move(*pattern))});
        } else {
          put(index, BrushObject{BrushStyle::solid, 0x808080, nullptr});
          fail();
        }
        return true;
      }
      case kExtCreateFontIndirectW: return createFont(in);
      case kBeginPath: painter_.beginPath(); return true;
      case kEndPath: painter_.endPath(); return true;
      case kCloseFigure: painter_.closeFigure(); return true;
      case kAbortPath: painter_.abortPath(); return true;
      case kFillPath: painter_.drawPathBracket(true, false); return true;
      case kStrokePath: painter_.drawPathBracket(false, true); return true;
      case kStrokeAndFillPath: painter_.drawPathBracket(true, true); return true;
      case kSelectClipPath: painter_.selectClipPath(combineOf(in.u32())); return true;
      case kExcludeClipRect: painter_.clipRect(readRect(in), ClipCombine::exclude); return true;
      case kIntersectClipRect: painter_.clipRect(readRect(in), ClipCombine::intersect); return true;
      case kExtSelectClipRgn: return selectClipRegion(in);
      case kFillRgn: return fillRegion(in);
      case kExtTextOutA: case kExtTextOutW: return extTextOut(type == kExtTextOutW, in);
      case kBitBlt: case kStretchBlt: case kAlphaBlend: return blit(type, in);
      case kStretchDiBits: return stretchDiBits(in);
      case kSetDiBitsToDevice: return setDiBitsToDevice(in);
      default: return false;
    }
  }

  static ClipCombine combineOf(uint32_t mode) {
    switch (mode) {
      case 1: return ClipCombine::intersect;
      case 2: return ClipCombine::unite;
      case 4: return ClipCombine::exclude;
      default: return ClipCombine::replace;
    }
  }

  bool scaleExtent(uint32_t type, ByteReader& in) {
    const double xNum = in.i32(), xDenom = in.i32(), yNum = in.i32(), yDenom = in.i32();
    if (in.failed() || xDenom == 0 || yDenom == 0) return fail(), true;
    if (type == kScaleWindowExtEx) {
      painter_.setWindowExt({dc().windowExt.x * xNum / xDenom, dc().windowExt.y * yNum / yDenom});
    } else {
      painter_.setViewportExt({dc().viewportExt.x * xNum / xDenom, dc().viewportExt.y * yNum / yDenom});
    }
    return true;
  }

  // `mode` 4 sets the transform; otherwise the record names it.
  bool worldTransform(ByteReader& in, uint32_t mode) {
    Affine x;
    x.m11 = in.f32(), x.m12 = in.f32(), x.m21 = in.f32(), x.m22 = in.f32(), x.dx = in.f32(), x.dy = in.f32();
    if (mode == 0) mode = in.u32();
    const bool finite = std::isfinite(x.m11) && std::isfinite(x.m12) && std::isfinite(x.m21) && std::isfinite(x.m22) &&
                        std::isfinite(x.dx) && std::isfinite(x.dy);
    if (in.failed() || !finite) return fail(), true;
    switch (mode) {
      case 1: dc().world = Affine{}; break;
      case 2: dc().world = x.then(dc().world); break;
      case 3: dc().world = dc().world.then(x); break;
      case 4: dc().world = x; break;
      default: fail();
    }
    return true;
  }

  bool poly(uint32_t type, ByteReader& in) {
    const bool small = type >= kPolyBezier16;
    const uint32_t base = small ? type - (kPolyBezier16 - kPolyBezier) : type;
    readRect(in);  // bounds
    const std::vector<CanvasPoint> p = points(in, in.u32(), small);
    if (in.failed()) return true;
    switch (base) {
      case kPolyBezier: painter_.polyBezier(p, false); break;
      case kPolygon: painter_.polygon(p); break;
      case kPolyline: painter_.polyline(p, false); break;
      case kPolyBezierTo: painter_.polyBezier(p, true); break;
      default: painter_.polyline(p, true); break;
    }
    return true;
  }

  bool polyPoly(uint32_t type, ByteReader& in) {
    const bool small = type >= kPolyPolyline16;
    readRect(in);
    const uint32_t figures = in.u32();
    const uint32_t total = in.u32();
    if (!in.canHold(figures, 4)) return fail(), true;
    std::vector<uint32_t> counts(figures);
    uint64_t sum = 0;
    for (uint32_t& count : counts) sum += count = in.u32();
    if (sum != total) return fail(), true;
    const std::vector<CanvasPoint> p = points(in, total, small);
    if (in.failed()) return true;
    if (type == kPolyPolygon || type == kPolyPolygon16) painter_.polyPolygon(p, counts); else painter_.polyPolyline(p, counts);
    return true;
  }

  bool angleArc(ByteReader& in) {
    const CanvasPoint c = point32(in);
    const double radius = in.u32();
    const double start = in.f32(), sweep = in.f32();
    if (in.failed() || !std::isfinite(start) || !std::isfinite(sweep)) return fail(), true;
    const double a = start * 3.14159265358979323846 / 180, b = (start + sweep) * 3.14159265358979323846 / 180;
    const LogicalRect box{clampCoordinate(c.x - radius), clampCoordinate(c.y - radius), clampCoordinate(c.x + radius),
                         clampCoordinate(c.y + radius)};
    painter_.lineTo({c.x + radius * std::cos(a), c.y - radius * std::sin(a)});
    painter_.arc(ArcKind::arc, box, {c.x + radius * std::cos(a), c.y - radius * std::sin(a)},
                 {c.x + radius * std::cos(b), c.y - radius * std::sin(b)});
    painter_.moveTo({c.x + radius * std::cos(b), c.y - radius * std::sin(b)});
    return true;
  }

  bool selectObject(uint32_t index) {
    if (index & kStockObject) {
      painter_.selectStock(index & ~kStockObject);
      return true;
    }
    const GdiObject* object = painter_.objects().at(index);
    if (object == nullptr || !painter_.select(*object)) fail();
    return true;
  }

  bool createFont(ByteReader& in) {
    const uint32_t index = in.u32();
    FontObject font;
    font.height = in.i32();
    in.i32();  // width
    font.escapement = in.i32();
    in.i32();  // orientation
    font.weight = in.i32();
    font.italic = in.u8() != 0;
    font.underline = in.u8() != 0;
    font.strikeOut = in.u8() != 0;
    font.charset = in.u8();
    in.skip(4);
    std::string face = fromUtf16(in, 32);
    face = face.substr(0, std::min(face.find('\0'), face.size()));
    if (!face.empty()) font.face = face;
    if (!in.failed()) put(index, font);
    return true;
  }

  bool selectClipRegion(ByteReader& in) {
    const uint32_t size = in.u32();
    const uint32_t mode = in.u32();
    if (size == 0) {
      // Only a copy of no region is meaningful: the clip is lifted.
      if (mode == 5) painter_.resetClip(); else fail();
      return true;
    }
    const std::vector<LogicalRect> rects = regionRects(in, size);
    if (!in.failed()) painter_.clipDeviceRects(rects, combineOf(mode));
    return true;
  }

  bool fillRegion(ByteReader& in) {
    readRect(in);
    const uint32_t size = in.u32();
    const uint32_t brushIndex = in.u32();
    RegionObject region{regionRects(in, size)};
    if (in.failed()) return true;
    BrushObject brush = dc().brush;
    if (brushIndex & kStockObject) {
      const BrushObject selected = dc().brush;
      painter_.selectStock(brushIndex & ~kStockObject);
      brush = dc().brush;
      dc().brush = selected;
    } else if (const GdiObject* object = painter_.objects().at(brushIndex)) {
      if (const auto* b = std::get_if<BrushObject>(object)) brush = *b;
    }
    // The region is in device units of the reference device.
    const Affine world = dc().world;
    dc().world = Affine{};
    painter_.fillRegion(region, brush);
    dc().world = world;
    return true;
  }

  bool extTextOut(bool wide, ByteReader& in) {
    readRect(in);  // bounds
    in.u32();    // graphics mode
    in.f32();
    in.f32();    // scales
    TextRun run;
    run.reference = point32(in);
    const uint32_t count = in.u32();
    const uint32_t offString = in.u32();
    run.options = in.u32();
    const LogicalRect box = readRect(in);
    const uint32_t offDx = in.u32();
    if (in.failed()) return true;
    // Glyph numbers of a font we do not hold would draw the wrong letters.
    if (run.options & kGlyphIndices) return fail(), true;
    if (!(box.left == 0 && box.top == 0 && box.right == -1 && box.bottom == -1)) run.rect = box;
    const std::span<const uint8_t> chars = block(offString, static_cast<uint32_t>(std::min<uint64_t>(uint64_t{count} * (wide ? 2 : 1), UINT32_MAX)));
    if (!ok_) return true;
    ByteReader text(chars.data(), chars.size());
    run.text = wide ? fromUtf16(text, count) : std::string(text.view(count));
    if (offDx != 0 && offDx < record_.size() && (record_.size() - offDx) / 4 >= count) {
      ByteReader dx(record_.data() + offDx, record_.size() - offDx);
      for (uint32_t i = 0; i < count; ++i) run.dx.push_back(dx.i32());
      // Surrogate pairs took two advances for one character.
      run.dx.resize(std::min(run.dx.size(), run.text.size()));
    }
    painter_.text(run);
    return true;
  }

  // BitBlt, StretchBlt and AlphaBlend share their layout; without a bitmap
  // BitBlt is a pattern blit.
  bool blit(uint32_t type, ByteReader& in) {
    readRect(in);
    const int32_t x = in.i32(), y = in.i32(), cx = in.i32(), cy = in.i32();
    const uint32_t rop = in.u32();
    const int32_t xSrc = in.i32(), ySrc = in.i32();
    in.skip(24);  // source transform
    in.u32();     // source background
    in.u32();     // usage
    const uint32_t offInfo = in.u32(), sizeInfo = in.u32(), offBits = in.u32(), sizeBits = in.u32();
    int32_t cxSrc = cx, cySrc = cy;
    if (type != kBitBlt) {
      cxSrc = in.i32();
      cySrc = in.i32();
    }
    if (in.failed()) return true;
    const LogicalRect dest{x, y, clampCoordinate(double(x) + cx), clampCoordinate(double(y) + cy)};
    if (sizeInfo == 0) {
      if (!painter_.patBlt(dest, rop)) fail();
      return true;
    }
    std::optional<TPictureRec> picture = dibAt(offInfo, sizeInfo, offBits, sizeBits);
    if (!picture) return fail(), true;
    uint32_t drawRop = rop;
    if (type == kAlphaBlend) {
      const uint8_t constantAlpha = static_cast<uint8_t>(rop >> 16);
      const bool perPixel = ((rop >> 24) & 1) != 0;
      *picture = blendedOverWhite(*picture, constantAlpha, perPixel);
      drawRop = kSrcCopy;
    }
    // Source rows count from the top for these records.
    const LogicalRect source{xSrc, ySrc, xSrc + cxSrc, ySrc + cySrc};
    if (!painter_.bitmap(dest, *picture, source, drawRop)) fail();
    return true;
  }

  bool stretchDiBits(ByteReader& in) {
    readRect(in);
    const int32_t x = in.i32(), y = in.i32(), xSrc = in.i32(), ySrc = in.i32(), cxSrc = in.i32(), cySrc = in.i32();
    const uint32_t offInfo = in.u32(), sizeInfo = in.u32(), offBits = in.u32(), sizeBits = in.u32();
    in.u32();  // usage
    const uint32_t rop = in.u32();
    const int32_t cx = in.i32(), cy = in.i32();
    if (in.failed()) return true;
    const std::optional<TPictureRec> picture = dibAt(offInfo, sizeInfo, offBits, sizeBits);
    if (!picture) return fail(), true;
    const int32_t top = picture->height() - ySrc - cySrc;  // counted from the bottom line
    if (!painter_.bitmap({x, y, x + cx, y + cy}, *picture, {xSrc, top, xSrc + cxSrc, top + cySrc}, rop)) fail();
    return true;
  }

  bool setDiBitsToDevice(ByteReader& in) {
    readRect(in);
    const int32_t x = in.i32(), y = in.i32(), xSrc = in.i32(), ySrc = in.i32(), cx = in.i32(), cy = in.i32();
    const uint32_t offInfo = in.u32(), sizeInfo = in.u32(), offBits = in.u32(), sizeBits = in.u32();
    if (in.failed()) return true;
    const std::optional<TPictureRec> picture = dibAt(offInfo, sizeInfo, offBits, sizeBits);
    if (!picture) return fail(), true;
    const int32_t top = picture->height() - ySrc - cy;
    if (!painter_.bitmap({x, y, x + cx, y + cy}, *picture, {xSrc, top, xSrc + cx, top + cy}, kSrcCopy)) fail();
    return true;
  }

  Painter& painter_;
  PlayReport& report_;
  std::span<const uint8_t> record_;
  bool ok_ = true;
};

}  // namespace

// The frame (0.01 mm) is stretched over the target; logical units reach it
// through the reference device's pixels.
PlayReport playEmf(std::span<const uint8_t> bytes, const Header& header, Canvas& canvas, FontEngine& fonts,
                   const CanvasRect& target) {
  PlayReport report;
  Painter painter(canvas, fonts, header.objectCount);
  const bool device = header.devicePixelsX > 0 && header.devicePixelsY > 0 && header.deviceMillimetresX > 0 &&
                      header.deviceMillimetresY > 0;
  const double perMmX = device ? double(header.devicePixelsX) / header.deviceMillimetresX : 96 / 25.4;
  const double perMmY = device ? double(header.devicePixelsY) / header.deviceMillimetresY : 96 / 25.4;
  painter.setReferenceMillimetres(perMmX, perMmY);
  double left = header.frame.left * perMmX / 100, top = header.frame.top * perMmY / 100;
  double width = header.frame.width() * perMmX / 100, height = header.frame.height() * perMmY / 100;
  if (width <= 0 || height <= 0) {
    left = header.bounds.left, top = header.bounds.top;
    width = double(header.bounds.width()) + 1, height = double(header.bounds.height()) + 1;
  }
  const double sx = (double(target.right) - target.left) / std::max(1e-9, width);
  const double sy = (double(target.bottom) - target.top) / std::max(1e-9, height);
  painter.setPageToDevice({sx, 0, 0, sy, target.left - left * sx, target.top - top * sy});
  EmfPlayer player(painter, report);
  report.records = walkRecords(bytes, header, [&](const Record& record) { player.playRecord(record); });
  return report;
}

RecordRole emfRecordRole(uint32_t type) {
  switch (type) {
    case kBitBlt: case kStretchBlt: case kStretchDiBits: case kSetDiBitsToDevice: case kAlphaBlend:
      return RecordRole::bitmap;
    case kPolyBezier: case kPolygon: case kPolyline: case kPolyBezierTo: case kPolylineTo: case kPolyPolyline:
    case kPolyPolygon: case kSetPixelV: case kAngleArc: case kEllipse: case kRectangle: case kRoundRect: case kArc:
    case kChord: case kPie: case kExtFloodFill: case kLineTo: case kArcTo: case kPolyDraw: case kFillPath:
    case kStrokeAndFillPath: case kStrokePath: case kFillRgn: case kFrameRgn: case kInvertRgn: case kPaintRgn:
    case kMaskBlt: case kPlgBlt: case kExtTextOutA: case kExtTextOutW: case kPolyBezier16: case kPolygon16:
    case kPolyline16: case kPolyBezierTo16: case kPolylineTo16: case kPolyPolyline16: case kPolyPolygon16:
    case kPolyDraw16: case kTransparentBlt: case kGradientFill:
      return RecordRole::drawing;
    default:
      return RecordRole::state;
  }
}

}  // namespace vendaro::metafile
