// word_page_setup.cpp — converts a section's page values to millimetres and
// keeps Word's defaults where the file's values leave no page to write on.
#include "formats/word_page_setup.h"

#include <cstdlib>

#include "formats/word_formats.h"

namespace vendaro::word {
namespace {

constexpr double kMinPageMm = 10.0;
// A distance that leaves less than 1 mm to its margin is pulled back by
// 0.5142857 inch.
constexpr double kDistancePullBackMm = 0.5142857142857143 * kMmPerInch;

PageSetupValues valuesOf(const SectionProps& s) {
  PageSetupValues v;
  v.PageWidth = twipsToMm(std::abs(s.pageWidth));
  v.PageHeight = twipsToMm(std::abs(s.pageHeight));
  v.MarginLeft = twipsToMm(std::abs(s.left));
  v.MarginRight = twipsToMm(std::abs(s.right));
  v.MarginTop = twipsToMm(std::abs(s.top));
  v.MarginBottom = twipsToMm(std::abs(s.bottom));
  v.HeaderDistance = twipsToMm(std::abs(s.headerDistance));
  v.FooterDistance = twipsToMm(std::abs(s.footerDistance));
  if (v.HeaderDistance + 1.0 > v.MarginTop) v.HeaderDistance = std::max(0.0, v.MarginTop - kDistancePullBackMm);
  if (v.FooterDistance + 1.0 > v.MarginBottom) v.FooterDistance = std::max(0.0, v.MarginBottom - kDistancePullBackMm);
  return v;
}

bool usable(const PageSetupValues& v) {
  return v.PageWidth >= kMinPageMm && v.PageHeight >= kMinPageMm && v.MarginLeft + v.MarginRight < v.PageWidth &&
         v.MarginTop + v.MarginBottom < v.PageHeight;
}

}  // namespace

PageSetupValues pageSetupOf(const SectionProps& section, bool facingPages) {
  PageSetupValues v = valuesOf(section);
  if (!usable(v)) v = valuesOf(SectionProps{});
  v.Mode = section.titlePage ? (facingPages ? kFirstPageEvenOdd : kFirstPage) : (facingPages ? kEvenOdd : kSameOnAllPages);
  return v;
}

}  // namespace vendaro::word
