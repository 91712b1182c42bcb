#include "app/page_printing.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "app/message_boxes.h"
#include "app/poster_print_dialog.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

constexpr char kNoPrinterMessage[] = "Drucken nicht möglich: Es ist kein Drucker eingerichtet.";
constexpr char kPrintFailedMessage[] = "Der Druckauftrag ist fehlgeschlagen; das Poster wurde nicht vollständig gedruckt.";

// A real printer, or a file the user (or a test) named for PDF output.
bool printerReady(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
  return printer.isValid() && !printer.printerName().isEmpty();
}

PixelSize sizeOf(const QRect& rect) { return {rect.width(), rect.height()}; }

}  // namespace

std::unique_ptr<QPrinter> makeProgramPrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setResolution(kNoPrinterDPI);
  return printer;
}

QtPosterPrinter::QtPosterPrinter(QPrinter& printer, FontEngine& fonts) : printer_(printer), fonts_(fonts) {
  // A print dialog may have chosen another printer: the layout's scale stays.
  printer_.setResolution(kNoPrinterDPI);
}

QtPosterPrinter::~QtPosterPrinter() {
  canvas_.reset();
  if (painter_.isActive()) painter_.end();
}

int QtPosterPrinter::resolution() const { return printer_.resolution(); }

// The printable area whatever mode the last job left the printer in.
PixelSize QtPosterPrinter::printableSize() const {
  QPageLayout layout = printer_.pageLayout();
  layout.setMode(QPageLayout::StandardMode);
  return sizeOf(layout.paintRectPixels(resolution()));
}

PixelSize QtPosterPrinter::paperSize() const { return sizeOf(printer_.pageLayout().fullRectPixels(resolution())); }

bool QtPosterPrinter::begin(const std::string& title, bool fullPage) {
  noPrinter_ = !printerReady(printer_);
  if (noPrinter_) return false;
  sheet_ = fullPage ? paperSize() : printableSize();
  printer_.setDocName(QString::fromStdString(title));
  printer_.setFullPage(fullPage);
  if (!painter_.begin(&printer_)) return false;
  openCanvas();
  return true;
}

bool QtPosterPrinter::newPage() {
  canvas_.reset();
  if (!printer_.newPage()) return false;
  openCanvas();
  return true;
}

bool QtPosterPrinter::end() {
  canvas_.reset();
  const bool ended = painter_.end();
  return ended && printer_.printerState() != QPrinter::Error;
}

void QtPosterPrinter::abort() {
  canvas_.reset();
  printer_.abort();
  if (painter_.isActive()) painter_.end();
}

std::string QtPosterPrinter::failureMessage() const { return noPrinter_ ? kNoPrinterMessage : kPrintFailedMessage; }

void QtPosterPrinter::openCanvas() { canvas_.emplace(painter_, fonts_, resolution(), CanvasRect{0, 0, sheet_.width, sheet_.height}); }

void showPrinterSetup(QPrinter& printer, QWidget* parent) {
  // Printing to a file was a choice of the print dialog; setting up is
  // about the printer itself. Qt stays with PDF when there is none.
  printer.setOutputFormat(QPrinter::NativeFormat);
  if (printer.outputFormat() != QPrinter::NativeFormat) {
    showMessageBox(parent, kNoPrinterMessage, MessageIcon::error, {});
    return;
  }
  QPageSetupDialog PrinterSetupDialog1(&printer, parent);
  PrinterSetupDialog1.exec();
  printer.setResolution(kNoPrinterDPI);
}

void FastPrinting(Editor& editor, QPrinter& printer, PosterPrintDialog& dialog) {
  PosterSettings settings = dialog.settings();
  QtPosterPrinter poster(printer, editor.doc().fontEngine());
  PrintDocument(editor, poster, settings);
  dialog.setSettings(settings);
}

void PrintOut(Editor& editor, QPrinter& printer, PosterPrintDialog& dialog, QWidget* parent) {
  if (dialog.exec() != QDialog::Accepted) return;
  QPrintDialog PrintDialog1(&printer, parent);
  if (PrintDialog1.exec() != QDialog::Accepted) return;
  FastPrinting(editor, printer, dialog);
}

}  // namespace vendaro
