#include "app/qt_canvas.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <array>
#include <cmath>

#include "app/qt_pictures.h"
#include "app/qt_raw_fonts.h"

namespace vendaro {
namespace {

// The slant the font engine assumes for a face without an italic file (12°).
constexpr double kSyntheticItalicShear = 0.21256;
// Pictures are kept reduced up to this size; larger ones are scaled as drawn.
constexpr int64_t kMaxReducedPixels = int64_t{16} << 20;
// Emboldening draws the run this many times at most, spread over the extra
// width the font engine measured, so that large text stays solid.
constexpr int kMaxBoldCopies = 8;

QColor toQColor(uint32_t color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

bool isEmpty(const CanvasRect& r) { return r.right <= r.left || r.bottom <= r.top; }

QRect toQRect(const CanvasRect& r) {
  return QRect(r.left, r.top, std::max(0, r.right - r.left), std::max(0, r.bottom - r.top));
}

// GDI draws shapes the same whichever corners are given.
CanvasRect normalized(const CanvasRect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

CanvasRect intersected(const CanvasRect& a, const CanvasRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// Only one-pixel pens are styled; wider dashed pens draw solid, as in GDI.
bool isStyled(const CanvasPen& pen) {
  return pen.width <= 1 && (pen.style == PenStyle::dash || pen.style == PenStyle::dot ||
                            pen.style == PenStyle::dashDot || pen.style == PenStyle::dashDotDot);
}

// The dash and gap lengths in pixels of GDI's cosmetic pens.
std::span<const int> dashPattern(PenStyle style) {
  static constexpr int kDash[] = {18, 6};
  static constexpr int kDot[] = {3, 3};
  static constexpr int kDashDot[] = {9, 6, 3, 6};
  static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (style) {
    case PenStyle::dash:
      return kDash;
    case PenStyle::dot:
      return kDot;
    case PenStyle::dashDot:
      return kDashDot;
    case PenStyle::dashDotDot:
      return kDashDotDot;
    default:
      return {};
  }
}

// Whether the pixel `step` pixels along a styled line is drawn.
bool dashOn(std::span<const int> pattern, int step) {
  if (pattern.empty()) return true;
  int period = 0;
  for (int length : pattern) period += length;
  int at = step % period;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (at < pattern[i]) return i % 2 == 0;
    at -= pattern[i];
  }
  return false;
}

// i / steps of `delta`, rounded half away from zero.
int stepOffset(int i, int delta, int steps) {
  const int64_t twice = 2 * int64_t{i} * delta;
  return static_cast<int>((twice + (delta < 0 ? -steps : steps)) / (2 * int64_t{steps}));
}

// Curves are left to Qt's aliased drawing, which starts dash patterns where
// it likes; only straight lines keep GDI's pattern phase exactly.
QPen thinEllipsePen(const CanvasPen& pen) {
  QPen result(toQColor(pen.color), 1);
  result.setCapStyle(Qt::FlatCap);
  const std::span<const int> pattern = isStyled(pen) ? dashPattern(pen.style) : std::span<const int>{};
  if (!pattern.empty()) result.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
  return result;
}

// Pens wider than one pixel have round ends and joins, as GDI's.
QPen widePen(const CanvasPen& pen) {
  QPen result(toQColor(pen.color));
  result.setWidth(pen.width);
  result.setCapStyle(Qt::RoundCap);
  result.setJoinStyle(Qt::RoundJoin);
  return result;
}

// GDI's hatched brushes as Qt patterns; NoBrush for every other style.
Qt::BrushStyle hatchPattern(BrushStyle style) {
  switch (style) {
    case BrushStyle::hatchHorizontal: return Qt::HorPattern;
    case BrushStyle::hatchVertical: return Qt::VerPattern;
    case BrushStyle::hatchForwardDiagonal: return Qt::FDiagPattern;
    case BrushStyle::hatchBackwardDiagonal: return Qt::BDiagPattern;
    case BrushStyle::hatchCross: return Qt::CrossPattern;
    case BrushStyle::hatchDiagonalCross: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
  }
}

QPainterPath toQPath(const CanvasPath& path) {
  QPainterPath out;
  const std::vector<CanvasPoint>& p = path.points();
  size_t at = 0;
  for (CanvasPath::Verb verb : path.verbs()) {
    switch (verb) {
      case CanvasPath::Verb::move: out.moveTo(p[at].x, p[at].y); ++at; break;
      case CanvasPath::Verb::line: out.lineTo(p[at].x, p[at].y); ++at; break;
      case CanvasPath::Verb::cubic:
        out.cubicTo(p[at].x, p[at].y, p[at + 1].x, p[at + 1].y, p[at + 2].x, p[at + 2].y);
        at += 3;
        break;
      case CanvasPath::Verb::close: out.closeSubpath(); break;
    }
  }
  out.setFillRule(path.winding ? Qt::WindingFill : Qt::OddEvenFill);
  return out;
}

QPainter::CompositionMode compositionOf(PictureBlend blend) {
  switch (blend) {
    case PictureBlend::sourceAnd: return QPainter::RasterOp_SourceAndDestination;
    case PictureBlend::sourcePaint: return QPainter::RasterOp_SourceOrDestination;
    case PictureBlend::sourceInvert: return QPainter::RasterOp_SourceXorDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

}  // namespace

// Everything a text run needs of one font, gathered once per canvas so that
// each run is table look-ups only.
struct QtCanvas::TextFace {
  QRawFont font;
  std::array<quint32, 256> glyphs{};
  std::array<int, 256> widths{};
  int ascent = 0;
  int height = 0;
  double boldStrength = 0;  // extra width of simulated bold, 0 for a real bold file
  bool slanted = false;     // simulated italic
  int strikeOutTop = 0;     // above the baseline
  int strikeOutThickness = 1;
};

QtCanvas::QtCanvas(QPainter& painter, FontEngine& fonts, int dpi, const CanvasRect& visible)
    : painter_(painter),
      fonts_(fonts),
      dpi_(dpi),
      visible_(visible),
      hadClip_(painter.hasClipping()),
      initialClip_(hadClip_ ? painter.clipRegion() : QRegion()) {
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setBrushOrigin(0, 0);  // hatch patterns line up across shapes, as GDI's do
}

QtCanvas::~QtCanvas() { painter_.restore(); }

void QtCanvas::setPen(const CanvasPen& pen) { pen_ = pen; }

void QtCanvas::setBrush(const CanvasBrush& brush) { brush_ = brush; }

void QtCanvas::setFont(const FontSpec& font, bool strikeOut) {
  strikeOut_ = strikeOut;
  if (face_ != nullptr && font.pixelSize == font_.pixelSize && font.bold == font_.bold &&
      font.italic == font_.italic && font.charset == font_.charset && font.faceName == font_.faceName) {
    return;
  }
  font_ = font;
  face_ = nullptr;
}

const QtCanvas::TextFace& QtCanvas::textFace() {
  if (face_ != nullptr) return *face_;
  std::string key = font_.faceName;
  key += '\n';
  key += std::to_string(font_.pixelSize);
  key += static_cast<char>('0' + (font_.bold ? 1 : 0) + (font_.italic ? 2 : 0));
  key += static_cast<char>(font_.charset);
  std::unique_ptr<TextFace>& slot = faces_[key];
  if (!slot) {
    slot = std::make_unique<TextFace>();
    TextFace& face = *slot;
    const int pixelSize = std::abs(font_.pixelSize);
    const ResolvedFace resolved = fonts_.resolve(font_.faceName, font_.bold, font_.italic);
    const RawFontFace raw = rawFontFace(resolved.filePath, resolved.faceIndex, pixelSize);
    face.font = raw.font;
    for (int byte = 0; byte < 256; ++byte) {
      face.glyphs[byte] = fonts_.glyphIndex(font_, static_cast<uint8_t>(byte));
      face.widths[byte] = fonts_.charWidth(font_, static_cast<uint8_t>(byte));
    }
    const FontMetrics metrics = fonts_.metrics(font_);
    face.ascent = metrics.ascent;
    face.height = metrics.height;
    // The font engine measured simulated bold 1/24 em wider; the copies fill
    // that width, and at least one pixel so that small text looks bold too.
    if (resolved.syntheticBold) face.boldStrength = std::max(1.0, pixelSize / 24.0);
    face.slanted = resolved.syntheticItalic;
    if (raw.font.isValid()) {
      face.strikeOutTop = static_cast<int>(std::lround(raw.strikeOutPosition));
      face.strikeOutThickness = std::max(1, static_cast<int>(std::lround(raw.strikeOutThickness)));
    } else {
      face.strikeOutTop = metrics.ascent / 3;
      face.strikeOutThickness = std::max(1, pixelSize / 16);
    }
  }
  face_ = slot.get();
  return *face_;
}

// One-pixel lines are rasterised here: Qt's aliased lines leave out the end
// that lies right or below rather than the end point, and start their dash
// pattern there too. Runs of pixels along the major axis go to Qt as
// rectangles. Returns the pattern position after the line, so that the sides
// of a rectangle continue one pattern.
int QtCanvas::thinLine(int x1, int y1, int x2, int y2, int step) {
  const int dx = x2 - x1;
  const int dy = y2 - y1;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  const bool horizontalRuns = std::abs(dx) >= std::abs(dy);
  if (outsideView(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1)) {
    return step + steps;
  }
  const std::span<const int> pattern = isStyled(pen_) ? dashPattern(pen_.style) : std::span<const int>{};
  if (pattern.empty() && (dx == 0 || dy == 0)) {
    // The common case, borders and rules: one rectangle.
    const int endX = dx > 0 ? x2 - 1 : dx < 0 ? x2 + 1 : x2;
    const int endY = dy > 0 ? y2 - 1 : dy < 0 ? y2 + 1 : y2;
    painter_.fillRect(QRect(QPoint(std::min(x1, endX), std::min(y1, endY)),
                            QPoint(std::max(x1, endX), std::max(y1, endY))),
                      toQColor(pen_.color));
    return step + steps;
  }
  runs_.clear();
  for (int i = 0; i < steps; ++i, ++step) {
    if (!dashOn(pattern, step)) continue;
    const int x = x1 + stepOffset(i, dx, steps);
    const int y = y1 + stepOffset(i, dy, steps);
    if (!runs_.empty()) {
      QRect& run = runs_.back();
      if (horizontalRuns && run.top() == y && (x == run.right() + 1 || x == run.left() - 1)) {
        run = run.united(QRect(x, y, 1, 1));
        continue;
      }
      if (!horizontalRuns && run.left() == x && (y == run.bottom() + 1 || y == run.top() - 1)) {
        run = run.united(QRect(x, y, 1, 1));
        continue;
      }
    }
    runs_.emplace_back(x, y, 1, 1);
  }
  if (!runs_.empty()) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(toQColor(pen_.color));
    painter_.drawRects(runs_.data(), static_cast<int>(runs_.size()));
  }
  return step;
}

// Solid brushes fill in their colour; the hatch lays lines in the pen's
// colour over the brush colour.
void QtCanvas::fillWithBrush(const std::function<void(const QBrush&)>& fill) {
  if (brush_.style == BrushStyle::clear) return;
  if (const Qt::BrushStyle hatch = hatchPattern(brush_.style); hatch != Qt::NoBrush) {
    if (brush_.opaqueBackground) fill(QBrush(toQColor(brush_.background)));
    fill(QBrush(toQColor(brush_.color), hatch));
    return;
  }
  if (brush_.style == BrushStyle::pattern) {
    const QImage tile = brush_.pattern ? pictureImage(*brush_.pattern) : QImage();
    fill(tile.isNull() ? QBrush(toQColor(brush_.color)) : QBrush(tile));
    return;
  }
  fill(QBrush(toQColor(brush_.color)));
  if (brush_.style == BrushStyle::diagonalHatch) fill(QBrush(toQColor(pen_.color), Qt::BDiagPattern));
}

bool QtCanvas::outsideView(int left, int top, int right, int bottom) const {
  CanvasRect view = visible_;
  if (clip_) view = intersected(view, *clip_);
  return right <= view.left || left >= view.right || bottom <= view.top || top >= view.bottom;
}

void QtCanvas::line(int x1, int y1, int x2, int y2) {
  if (pen_.style == PenStyle::clear || (x1 == x2 && y1 == y2)) return;
  if (pen_.width <= 1) {
    thinLine(x1, y1, x2, y2, 0);
    return;
  }
  painter_.setPen(widePen(pen_));
  painter_.drawLine(x1, y1, x2, y2);
}

void QtCanvas::rectangle(const CanvasRect& given) {
  const CanvasRect r = normalized(given);
  if (isEmpty(r)) return;
  const bool outlined = pen_.style != PenStyle::clear;
  const bool styled = isStyled(pen_);
  const int frame = !outlined ? 0 : styled ? 1 : std::max(1, pen_.width);
  const CanvasRect inner{r.left + frame, r.top + frame, r.right - frame, r.bottom - frame};
  if (!isEmpty(inner)) fillWithBrush([&](const QBrush& brush) { painter_.fillRect(toQRect(inner), brush); });
  if (!outlined) return;

  if (styled) {
    // Each side leaves out its end, which is where the next one starts.
    int step = thinLine(r.left, r.top, r.right - 1, r.top, 0);
    step = thinLine(r.right - 1, r.top, r.right - 1, r.bottom - 1, step);
    step = thinLine(r.right - 1, r.bottom - 1, r.left, r.bottom - 1, step);
    thinLine(r.left, r.bottom - 1, r.left, r.top, step);
    return;
  }
  // The outline is the outer `frame` pixels: two full-width bands and the
  // two side bands between them.
  const QColor color = toQColor(pen_.color);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const int band = std::min(frame, height);
  painter_.fillRect(QRect(r.left, r.top, width, band), color);
  const int bottomTop = std::max(r.top + band, r.bottom - frame);
  painter_.fillRect(QRect(r.left, bottomTop, width, r.bottom - bottomTop), color);
  const int sideHeight = bottomTop - (r.top + band);
  if (sideHeight <= 0) return;
  const int side = std::min(frame, width);
  painter_.fillRect(QRect(r.left, r.top + band, side, sideHeight), color);
  const int rightLeft = std::max(r.left + side, r.right - frame);
  painter_.fillRect(QRect(rightLeft, r.top + band, r.right - rightLeft, sideHeight), color);
}

void QtCanvas::ellipse(const CanvasRect& given) {
  const CanvasRect r = normalized(given);
  if (isEmpty(r)) return;
  const double width = r.right - r.left;
  const double height = r.bottom - r.top;
  const bool outlined = pen_.style != PenStyle::clear;
  const int penWidth = std::max(1, pen_.width);
  // Qt's aliased drawing covers the pixels whose centres lie inside a shape,
  // and a one-pixel outline one pixel beyond its rectangle's right and
  // bottom; these rectangles keep fill and outline inside `r`.
  QRectF shape(r.left, r.top, width, height);
  if (outlined && penWidth == 1) {
    shape = QRectF(r.left, r.top, width - 1, height - 1);
  } else if (outlined) {
    shape = QRectF(r.left + penWidth / 2.0, r.top + penWidth / 2.0, width - penWidth, height - penWidth);
  }
  painter_.setPen(Qt::NoPen);
  if (outlined && (shape.width() <= 0 || shape.height() <= 0)) {
    // The pen is wider than the shape is thick: all of it is outline.
    painter_.setBrush(toQColor(pen_.color));
    painter_.drawEllipse(QRectF(r.left, r.top, width, height));
    return;
  }
  fillWithBrush([&](const QBrush& brush) {
    painter_.setBrush(brush);
    painter_.drawEllipse(shape);
  });
  if (!outlined) return;
  painter_.setPen(penWidth > 1 ? widePen(pen_) : thinEllipsePen(pen_));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(shape);
}

void QtCanvas::fillRect(const CanvasRect& r, uint32_t color) {
  if (isEmpty(r)) return;
  painter_.fillRect(toQRect(r), toQColor(color));
}

int QtCanvas::layoutRun(const TextFace& face, std::string_view text, std::span<const int> advances) {
  const size_t count = text.size();
  glyphs_.resize(count);
  positions_.resize(count);
  int advance = 0;
  for (size_t i = 0; i < count; ++i) {
    const auto byte = static_cast<uint8_t>(text[i]);
    glyphs_[i] = face.glyphs[byte];
    positions_[i] = QPointF(advance, 0);
    advance += i < advances.size() ? advances[i] : face.widths[byte];
  }
  return advance;
}

void QtCanvas::textOut(int x, int y, std::string_view text, std::span<const int> advances) {
  if (text.empty()) return;
  const TextFace& face = textFace();
  const int advance = layoutRun(face, text, advances);
  // Slanted, emboldened and accented glyphs may reach beyond the cell.
  const int margin = face.height;
  if (outsideView(std::min(x, x + advance) - margin, y - margin, std::max(x, x + advance) + margin,
                  y + face.height + margin)) {
    return;
  }
  drawRun(face, x, y, advance);
}

void QtCanvas::textOutRotated(int x, int y, double degrees, std::string_view text, std::span<const int> advances) {
  if (text.empty()) return;
  const TextFace& face = textFace();
  const int advance = layoutRun(face, text, advances);
  painter_.save();
  painter_.translate(x, y);
  painter_.rotate(-degrees);
  drawRun(face, 0, 0, advance);
  painter_.restore();
}

void QtCanvas::drawRun(const TextFace& face, int x, int y, int advance) {
  const int count = static_cast<int>(glyphs_.size());
  const int baseline = y + face.ascent;
  const QColor color = toQColor(textColor_);
  if (face.font.isValid()) {
    run_.setRawFont(face.font);
    run_.setRawData(glyphs_.data(), positions_.data(), count);
    painter_.setPen(color);
    const QTransform previous = painter_.worldTransform();
    if (face.slanted) {
      // Slant about the baseline, so the glyphs keep their positions on it.
      painter_.setWorldTransform(
          QTransform(1, 0, -kSyntheticItalicShear, 1, kSyntheticItalicShear * baseline, 0), true);
    }
    if (face.boldStrength > 0) {
      const int copies = std::clamp(static_cast<int>(std::ceil(face.boldStrength)), 1, kMaxBoldCopies);
      for (int i = 0; i <= copies; ++i) {
        painter_.drawGlyphRun(QPointF(x + face.boldStrength * i / copies, baseline), run_);
      }
    } else {
      painter_.drawGlyphRun(QPointF(x, baseline), run_);
    }
    if (face.slanted) painter_.setWorldTransform(previous);
  }
  if (strikeOut_ && advance > 0) {
    painter_.fillRect(QRect(x, baseline - face.strikeOutTop, advance, face.strikeOutThickness), color);
  }
}

namespace {

// The part of a picture of width × height pixels that lands in `shown`, a
// part of `dest` where the whole picture is drawn.
QRectF shownSource(const CanvasRect& dest, const CanvasRect& shown, int width, int height) {
  const double scaleX = double(width) / (double(dest.right) - dest.left);
  const double scaleY = double(height) / (double(dest.bottom) - dest.top);
  return {(double(shown.left) - dest.left) * scaleX, (double(shown.top) - dest.top) * scaleY,
          (double(shown.right) - shown.left) * scaleX, (double(shown.bottom) - shown.top) * scaleY};
}

}  // namespace

// A large picture shown at less than half its size is sampled straight into
// the shown pixels instead of being converted whole (a 1-bit picture of 400
// megapixels would take 1.6 GB as an image, and every paint would scale it).
bool QtCanvas::drawSampledPicture(const CanvasRect& dest, const CanvasRect& shown, const TPictureRec& picture) {
  constexpr double kSampleAbovePixels = 16e6;
  const QRectF device = painter_.worldTransform().mapRect(QRectF(toQRect(shown)));
  const QRectF source = shownSource(dest, shown, picture.width(), picture.height());
  if (double(picture.width()) * picture.height() < kSampleAbovePixels ||
      device.width() * device.height() * 4 > source.width() * source.height())
    return false;
  const QSize size(std::max(1, int(std::ceil(device.width()))), std::max(1, int(std::ceil(device.height()))));
  const QImage image = sampledPicture(picture, source, size);
  if (image.isNull()) return true;  // not enough memory even for the view: nothing is drawn
  painter_.drawImage(QRectF(toQRect(shown)), image);
  return true;
}

void QtCanvas::drawPicture(const CanvasRect& dest, const TPictureRec& picture) {
  if (isEmpty(dest)) return;
  CanvasRect shown = intersected(dest, visible_);
  if (clip_) shown = intersected(shown, *clip_);
  if (isEmpty(shown)) return;
  if (drawSampledPicture(dest, shown, picture)) return;
  const QImage image = pictureImage(picture);
  if (image.isNull()) return;
  const int destWidth = dest.right - dest.left, destHeight = dest.bottom - dest.top;
  if (destWidth > 0 && destHeight > 0 && destWidth < image.width() && destHeight < image.height() &&
      int64_t{destWidth} * destHeight <= kMaxReducedPixels) {
    // A reduced picture is reduced once per size and then only copied.
    const QImage reduced = reducedPictureImage(picture, QSize(destWidth, destHeight));
    const QRect part(shown.left - dest.left, shown.top - dest.top, shown.right - shown.left, shown.bottom - shown.top);
    painter_.drawImage(QPoint(shown.left, shown.top), reduced, part);
    return;
  }

  // Only the part of the picture that lands in the shown part of the
  // rectangle is handed to Qt, as a fractional source rectangle, so a picture
  // magnified far beyond the view costs no more than what is seen and no
  // huge coordinates reach Qt's fixed-point scaler.
  const QRectF source = shownSource(dest, shown, image.width(), image.height());
  // Reduced pictures are smoothed; enlarged ones keep crisp pixels, as GDI
  // stretches them.
  painter_.setRenderHint(QPainter::SmoothPixmapTransform,
                         source.width() > shown.right - shown.left || source.height() > shown.bottom - shown.top);
  painter_.drawImage(QRectF(toQRect(shown)), image, source);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void QtCanvas::setClip(const CanvasRect& r) {
  clip_ = r;
  clipArea_.reset();
  if (hadClip_) {
    painter_.setClipRegion(initialClip_);
    painter_.setClipRect(toQRect(r), Qt::IntersectClip);
  } else {
    painter_.setClipRect(toQRect(r), Qt::ReplaceClip);
  }
}

void QtCanvas::clearClip() {
  clip_.reset();
  clipArea_.reset();
  if (hadClip_) {
    painter_.setClipRegion(initialClip_);
  } else {
    painter_.setClipping(false);
  }
}

// Devices without raster operations (printers, PDF) cannot invert what they
// hold; selections are never printed, so nothing is lost there.
void QtCanvas::invertRect(const CanvasRect& r) {
  if (isEmpty(r)) return;
  const QPaintEngine* engine = painter_.paintEngine();
  if (engine == nullptr || !engine->hasFeature(QPaintEngine::RasterOpModes)) return;
  painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter_.fillRect(toQRect(r), Qt::white);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtCanvas::drawPath(const CanvasPath& path, bool fill, bool stroke) {
  if (path.empty()) return;
  const QPainterPath shape = toQPath(path);
  if (fill) fillWithBrush([&](const QBrush& brush) { painter_.fillPath(shape, brush); });
  if (!stroke || pen_.style == PenStyle::clear) return;
  painter_.strokePath(shape, pen_.width > 1 ? widePen(pen_) : thinEllipsePen(pen_));
}

// The clip is kept as an area so that shapes can be taken away from it or
// added to it; Qt clips to that area within the clip the painter came with.
void QtCanvas::clipPath(const CanvasPath& path, ClipCombine how) {
  const QPainterPath shape = toQPath(path);
  QPainterPath current;
  if (clipArea_) {
    current = *clipArea_;
  } else {
    current.addRect(toQRect(clip_ ? *clip_ : visible_));
  }
  switch (how) {
    case ClipCombine::replace: clipArea_ = shape; break;
    case ClipCombine::intersect: clipArea_ = current.intersected(shape); break;
    case ClipCombine::exclude: clipArea_ = current.subtracted(shape); break;
    case ClipCombine::unite: clipArea_ = current.united(shape); break;
  }
  const QRect bounds = clipArea_->boundingRect().toAlignedRect();
  clip_ = CanvasRect{bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height()};
  applyClipArea();
}

void QtCanvas::applyClipArea() {
  if (hadClip_) {
    painter_.setClipRegion(initialClip_);
    painter_.setClipPath(*clipArea_, Qt::IntersectClip);
  } else {
    painter_.setClipPath(*clipArea_, Qt::ReplaceClip);
  }
}

// Devices without raster operations get the picture copied.
void QtCanvas::blendPicture(const CanvasRect& dest, const TPictureRec& picture, PictureBlend blend) {
  const QPaintEngine* engine = painter_.paintEngine();
  const bool rasterOps = engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes);
  if (blend != PictureBlend::copy && rasterOps) painter_.setCompositionMode(compositionOf(blend));
  drawPicture(dest, picture);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace vendaro
