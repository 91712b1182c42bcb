// rtf_page_end.cpp — the end of an RTF file: open groups are closed as if
// their braces had been there, then paper, margins, header and footer
// distances and the header/footer pairs are applied as the page set-up.
#include <algorithm>

#include "document/page_setup.h"
#include "formats/rtf_reader_state.h"

namespace vendaro::rtf {
namespace {

// A header or footer needs at least this much room from the body's margin.
constexpr double kHeaderRoomMm = 1.0;
constexpr double kHeaderFallbackMm = 0.5142857142857143 * kMmPerInch;

double fittedDistance(double distance, double margin) {
  if (distance + kHeaderRoomMm > margin) distance = margin - kHeaderFallbackMm;
  return std::max(distance, 0.0);
}

HeaderFooterMode modeOf(bool titlePage, bool facingPages) {
  if (titlePage) return facingPages ? kFirstPageEvenOdd : kFirstPage;
  return facingPages ? kEvenOdd : kSameOnAllPages;
}

}  // namespace

void Reader::finishDocument() {
  // A file that ends inside groups keeps what it holds.
  while (stack_.size() > 1) {
    GroupState outer = std::move(stack_.back());
    stack_.pop_back();
    endGroupDestination(outer);
    state_ = std::move(outer);
  }
  if (row_.open) endRow();
  linkTextBoxes();
  if (!row_.open && !paragraphFormatKept_) applyParagraphState(caretLine());
  PageSetupValues values;
  values.PageWidth = twipsToMm(page_.paperWidth);
  values.PageHeight = twipsToMm(page_.paperHeight);
  values.MarginLeft = twipsToMm(page_.marginLeft);
  values.MarginRight = twipsToMm(page_.marginRight);
  values.MarginTop = twipsToMm(page_.marginTop);
  values.MarginBottom = twipsToMm(page_.marginBottom);
  values.HeaderDistance = fittedDistance(headerDistanceMm_, values.MarginTop);
  values.FooterDistance = fittedDistance(footerDistanceMm_, values.MarginBottom);
  values.Mode = modeOf(titlePage_, facingPages_);
  applyPageSetup(doc_, values, true);
  doc_.CurField = doc_.CurLine = doc_.CurChar = 0;
  doc_.MarkField = doc_.MarkLine = doc_.MarkChar = 0;
  doc_.SetAllDirtyFlags();
}

}  // namespace vendaro::rtf
