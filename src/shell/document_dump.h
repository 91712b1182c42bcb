// document_dump.h — the document model as readable JSON, keys named after
// the record fields: for people inspecting files and for tests that check
// layout from outside the program.
#pragma once

#include <ostream>
#include <string>

#include "document/document.h"

namespace vendaro {

std::string dumpDocumentJson(const Document& doc);
// The same written to `out` as it goes: each line becomes JSON only when it
// is written, so that a document of millions of cells is never held twice.
void writeDocumentJson(const Document& doc, std::ostream& out);
// A line's text in UTF-8 with its special cells as readable tokens.
std::string lineTextForDump(const TLineRec& line);

}  // namespace vendaro
