// qt_canvas.h — the drawing surface of the painters on anything Qt paints
// on (an image, a widget during its paint event, a printer), with GDI's
// pixel rules: shapes are not antialiased, right and bottom edges are
// exclusive, and text is drawn with the very glyphs the font engine measured.
#pragma once

#include <QGlyphRun>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QRegion>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/canvas.h"

class QBrush;
class QPainter;

namespace vendaro {

class QtCanvas final : public Canvas {
 public:
  // `painter` is active on its device and outlives the canvas; its state is
  // restored when the canvas goes. `visible` is in device pixels.
  QtCanvas(QPainter& painter, FontEngine& fonts, int dpi, const CanvasRect& visible);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  int dpi() const override { return dpi_; }
  CanvasRect visibleRect() const override { return visible_; }

  void setPen(const CanvasPen& pen) override;
  void setBrush(const CanvasBrush& brush) override;
  void setFont(const FontSpec& font, bool strikeOut) override;
  void setTextColor(uint32_t color) override { textColor_ = color; }

  void line(int x1, int y1, int x2, int y2) override;
  void rectangle(const CanvasRect& r) override;
  void ellipse(const CanvasRect& r) override;
  void fillRect(const CanvasRect& r, uint32_t color) override;
  void textOut(int x, int y, std::string_view text, std::span<const int> advances = {}) override;
  void drawPicture(const CanvasRect& dest, const TPictureRec& picture) override;

  void setClip(const CanvasRect& r) override;
  void clearClip() override;
  void invertRect(const CanvasRect& r) override;

  void drawPath(const CanvasPath& path, bool fill, bool stroke) override;
  void clipPath(const CanvasPath& path, ClipCombine how) override;
  void textOutRotated(int x, int y, double degrees, std::string_view text, std::span<const int> advances) override;
  void blendPicture(const CanvasRect& dest, const TPictureRec& picture, PictureBlend blend) override;

 private:
  struct TextFace;

  const TextFace& textFace();
  int thinLine(int x1, int y1, int x2, int y2, int step);
  void fillWithBrush(const std::function<void(const QBrush&)>& fill);
  bool outsideView(int left, int top, int right, int bottom) const;
  // Lays out the run's glyphs; returns its advance.
  int layoutRun(const TextFace& face, std::string_view text, std::span<const int> advances);
  void drawRun(const TextFace& face, int x, int y, int advance);
  void applyClipArea();
  bool drawSampledPicture(const CanvasRect& dest, const CanvasRect& shown, const TPictureRec& picture);

  QPainter& painter_;
  FontEngine& fonts_;
  int dpi_;
  CanvasRect visible_;
  bool hadClip_;
  QRegion initialClip_;
  std::optional<CanvasRect> clip_;
  // The clip of clipPath, when one is in force; clip_ holds its bounds.
  std::optional<QPainterPath> clipArea_;

  CanvasPen pen_;
  CanvasBrush brush_;
  uint32_t textColor_ = 0;

  FontSpec font_;
  bool strikeOut_ = false;
  const TextFace* face_ = nullptr;
  std::unordered_map<std::string, std::unique_ptr<TextFace>> faces_;
  std::vector<quint32> glyphs_;
  std::vector<QPointF> positions_;
  QGlyphRun run_;
  std::vector<QRect> runs_;
};

}  // namespace vendaro
