// rtf_export.h — one RTF export: the tables gathered up front, the output
// line, the last written character format, and the steps that write each
// part of the file (document order, frames and their lines, paragraph and
// character formats, shapes and pictures). Every frame and every shape is
// written at most once, so a damaged chain or anchor cannot loop.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "document/document.h"
#include "formats/rtf_output.h"
#include "formats/rtf_font_colour_tables.h"
#include "layout/line_geometry.h"

namespace vendaro {

// A line of a frame's text chain.
struct RtfLineRef {
  int32_t field = 0;
  int32_t line = 0;
  const TLineRec* record = nullptr;
};

class RtfExport {
 public:
  RtfExport(const Document& doc, RtfSink sink);
  void writeDocument();

 private:
  // What the frame writer remembers while it walks one frame's chain.
  struct FrameState {
    bool firstParagraph = true;
    bool previousInTable = false;
    int32_t columns = 1;
    int32_t columnLines = 0;
  };

  // Document order (rtf_writer.cpp).
  void writeInfo();
  void writePageLine();
  void writeHeadersAndFooters();
  int32_t frameValue(int32_t field, double TFieldRec::*value) const;

  // Frames and lines (rtf_frame_writer.cpp).
  // A frame with the frames its text chain continues in, or alone.
  void writeFrame(int32_t field, bool wholeChain = true);
  std::vector<RtfLineRef> chainLines(int32_t first, bool wholeChain);
  void writeLine(const std::vector<RtfLineRef>& lines, size_t at, FrameState& state);
  void startParagraph(const std::vector<RtfLineRef>& lines, size_t at, const TLineRec* above, FrameState& state);
  void writeColumns(const TLineRec& line, FrameState& state);
  void writeCells(const TLineRec& line);
  void writeCell(const TCharRec& cell);
  void writeField(const TCharRec& cell);
  void writeFootnote(const TCharRec& cell);
  void writeObjectsOf(const TLineRec& line, bool firstBodyLine);

  // Paragraph and character formats, rows and list prefixes (rtf_formats.cpp).
  void writeParagraphFormat(const TLineRec& line);
  void writeRowDefinition(const std::vector<RtfLineRef>& lines, size_t at);
  void writeCellDesign(const TCellDesign& design);
  void writeListPrefix(const TLineRec& line);
  void writeCharacterFormat(const TFontRec& font, int32_t fontIndex);
  void writeCellFormat(const TCharRec& cell);
  // Left and right edge of a table line's cell, mm from its column's left.
  std::pair<double, double> cellEdges(const RtfLineRef& ref);

  // Shapes and pictures (rtf_shapes.cpp).
  void findObjects();
  void writeShape(int32_t field, bool pageAnchored);
  void writeShapeKind(const TFieldRec& frame, double x, double y, double width, double height);
  void writeShapeLineAndFill(const TFieldRec& frame);
  bool writeChainPlace(int32_t field);
  void writeProperty(const char* name, int64_t value);
  void writePicture(const TCharRec& cell, int32_t widthTwips, int32_t heightTwips);

  const Document& doc_;
  RtfOutput out_;
  RtfFontNames fonts_;
  RtfColours colours_;
  // The last written character format; invalid after a paragraph start,
  // a list prefix and any group that ends (a reader restores the format
  // that held before the group).
  TFontRec lastFormat_;
  int32_t lastFontIndex_ = -1;
  bool formatValid_ = false;
  std::vector<bool> frameWritten_;
  std::vector<bool> shapeWritten_;
  // Object frames by the anchor id of their line, in frame order.
  std::unordered_map<int32_t, std::vector<int32_t>> anchoredObjects_;
  // Objects on the body's page that no body line anchors.
  std::vector<int32_t> pageObjects_;
  std::unordered_map<int32_t, FrameGeometry> geometry_;
  // Chains of linked text boxes by their first box, numbered from 1 in
  // the order they are written.
  std::unordered_map<int32_t, int64_t> chainNumbers_;
};

}  // namespace vendaro
