// pdf_canvas.h — TPDFCanvas, a small drawing surface that writes a PDF file
// directly: integer point coordinates from the page's top-left corner,
// one zlib-compressed content stream per page, fonts embedded as subsets of
// the files the font engine measures with, bitmaps as JPEG images. The PDF
// export is its user.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "output/pdf_file.h"
#include "output/pdf_fonts.h"
#include "output/pdf_objects.h"
#include "platform/dib.h"
#include "platform/drawing_tools.h"
#include "platform/font_engine.h"

namespace vendaro {

class TPDFCanvas {
 public:
  TPDFCanvas();
  explicit TPDFCanvas(FontEngine& engine);
  // Finishes an open document.
  ~TPDFCanvas();
  TPDFCanvas(const TPDFCanvas&) = delete;
  TPDFCanvas& operator=(const TPDFCanvas&) = delete;

  // Starts a document with page 1 open. False when the file cannot be
  // created (or a document is open already).
  bool BeginDoc(const std::filesystem::path& path);
  // Ends the current page at the size PageWidthPt × PageHeightPt has now and
  // opens the next one.
  void NewPage();
  // Ends the last page and finishes the file. True when the complete file
  // stands under the name given to BeginDoc; after any write failure the
  // target is left untouched and false is returned (see error()).
  bool EndDoc();
  bool isOpen() const { return open_; }
  // Why BeginDoc refused, or the first write failure of the current or
  // last document.
  std::error_code error() const { return error_; }

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void FillRect(const CanvasRect& rect);
  void Rectangle(const CanvasRect& rect);
  // The ellipse inside the rectangle's outline (the points Rectangle would
  // stroke), as four Bézier curves: filled with Brush unless it is clear,
  // stroked with Pen unless it is clear.
  void Ellipse(const CanvasRect& rect);
  // Clips all following drawing on this page to the rectangle (right and
  // bottom outside, as for FillRect) until ResetClip or the page ends; a new
  // clip replaces an earlier one.
  void SetClip(const CanvasRect& rect);
  // Ends the clip. Pen, brush and font are written anew by the next call
  // that uses them, since the clip's saved graphics state is restored.
  void ResetClip();
  // Writes the text (code page 1252) with the top of its cell at y: the
  // baseline lies at TextBaseline(y), one ascent down, as on screen.
  void TextOut(int x, int y, std::string_view text);
  int TextBaseline(int top);
  int TextWidth(std::string_view text);
  int TextHeight(std::string_view text);
  // Draws the bitmap scaled into width × height points at (x, y). A picture
  // drawn again (the same record, or a copy sharing its pixel rows) is
  // stored once; its pixels are not copied, and are encoded at EndDoc.
  void DrawDib(int x, int y, int width, int height, const TPictureRec& bitmap);

  CanvasPen Pen;
  CanvasBrush Brush;
  CanvasFont Font;
  // The paper of the page being drawn, in points: the page's MediaBox. A
  // side beyond 14,400 points (200 inches) makes the page count in larger
  // user units and the file PDF 1.6; drawing still counts in points.
  int PageWidthPt = 595;
  int PageHeightPt = 842;
  // Shows the user a message (UTF-8), e.g. when a palette bitmap cannot be
  // widened for lack of memory. Unset: the message is dropped.
  std::function<void(const std::string&)> ShowMessage;

 private:
  struct PageSize {
    int width;
    int height;
  };

  void openPage();
  void endPage();
  std::vector<int> writeFonts();
  void writePageTree(int pagesObject, const std::vector<int>& fontObjects);
  void writeCatalog(int pagesObject);
  void writeImages();
  int imageNumberFor(const TPictureRec& bitmap);
  void resetDocument();

  void applyPen();
  void applyBrush();
  void applyFont();
  void applyTextRendering();
  void appendTextPosition(int x, int baseline);
  void strokeLine(int x0, int y0, int x1, int y1);
  void appendRect(const CanvasRect& rect);
  void invalidateState();
  // Page y of a point given from the top edge.
  int flipY(int y) const { return PageHeightPt - y; }
  const FontMetrics& fontMetrics();

  FontEngine& engine_;
  PdfFile file_;
  PdfObjectTable objects_;
  PdfFontList fonts_;
  std::vector<PageSize> pageSizes_;
  std::vector<TPictureRec> images_;
  std::string content_;
  bool open_ = false;
  std::error_code error_;

  CanvasPen lastPen_;
  CanvasBrush lastBrush_;
  bool penValid_ = false;
  bool brushValid_ = false;
  bool fontValid_ = false;
  bool penClear_ = false;
  bool clipped_ = false;
  // Text render mode 2 (fill and stroke) emboldens faces without a bold
  // file, as the font engine measured them; q … Q restores the mode.
  bool strokingText_ = false;
  bool strokingTextAtClip_ = false;
  bool emboldenValid_ = false;
  int emboldenSize_ = 0;
  uint32_t emboldenColour_ = 0;
  bool brushClear_ = false;
  int lastFontNumber_ = 0;
  int lastFontSize_ = 0;
  int penX_ = 0;
  int penY_ = 0;

  // The font last measured, and the font last looked up in the font list:
  // TextOut needs both for every run.
  CanvasFont measuredFont_;
  FontMetrics measuredMetrics_;
  bool measured_ = false;
  std::string numberedFace_;
  uint8_t numberedStyles_ = 0;
  int numberedFont_ = 0;
  bool numberedSyntheticBold_ = false;
  bool numberedSyntheticItalic_ = false;
};

}  // namespace vendaro
