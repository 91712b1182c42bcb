// recording_canvas.h — a drawing surface for tests that remembers every call
// with the pen, brush, font and text colour in force, so that tests can
// check the exact geometry the painter asked for.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace vendaro::test {

class RecordingCanvas : public Canvas {
 public:
  enum class Op { line, rectangle, ellipse, fill, text, picture, clip, unclip, invert, path, clipPath, blend };
  struct Call {
    Op op;
    CanvasRect rect;   // line: left/top = start, right/bottom = end; text: left/top = position
    std::string text;
    std::vector<int> advances;
    CanvasPen pen;
    CanvasBrush brush;
    FontSpec font;
    bool strikeOut = false;
    uint32_t color = 0;  // fill colour, or the text colour of a text call
    CanvasPath path;     // path and clipPath calls, in device pixels
    bool fill = false;   // path: filled; clipPath: how (as a number)
    bool stroke = false;
    double angle = 0;    // text turned counter-clockwise, degrees
    int how = 0;         // clipPath: ClipCombine; blend: PictureBlend
    int pictureWidth = 0;
  };

  explicit RecordingCanvas(int dpi = 96, CanvasRect visible = {-100000, -100000, 100000, 100000})
      : dpi_(dpi), visible_(visible) {}

  int dpi() const override { return dpi_; }
  CanvasRect visibleRect() const override { return visible_; }
  void setPen(const CanvasPen& pen) override { pen_ = pen; }
  void setBrush(const CanvasBrush& brush) override { brush_ = brush; }
  void setFont(const FontSpec& font, bool strikeOut) override {
    font_ = font;
    strikeOut_ = strikeOut;
  }
  void setTextColor(uint32_t color) override { textColor_ = color; }
  void line(int x1, int y1, int x2, int y2) override { add(Op::line, {x1, y1, x2, y2}); }
  void rectangle(const CanvasRect& r) override { add(Op::rectangle, r); }
  void ellipse(const CanvasRect& r) override { add(Op::ellipse, r); }
  void fillRect(const CanvasRect& r, uint32_t color) override { add(Op::fill, r).color = color; }
  void textOut(int x, int y, std::string_view text, std::span<const int> advances) override {
    Call& call = add(Op::text, {x, y, x, y});
    call.text = std::string(text);
    call.advances.assign(advances.begin(), advances.end());
    call.color = textColor_;
  }
  void drawPicture(const CanvasRect& r, const TPictureRec& p) override { add(Op::picture, r).pictureWidth = p.width(); }
  void drawPath(const CanvasPath& path, bool fill, bool stroke) override {
    Call& call = add(Op::path, path.bounds());
    call.path = path;
    call.fill = fill;
    call.stroke = stroke;
  }
  void clipPath(const CanvasPath& path, ClipCombine how) override {
    Call& call = add(Op::clipPath, path.bounds());
    call.path = path;
    call.how = static_cast<int>(how);
  }
  void textOutRotated(int x, int y, double degrees, std::string_view text, std::span<const int> advances) override {
    textOut(x, y, text, advances);
    calls.back().angle = degrees;
  }
  void blendPicture(const CanvasRect& r, const TPictureRec& p, PictureBlend blend) override {
    Call& call = add(Op::blend, r);
    call.how = static_cast<int>(blend);
    call.pictureWidth = p.width();
  }
  void setClip(const CanvasRect& r) override { add(Op::clip, r); }
  void clearClip() override { add(Op::unclip, {}); }
  void invertRect(const CanvasRect& r) override { add(Op::invert, r); }

  std::vector<Call> calls;

  std::vector<const Call*> of(Op op) const {
    std::vector<const Call*> found;
    for (const Call& c : calls)
      if (c.op == op) found.push_back(&c);
    return found;
  }
  // Text calls whose text contains `needle`.
  std::vector<const Call*> texts(std::string_view needle) const {
    std::vector<const Call*> found;
    for (const Call& c : calls)
      if (c.op == Op::text && c.text.find(needle) != std::string::npos) found.push_back(&c);
    return found;
  }
  bool anyLineInColor(uint32_t color) const {
    for (const Call& c : calls)
      if (c.op == Op::line && c.pen.color == color && c.pen.style != PenStyle::clear) return true;
    return false;
  }

 private:
  Call& add(Op op, CanvasRect r) {
    Call call{op, r, {}, {}, pen_, brush_, font_, strikeOut_, 0, {}, false, false, 0, 0, 0};
    calls.push_back(std::move(call));
    return calls.back();
  }

  int dpi_;
  CanvasRect visible_;
  CanvasPen pen_;
  CanvasBrush brush_;
  FontSpec font_;
  bool strikeOut_ = false;
  uint32_t textColor_ = 0;
};

}  // namespace vendaro::test
