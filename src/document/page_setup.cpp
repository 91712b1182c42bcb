#include "document/page_setup.h"

#include <algorithm>

namespace vendaro {
namespace {

// Frames 1 to 6 are three header/footer pairs. A document read from a file
// may lack them; only pairs that are really there are touched.
template <typename Doc>
auto frameOfPair(Doc& doc, int pair, int member, uint8_t type) -> decltype(&doc.Fields[0]) {
  size_t i = static_cast<size_t>(1 + 2 * pair + member);
  return i < doc.Fields.size() && doc.Fields[i].FieldType == type ? &doc.Fields[i] : nullptr;
}

template <typename Doc>
auto headerOf(Doc& doc, int pair) { return frameOfPair(doc, pair, 0, kFieldHeader); }
template <typename Doc>
auto footerOf(Doc& doc, int pair) { return frameOfPair(doc, pair, 1, kFieldFooter); }

constexpr uint8_t kPairShowOn[4][3] = {
    {kShowOnUnused, kShowOnUnused, kShowOnAllPages},
    {kShowOnOnePage, kShowOnUnused, kShowOnNotFirst},
    {kShowOnUnused, kShowOnEven, kShowOnOdd},
    {kShowOnOnePage, kShowOnEvenNotFirst, kShowOnOddNotFirst},
};

}  // namespace

HeaderFooterMode headerFooterMode(const Document& doc) {
  if (doc.Fields.size() < 7) return kSameOnAllPages;
  switch (doc.Fields[6].ShowOn) {
    case kShowOnNotFirst: return kFirstPage;
    case kShowOnOdd: return kEvenOdd;
    case kShowOnOddNotFirst: return kFirstPageEvenOdd;
    default: return kSameOnAllPages;
  }
}

PageSetupValues currentPageSetup(const Document& doc) {
  PageSetupValues v;
  v.PageWidth = doc.PageWidth;
  v.PageHeight = doc.PageHeight;
  if (!doc.Fields.empty()) {
    const TFieldRec& body = doc.Fields.front();
    v.MarginLeft = body.MarginLeft;
    v.MarginTop = body.MarginTop;
    v.MarginRight = body.MarginRight;
    v.MarginBottom = body.MarginBottom;
  }
  for (int pair = 0; pair < 3; ++pair) {
    if (const TFieldRec* h = headerOf(doc, pair)) v.HeaderDistance = h->MarginTop;
    if (const TFieldRec* f = footerOf(doc, pair)) v.FooterDistance = f->MarginBottom;
  }
  v.Mode = headerFooterMode(doc);
  return v;
}

bool leavesTextArea(const PageSetupValues& v) {
  const double top = std::max(v.MarginTop, v.HeaderDistance);
  const double bottom = std::max(v.MarginBottom, v.FooterDistance);
  return v.MarginLeft + v.MarginRight < v.PageWidth && top + bottom < v.PageHeight;
}

void applyPageSetup(Document& doc, const PageSetupValues& v, bool withPaper) {
  if (withPaper) {
    doc.PageWidth = v.PageWidth;
    doc.PageHeight = v.PageHeight;
  }
  if (doc.Fields.empty()) return;
  TFieldRec& body = doc.Fields.front();
  body.MarginTop = std::max(v.MarginTop, v.HeaderDistance);
  body.MarginLeft = v.MarginLeft;
  body.MarginBottom = std::max(v.MarginBottom, v.FooterDistance);
  body.MarginRight = v.MarginRight;

  const int mode = std::clamp(static_cast<int>(v.Mode), 0, 3);
  // Headers and footers share the body's side margins and the pair's visibility.
  auto followBody = [&](TFieldRec& frame, int pair) {
    frame.MarginLeft = body.MarginLeft;
    frame.MarginRight = body.MarginRight;
    frame.ShowOn = kPairShowOn[mode][pair];
  };
  for (int pair = 0; pair < 3; ++pair) {
    if (TFieldRec* h = headerOf(doc, pair)) {
      h->MarginTop = v.HeaderDistance;
      h->Bottom = body.MarginTop - 0.5;
      followBody(*h, pair);
    }
    if (TFieldRec* f = footerOf(doc, pair)) {
      f->MarginBottom = v.FooterDistance;
      f->Top = body.MarginBottom - 0.5;
      followBody(*f, pair);
    }
  }
  for (TFieldRec& f : doc.Fields) {
    if (f.FieldType == kFieldFooter && f.FootnoteNo >= 1) {
      f.MarginLeft = body.MarginLeft;
      f.MarginRight = body.MarginRight;
    }
  }
  doc.SetPrinterProps();
}

void PageOpenSetup(Document& doc) { applyPageSetup(doc, currentPageSetup(doc), false); }

}  // namespace vendaro
