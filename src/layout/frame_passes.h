// frame_passes.h — which frames a page shows and in which pass they are
// painted: page bodies first, then headers, footers and footnote areas, then
// text boxes, shapes and pictures on top. Every painter goes by these.
#pragma once

#include <cstdint>

#include "document/floating_objects.h"
#include "document/records.h"

namespace vendaro {

inline constexpr int kFramePasses = 3;

inline bool shownOnPage(const TFieldRec& frame, int32_t page) {
  if (frame.FieldType == kFieldBody) return frame.PageNo == page;
  return istOnAllPagesGedeckt(frame.ShowOn, frame.PageNo, page);
}

inline int passOf(const TFieldRec& frame) {
  if (frame.FieldType == kFieldBody) return 0;
  return frame.FieldType <= kFieldFooter ? 1 : 2;
}

}  // namespace vendaro
