// floating_objects.h — the rules about frames that float over the text: on
// which pages a frame shows, anchor ids that tie an object to a line, and the
// test that makes text flow around objects while recording the nearest
// anchor line for each object.
#pragma once

#include <cstdint>

#include "document/document.h"

namespace vendaro {

inline constexpr int32_t kFirstAnchorId = 100;

// Text boxes, drawing objects and picture frames float over the text; page
// bodies, headers, footers and footnote areas do not.
inline bool isObject(const TFieldRec& frame) { return frame.FieldType > kFieldFooter; }

// Whether a frame with this `ShowOn` and `PageNo` is shown on the zero-based page.
bool istOnAllPagesGedeckt(uint8_t showOn, int32_t framePage, int32_t page);

// The smallest id from 100 on that no anchored object frame carries.
int32_t getFreeAnkerID(const Document& doc);
// The first anchored object frame at or after `start` with that id, −1 when none.
int32_t getfieldWithAnkerID(const Document& doc, int32_t start, int32_t id);

// One character cell as the text flow test sees it; lengths in mm.
struct FlowCell {
  int32_t page = 0;
  bool noFlow = false;          // this cell never moves aside
  bool anchorCandidate = false; // the line may anchor objects when it is not in a table
  int32_t field = 0;            // the text frame and line the cell is in
  int32_t line = 0;
  double lineX = 0, lineY = 0;
  double x = 0;                 // in/out: moved right of a colliding object
  double width = 0;
  double y = 0;
  double height = 0;
};

// Tests the cell against every object shown on its page, in frame order:
// records the nearest anchor line of objects that move with the text, and
// moves the cell right of objects that text flows around. True when it moved.
bool iscolladingwithfield(Document& doc, FlowCell& cell);

// Resets every object's nearest-anchor search (start of a paint).
void resetAnchorSearch(Document& doc);

// End of a paint: each object that moves with the text but is tied to no
// body line (new, moved, or read from a file, which keeps no line ids) is
// tied to the nearest line that paint found for it, handing the line an id
// when it has none, and keeps the offset measured there.
void tieObjectsToNearestLines(Document& doc);

}  // namespace vendaro
