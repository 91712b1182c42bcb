// null_canvas.h — a surface that draws nothing and shows nothing: paints that
// only finish the layout (page numbers, text flow, anchored objects) run on it.
#pragma once

#include "platform/canvas.h"

namespace vendaro {

class NullCanvas : public Canvas {
 public:
  explicit NullCanvas(int dpi) : dpi_(dpi) {}
  int dpi() const override { return dpi_; }
  // Nothing is seen, so painters skip all drawing and keep the geometry.
  CanvasRect visibleRect() const override { return {}; }
  void setPen(const CanvasPen&) override {}
  void setBrush(const CanvasBrush&) override {}
  void setFont(const FontSpec&, bool) override {}
  void setTextColor(uint32_t) override {}
  void line(int, int, int, int) override {}
  void rectangle(const CanvasRect&) override {}
  void ellipse(const CanvasRect&) override {}
  void fillRect(const CanvasRect&, uint32_t) override {}
  void textOut(int, int, std::string_view, std::span<const int>) override {}
  void drawPicture(const CanvasRect&, const TPictureRec&) override {}
  void setClip(const CanvasRect&) override {}
  void clearClip() override {}
  void invertRect(const CanvasRect&) override {}

 private:
  int dpi_;
};

}  // namespace vendaro
