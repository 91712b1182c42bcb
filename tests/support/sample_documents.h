// sample_documents.h — documents for the tests, built through the store
// operations the way the editor builds them.
#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>

#include "document/document.h"

namespace vendaro::test {

// The empty document of a new window (seven frames).
Document newWindowDocument();
// The same without its standard styles and their fonts: a font table that
// holds only what the test adds.
Document newWindowDocumentWithoutStyles();
// Appends a line of plain text to frame `field`, typed with the input format;
// `lineEnd` says how the line ends.
void appendTextLine(Document& doc, int32_t field, std::string_view text, int32_t lineEnd = kLineEndParagraph);
// Appends a table row to the page text: one line per cell, its text and
// width weight given.
void appendTableRow(Document& doc, std::initializer_list<std::pair<std::string_view, double>> cells);
// Appends a frame of `type` placed from the paper's top-left corner (mm);
// it neither moves with nor pushes away the text, and has 1 mm margins.
TFieldRec& appendFrame(Document& doc, uint8_t type, double left, double top, double right, double bottom);
// A document that holds every kind of cell, tab stops with leaders, styles
// with tab stops and bullet fonts, a table row, a chained text box, and
// pictures of 1, 8 and 24 bits.
Document richDocument();
// Paper of this size in millimetres, margins and frames kept as the page
// set-up dialog keeps them. Lay the document out again afterwards.
void setPaperSize(Document& doc, double widthMm, double heightMm);
// An A4 page as a person writes one: a centred title, body text in mixed
// fonts with effects, a bulleted list, a bordered table of two rows, a text
// box and a picture frame. Not laid out: give it to an editor and call
// documentLoaded().
Document showcaseDocument();

}  // namespace vendaro::test
