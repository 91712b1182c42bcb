#include "document/floating_objects.h"

#include <cmath>
#include <set>
#include <utility>

namespace vendaro {
namespace {

bool isAnchoredObject(const TFieldRec& f) { return isObject(f) && f.MoveWithText; }

void recordAnchorCandidate(TFieldRec& object, const FrameBounds& r, const FlowCell& cell) {
  const double dx = cell.x + cell.width - r.x1;
  const double dy = cell.y + cell.height - r.y1;
  const double distance = std::sqrt(dx * dx + dy * dy);
  if (object.AnchorDist != -1.0 && !(distance < object.AnchorDist)) return;
  object.AnchorDist = distance;
  object.AnchorFieldIdx = cell.field;
  object.AnchorLineIdx = cell.line;
  object.NewAnchorDX = r.x1 - cell.lineX;
  object.NewAnchorDY = r.y1 - cell.lineY;
}

bool collides(const TFieldRec& o, const FrameBounds& r, const FlowCell& c) {
  const bool fromLeft = c.x + c.width >= r.x1 - o.TextDistX || o.WrapMode == 1 || o.WrapMode == 2;
  const bool fromAbove = c.y + c.height >= r.y1 - o.TextDistY;
  const bool fromRight = c.x <= r.x2 + o.TextDistX || o.WrapMode == 1 || o.WrapMode == 3;
  const bool fromBelow = c.y <= r.y2 + o.TextDistY;
  return fromLeft && fromAbove && fromRight && fromBelow;
}

}  // namespace

bool istOnAllPagesGedeckt(uint8_t showOn, int32_t framePage, int32_t page) {
  const bool oddIndex = page % 2 != 0;  // index 1 is the second page: an even page number
  switch (showOn) {
    case kShowOnOnePage: return page == framePage;
    case kShowOnAllPages: return true;
    case kShowOnNotFirst: return page > 0;
    case kShowOnEven: return oddIndex;
    case kShowOnOdd: return !oddIndex;
    case kShowOnEvenNotFirst: return oddIndex && page > 0;
    case kShowOnOddNotFirst: return !oddIndex && page > 0;
    default: return false;
  }
}

int32_t getFreeAnkerID(const Document& doc) {
  std::set<int32_t> taken;
  for (const TFieldRec& f : doc.Fields)
    if (isAnchoredObject(f)) taken.insert(f.AnchorID);
  int32_t id = kFirstAnchorId;
  while (taken.count(id)) ++id;
  return id;
}

int32_t getfieldWithAnkerID(const Document& doc, int32_t start, int32_t id) {
  if (start < 0) start = 0;
  for (int32_t i = start; i < doc.FieldCount(); ++i) {
    const TFieldRec& f = doc.Fields[static_cast<size_t>(i)];
    if (isAnchoredObject(f) && f.AnchorID == id) return i;
  }
  return -1;
}

bool iscolladingwithfield(Document& doc, FlowCell& cell) {
  const bool inBody = cell.field >= 0 && cell.field < doc.FieldCount() &&
                      doc.Fields[static_cast<size_t>(cell.field)].FieldType == kFieldBody;
  bool lineMayAnchor = false;
  if (inBody && cell.line >= 0 && cell.line < doc.Fields[static_cast<size_t>(cell.field)].LineCount()) {
    const TLineRec& line = std::as_const(doc).Fields[static_cast<size_t>(cell.field)].Lines[static_cast<size_t>(cell.line)];
    lineMayAnchor = line.InTable ? line.CellFirstLine != 0 : cell.anchorCandidate;
  }
  bool moved = false;
  for (TFieldRec& object : doc.Fields) {
    if (!isObject(object) || !istOnAllPagesGedeckt(object.ShowOn, object.PageNo, cell.page)) continue;
    const FrameBounds r = doc.fieldBounds(object);
    if (lineMayAnchor && object.MoveWithText) recordAnchorCandidate(object, r, cell);
    if (object.WrapText && !cell.noFlow && collides(object, r, cell)) {
      cell.x = r.x2 + object.TextDistX;
      moved = true;
    }
  }
  return moved;
}

void resetAnchorSearch(Document& doc) {
  for (TFieldRec& f : doc.Fields) {
    f.AnchorDist = -1.0;
    f.AnchorFieldIdx = f.AnchorLineIdx = -1;
  }
}

void tieObjectsToNearestLines(Document& doc) {
  std::set<int32_t> lineIds;
  for (const TFieldRec& frame : doc.Fields)
    if (frame.FieldType == kFieldBody)
      for (const TLineRec& line : frame.Lines)
        if (line.AnchorID >= kFirstAnchorId) lineIds.insert(line.AnchorID);
  for (TFieldRec& object : doc.Fields) {
    if (!isAnchoredObject(object)) continue;
    if (object.AnchorID >= kFirstAnchorId && lineIds.count(object.AnchorID)) continue;
    if (object.AnchorDist < 0 || object.AnchorFieldIdx < 0 || object.AnchorFieldIdx >= doc.FieldCount()) continue;
    TFieldRec& host = doc.Fields[static_cast<size_t>(object.AnchorFieldIdx)];
    if (object.AnchorLineIdx < 0 || object.AnchorLineIdx >= host.LineCount()) continue;
    const auto lineIndex = static_cast<size_t>(object.AnchorLineIdx);
    // The line is written only when it gets an id: it may be shared with undo steps.
    if (std::as_const(host.Lines)[lineIndex].AnchorID < kFirstAnchorId) {
      int32_t id = getFreeAnkerID(doc);
      while (lineIds.count(id)) ++id;
      host.Lines[lineIndex].AnchorID = id;
      lineIds.insert(id);
    }
    object.AnchorID = std::as_const(host.Lines)[lineIndex].AnchorID;
    object.AnchorDX = object.NewAnchorDX;
    object.AnchorDY = object.NewAnchorDY;
  }
}

}  // namespace vendaro
