// page_setup.h — the page set-up of a document (paper, margins, header and
// footer distances, which header/footer pair shows where) and the rules that
// apply it to the page body and the header and footer frames.
#pragma once

#include <cstdint>

#include "document/document.h"

namespace vendaro {

// "Kopf-/Fußzeilen anders auf:"
enum HeaderFooterMode : int32_t {
  kSameOnAllPages = 0,     // "Auf allen Seiten gleich"
  kFirstPage = 1,          // "Seite 1"
  kEvenOdd = 2,            // "Geraden/ungeraden Seiten"
  kFirstPageEvenOdd = 3    // "Seite 1 und geraden/ungeraden Seiten"
};

struct PageSetupValues {
  double PageWidth = 210.0, PageHeight = 297.0;  // mm
  double MarginLeft = 25.0, MarginTop = 25.0, MarginRight = 25.0, MarginBottom = 25.0;
  double HeaderDistance = 11.0, FooterDistance = 11.0;
  HeaderFooterMode Mode = kSameOnAllPages;

  bool operator==(const PageSetupValues&) const = default;
};

// Whether the page keeps room for text: the body's margins (each at least
// its header or footer distance, as applying makes them) stay below the
// paper's width and height. The page set-up offers OK only then.
bool leavesTextArea(const PageSetupValues& values);

// The values as the document holds them now.
PageSetupValues currentPageSetup(const Document& doc);
HeaderFooterMode headerFooterMode(const Document& doc);
// Applies margins, header/footer geometry, footnote area margins and the
// pairs' visibility, then the printer pixel sizes; `withPaper` takes the paper
// size too. The caller lays the document out again afterwards.
void applyPageSetup(Document& doc, const PageSetupValues& values, bool withPaper);
// Normalises a document's stored set-up by the same rules (after reading).
void PageOpenSetup(Document& doc);

}  // namespace vendaro
