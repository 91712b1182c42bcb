// poster_printing.h — prints page 1 of a document as a poster onto a printer
// the host lends: the layout is settled, the sheets are planned, and each
// printed sheet gets its part of the page and its cut and glue lines. The
// Qt printer and the PDF sheets of the command line both print through it.
#pragma once

#include <string>

#include "output/poster_plan.h"
#include "platform/canvas.h"

namespace vendaro {

class Editor;

class PosterPrinter {
 public:
  virtual ~PosterPrinter() = default;

  // Pixels per inch of the printer's sheets.
  virtual int resolution() const = 0;
  // The printable area and the whole paper, in the printer's pixels.
  virtual PixelSize printableSize() const = 0;
  virtual PixelSize paperSize() const = 0;

  // Starts the job. With `fullPage` the sheet's origin is the paper's
  // corner, else the printable area's. False when the job cannot start.
  virtual bool begin(const std::string& title, bool fullPage) = 0;
  // Starts the next sheet; false when the printer failed.
  virtual bool newPage() = 0;
  // Ends the job; false when it did not reach the printer (or file).
  virtual bool end() = 0;
  // Gives up a begun job after a failure.
  virtual void abort() = 0;
  // What the user is told when begin, newPage or end failed (German).
  virtual std::string failureMessage() const = 0;

  // Draws page 0 of the document with the poster's pixel (x, y) at the
  // sheet's top-left corner, then the sheet's lines over it.
  virtual void drawSheet(Editor& editor, const PosterSheet& sheet) = 0;
};

// A printer that draws its sheets on a canvas whose visible rectangle is
// the sheet, so that the page painter skips what lies elsewhere.
class CanvasPosterPrinter : public PosterPrinter {
 public:
  void drawSheet(Editor& editor, const PosterSheet& sheet) override;

 protected:
  // The canvas of the current sheet.
  virtual Canvas& sheetCanvas() = 0;
};

// Cut and glue lines: black, one pixel wide, in their pen styles.
void drawSheetLines(Canvas& canvas, const PosterSheet& sheet);

struct PosterOutcome {
  bool succeeded = true;
  std::string failure;  // the printer's message when it failed
  int printedSheets = 0;
  int columns = 0;
  int rows = 0;
};

// Prints the poster without telling the user. The job title is
// "Vendaro - " + the document's file name. With the 5 % overlap the glue
// lines are switched on in `settings`, as the dialog shows afterwards. No
// job is begun when no sheet is to be printed.
PosterOutcome printPoster(Editor& editor, PosterPrinter& printer, PosterSettings& settings);

// Prints and reports through the editor's host: the sheet count with the
// caption "Poster wird gedruckt!", or the printer's failure message.
void PrintDocument(Editor& editor, PosterPrinter& printer, PosterSettings& settings);

inline constexpr char kPosterCaption[] = "Poster wird gedruckt!";

}  // namespace vendaro
