#include "output/poster_printing.h"

#include "editing/editor.h"
#include "editing/settle_layout.h"

namespace vendaro {
namespace {

constexpr CanvasPen kLinePen{PenStyle::solid, 1, 0x000000};

std::string jobTitle(const Document& doc) { return "Vendaro - " + doc.DocFileName; }

PosterOutcome failed(PosterPrinter& printer, PosterOutcome outcome) {
  outcome.succeeded = false;
  outcome.failure = printer.failureMessage();
  return outcome;
}

}  // namespace

void drawSheetLines(Canvas& canvas, const PosterSheet& sheet) {
  for (const SheetLine& line : sheet.lines) {
    CanvasPen pen = kLinePen;
    pen.style = line.style;
    canvas.setPen(pen);
    canvas.line(line.x1, line.y1, line.x2, line.y2);
  }
}

void CanvasPosterPrinter::drawSheet(Editor& editor, const PosterSheet& sheet) {
  Canvas& canvas = sheetCanvas();
  editor.DrawPages(canvas, true, -sheet.y, -sheet.x, 0);
  drawSheetLines(canvas, sheet);
}

PosterOutcome printPoster(Editor& editor, PosterPrinter& printer, PosterSettings& settings) {
  if (settings.glueMargin) settings.glueLines = true;
  const Document& doc = editor.doc();
  const PosterPlan plan = planPoster(doc.PageWidth, doc.PageHeight, printer.resolution(), printer.printableSize(),
                                     printer.paperSize(), settings);
  PosterOutcome outcome{true, {}, 0, plan.columns, plan.rows};
  if (plan.sheets.empty()) return outcome;
  // No paint during the job may change the layout, or neighbouring sheets
  // would not meet.
  settleLayout(editor);
  if (!printer.begin(jobTitle(doc), plan.fullPage)) return failed(printer, outcome);
  for (const PosterSheet& sheet : plan.sheets) {
    if (outcome.printedSheets > 0 && !printer.newPage()) {
      printer.abort();
      return failed(printer, outcome);
    }
    printer.drawSheet(editor, sheet);
    ++outcome.printedSheets;
  }
  if (!printer.end()) return failed(printer, outcome);
  return outcome;
}

void PrintDocument(Editor& editor, PosterPrinter& printer, PosterSettings& settings) {
  const PosterOutcome outcome = printPoster(editor, printer, settings);
  if (!outcome.succeeded) {
    editor.host().showMessage(outcome.failure, MessageIcon::error);
    return;
  }
  editor.host().showMessage(posterReport(outcome.printedSheets, outcome.columns, outcome.rows),
                            MessageIcon::information, kPosterCaption);
}

}  // namespace vendaro
