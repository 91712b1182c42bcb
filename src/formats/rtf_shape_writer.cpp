// rtf_shape_writer.cpp — floating objects as RTF shapes (anchored to their
// paragraph, or to the page when no body line anchors them) and pictures
// as Windows metafiles in hexadecimal.
#include <unordered_set>

#include "document/floating_objects.h"
#include "formats/rtf_export.h"
#include "formats/wmf_writer.h"

namespace vendaro {
namespace {


bool isLineShape(uint8_t type) {
  return type == kFieldLine || type == kFieldHorizontalLine || type == kFieldVerticalLine;
}

int32_t shapeTypeOf(uint8_t type) {
  switch (type) {
    case kFieldRectangle: return 1;
    case kFieldEllipse: return 3;
    case kFieldLine: case kFieldHorizontalLine: case kFieldVerticalLine: return 20;
    case kFieldPicture: return 75;
    default: return 202;
  }
}

// The anchor ids of the lines of the body's text chain that objects are
// written beside. Lines in a table are left out: the cells of a row lie side
// by side, and an object written into one cell is tied again to whichever
// of them lies nearest, so it is written to the page instead.
std::unordered_set<int32_t> bodyAnchorIds(const Document& doc) {
  std::unordered_set<int32_t> ids;
  std::vector<bool> seen(doc.Fields.size(), false);
  for (int32_t field = 0; field >= 0 && field < doc.FieldCount() && !seen[static_cast<size_t>(field)];) {
    seen[static_cast<size_t>(field)] = true;
    const TFieldRec& frame = doc.Fields[static_cast<size_t>(field)];
    for (const TLineRec& line : frame.Lines)
      if (line.AnchorID > 0 && !line.InTable) ids.insert(line.AnchorID);
    field = frame.NextField;
  }
  return ids;
}

}  // namespace

void RtfExport::findObjects() {
  if (doc_.Fields.empty()) return;
  const std::unordered_set<int32_t> anchors = bodyAnchorIds(doc_);
  const int32_t bodyPage = doc_.Fields[0].PageNo;
  for (int32_t field = 0; field < doc_.FieldCount(); ++field) {
    const TFieldRec& frame = doc_.Fields[static_cast<size_t>(field)];
    if (!isObject(frame)) continue;
    if (frame.AnchorID > 0 && anchors.count(frame.AnchorID) != 0) anchoredObjects_[frame.AnchorID].push_back(field);
    else if (frame.PageNo == bodyPage) pageObjects_.push_back(field);
  }
}

void RtfExport::writeShape(int32_t field, bool pageAnchored) {
  if (shapeWritten_[static_cast<size_t>(field)]) return;
  shapeWritten_[static_cast<size_t>(field)] = true;
  const TFieldRec& frame = doc_.Fields[static_cast<size_t>(field)];
  const FrameBounds bounds = doc_.fieldBounds(frame);
  const double width = bounds.x2 - bounds.x1, height = bounds.y2 - bounds.y1;
  const double x = pageAnchored ? bounds.x1 : frame.AnchorDX;
  const double y = pageAnchored ? bounds.y1 : frame.AnchorDY;
  const int32_t left = mmToTwips(x), top = mmToTwips(y), right = mmToTwips(x + width), bottom = mmToTwips(y + height);
  out_.word("{\\shp{\\*\\shpinst\\shpleft", left).word("\\shptop", top);
  out_.word("\\shpright", right).word("\\shpbottom", bottom);
  out_.raw(pageAnchored ? "\\shpbxpage\\shpbypage" : "\\shpbxcolumn\\shpbypara");
  out_.raw(frame.WrapText ? "\\shpwr2\\shpwrk0" : "\\shpwr3\\shpwrk0");
  writeShapeKind(frame, x, y, width, height);
  writeShapeLineAndFill(frame);
  if (frame.FieldType == kFieldTextBox) {
    writeProperty("DxTextLeft", mmToEmu(frame.MarginLeft));
    writeProperty("DyTextTop", mmToEmu(frame.MarginTop));
    writeProperty("DxTextRight", mmToEmu(frame.MarginRight));
    writeProperty("DyTextBottom", mmToEmu(frame.MarginBottom));
    // Each box of a chain holds the text layout placed in it: readers that
    // know no chains show all of it, ours joins it up again.
    const bool linked = writeChainPlace(field);
    out_.raw("{\\shptxt ");
    writeFrame(field, !linked);
    out_.raw("}");
  }
  if (frame.FieldType == kFieldPicture && frame.LineCount() > 0) {
    const TLineRec& first = frame.Lines[0];
    if (!first.Chars.empty() && first.Chars.front().Kind == kCellPicture) {
      // The frame decides the size the picture is shown at; taken from the
      // written edges, it reads back as the same number of twips.
      out_.raw("{\\sp{\\sn pib}{\\sv ");
      writePicture(first.Chars.front(), right - left, bottom - top);
      out_.raw("}}");
    }
  }
  out_.raw("}}");
  formatValid_ = false;
}

// Horizontal and vertical lines are drawn through the middle of their
// frame: the shape is that line.
void RtfExport::writeShapeKind(const TFieldRec& frame, double x, double y, double width, double height) {
  if (frame.FieldType == kFieldHorizontalLine) {
    const int32_t middle = mmToTwips(y + height / 2);
    out_.word("\\shptop", middle).word("\\shpbottom", middle);
  } else if (frame.FieldType == kFieldVerticalLine) {
    const int32_t middle = mmToTwips(x + width / 2);
    out_.word("\\shpleft", middle).word("\\shpright", middle);
  }
  writeProperty("shapeType", shapeTypeOf(frame.FieldType));
}

void RtfExport::writeShapeLineAndFill(const TFieldRec& frame) {
  const bool picture = frame.FieldType == kFieldPicture;
  if (frame.BorderWidth != 0 && !picture) {
    writeProperty("fLine", 1);
    writeProperty("lineWidth", pointsToEmu(frame.BorderWidth));
    writeProperty("lineColor", frame.BorderColor);
  } else {
    writeProperty("fLine", 0);
  }
  // A transparent frame is not filled, whatever colour it keeps.
  if (frame.Transparent || picture) {
    writeProperty("fFilled", 0);
  } else {
    writeProperty("fFilled", 1);
    writeProperty("fillColor", frame.BackColor);
  }
  if (isLineShape(frame.FieldType)) {
    writeProperty("fFlipH", frame.LineFlip ? 1 : 0);
    writeProperty("fFlipV", 0);
  }
}

// A box of a linked chain: which chain and where in it ("lTxid"), so that
// a reader can link the boxes again. False for a box of its own.
bool RtfExport::writeChainPlace(int32_t field) {
  const auto linked = [&](int32_t from, int32_t to) {
    return to >= 0 && to < doc_.FieldCount() && to != from && doc_.Fields[static_cast<size_t>(to)].FieldType == kFieldTextBox;
  };
  const TFieldRec& box = doc_.Fields[static_cast<size_t>(field)];
  if (!linked(field, box.PrevField) && !linked(field, box.NextField)) return false;
  int32_t head = field;
  int64_t place = 0;
  std::unordered_set<int32_t> seen{field};
  for (int32_t prev = box.PrevField; linked(head, prev) && seen.insert(prev).second;
       prev = doc_.Fields[static_cast<size_t>(prev)].PrevField) {
    head = prev;
    ++place;
  }
  if (place > 0xFFFF) return true;
  const int64_t chain = chainNumbers_.try_emplace(head, static_cast<int64_t>(chainNumbers_.size()) + 1).first->second;
  writeProperty("lTxid", chain << 16 | place);
  return true;
}

void RtfExport::writeProperty(const char* name, int64_t value) {
  out_.raw("{\\sp{\\sn ").raw(name).word("}{\\sv ", value).raw("}}");
}

void RtfExport::writePicture(const TCharRec& cell, int32_t widthTwips, int32_t heightTwips) {
  if (cell.PictureIndex >= doc_.Pictures.size()) return;
  const TPictureRec& picture = doc_.Pictures[cell.PictureIndex];
  const std::vector<uint8_t> metafile = bitmapMetafile(picture);
  if (metafile.empty()) return;
  out_.word("{\\pict\\picw", picture.width()).word("\\pich", picture.height());
  out_.word("\\picwgoal", widthTwips).word("\\pichgoal", heightTwips);
  out_.raw("\\wmetafile1 ").hexData(metafile).raw("}");
}

}  // namespace vendaro
