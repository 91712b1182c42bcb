#include "app/page_printing.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/qt_canvas.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

constexpr char kNoPrinterMessage[] = "Drucken nicht möglich: Es ist kein Drucker eingerichtet.";

}  // namespace

bool printFirstPage(Editor& editor) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    editor.host().showMessage(kNoPrinterMessage, MessageIcon::error);
    return false;
  }
  Document& doc = editor.doc();
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setResolution(doc.PrinterDPI > 0 ? doc.PrinterDPI : kNoPrinterDPI);
  printer.setDocName(QString::fromStdString("Vendaro - " + doc.DocFileName));
  QPainter painter;
  if (!painter.begin(&printer)) {
    editor.host().showMessage(kNoPrinterMessage, MessageIcon::error);
    return false;
  }
  const QRect sheet = printer.pageLayout().paintRectPixels(printer.resolution());
  QtCanvas canvas(painter, doc.fontEngine(), printer.resolution(), CanvasRect{0, 0, sheet.width(), sheet.height()});
  editor.DrawPages(canvas, true, 0, 0, 0);
  return true;
}

}  // namespace vendaro
