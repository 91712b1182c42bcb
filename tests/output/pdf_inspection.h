// pdf_inspection.h — reads back the PDF files the writer tests produce
// (objects located through the cross-reference table, page streams
// inflated) and runs the outside validators, qpdf and poppler, on them.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/dib.h"

namespace vendaro {
class TPDFCanvas;
}

namespace vendaro::test {

struct PdfFileView {
  std::string bytes;
  // Object number → the text between "n 0 obj\n" and "endobj\n".
  std::map<int, std::string> objects;
  int size = 0;         // /Size of the trailer
  std::string problem;  // why the xref table does not fit the file; empty if it does
};

PdfFileView readPdf(const std::filesystem::path& path);
// The bytes between "stream\n" and "endstream" of an object body.
std::string streamData(const std::string& objectBody);
// The inflated content stream of page k (1-based), object 2k.
std::string pageContent(const PdfFileView& pdf, int page);
// The inflated data of a Flate stream object.
std::string inflatedStream(const PdfFileView& pdf, int object);
// The object a reference after `key` ("/FontFile2") points at; 0 if none.
int referenceAfter(const std::string& objectBody, const std::string& key);
// Every object whose body starts with `prefix`, in number order.
std::vector<int> objectsStartingWith(const PdfFileView& pdf, const std::string& prefix);
int countOf(const std::string& text, const std::string& what);

// Runs qpdf --check, pdfinfo and pdftotext, failing the test on any
// complaint; returns the document's text (Latin-1).
std::string validatePdf(const std::filesystem::path& path);
// Ends the canvas's document, which must succeed, and reads the file back,
// which must be sound for the validators too.
PdfFileView finishAndCheck(TPDFCanvas& canvas, const std::filesystem::path& path);
// pdftotext's text in UTF-8.
std::string pdfText(const std::filesystem::path& path);
// pdfinfo's size of page k, e.g. "594 x 840 pts".
std::string pageSize(const std::filesystem::path& path, int page);

// Page k rendered by pdftoppm at `dpi` (72: one pixel per point), without
// anti-aliasing so that edges land on whole pixels.
TPictureRec renderPage(const std::filesystem::path& path, int page, int dpi = 72);
// pdffonts' table, one line per font below its two header lines.
std::string fontTable(const std::filesystem::path& path);

}  // namespace vendaro::test
