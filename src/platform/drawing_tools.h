// drawing_tools.h — the pen, brush, font and rectangle that every drawing
// surface of the program takes (screen, printer and PDF canvases): plain
// values in the GDI sense. Colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace vendaro {

enum class PenStyle : uint8_t { solid, dash, dot, dashDot, dashDotDot, clear, insideFrame };
struct TPictureRec;

// diagonalHatch: diagonal lines in the pen colour over the brush colour
// (the ring around a selected text box). The hatch… styles are GDI's hatched
// brushes: lines in the brush colour over `background` when
// `opaqueBackground`, over what lies beneath otherwise. `pattern` tiles the
// brush's picture from the surface's origin.
enum class BrushStyle : uint8_t {
  solid,
  clear,
  diagonalHatch,
  hatchHorizontal,
  hatchVertical,
  hatchForwardDiagonal,   // top-left to bottom-right
  hatchBackwardDiagonal,  // bottom-left to top-right
  hatchCross,
  hatchDiagonalCross,
  pattern,
};

struct CanvasPen {
  PenStyle style = PenStyle::solid;
  int width = 1;                // in the surface's units (points on a PDF page)
  uint32_t color = 0x000000;

  bool operator==(const CanvasPen&) const = default;
};

struct CanvasBrush {
  BrushStyle style = BrushStyle::solid;
  uint32_t color = 0xFFFFFF;
  uint32_t background = 0xFFFFFF;
  bool opaqueBackground = false;
  std::shared_ptr<const TPictureRec> pattern = nullptr;

  bool operator==(const CanvasBrush&) const = default;
};

struct CanvasFont {
  std::string name = "Microsoft Sans Serif";
  int size = 8;                 // em height in points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  uint32_t color = 0x000000;
  uint8_t charset = 1;          // Windows character set; 1 is DEFAULT_CHARSET

  bool operator==(const CanvasFont&) const = default;
};

// A Windows RECT: right and bottom lie just outside the rectangle.
struct CanvasRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const CanvasRect&) const = default;
};

}  // namespace vendaro
