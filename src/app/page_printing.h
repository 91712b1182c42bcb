// page_printing.h — printing through Qt: the program's one printer, kept at
// the resolution the layout measures with so that poster and sheets share
// one scale, the poster printer on it, and the print commands (at once with
// the poster dialog's settings, or through the poster and print dialogs).
#pragma once

#include <QPainter>

#include <memory>
#include <optional>

#include "app/qt_canvas.h"
#include "output/poster_printing.h"

class QPrinter;
class QWidget;

namespace vendaro {

class Editor;
class PosterPrintDialog;

// Qt's printer at the program's printer resolution (600 dpi).
std::unique_ptr<QPrinter> makeProgramPrinter();

// The sheets of a poster on a Qt printer, drawn through a QtCanvas whose
// visible rectangle is the sheet.
class QtPosterPrinter final : public CanvasPosterPrinter {
 public:
  QtPosterPrinter(QPrinter& printer, FontEngine& fonts);
  ~QtPosterPrinter() override;

  int resolution() const override;
  PixelSize printableSize() const override;
  PixelSize paperSize() const override;
  bool begin(const std::string& title, bool fullPage) override;
  bool newPage() override;
  bool end() override;
  void abort() override;
  std::string failureMessage() const override;

 protected:
  Canvas& sheetCanvas() override { return *canvas_; }

 private:
  void openCanvas();

  QPrinter& printer_;
  FontEngine& fonts_;
  QPainter painter_;
  std::optional<QtCanvas> canvas_;
  PixelSize sheet_;
  bool noPrinter_ = false;
};

// Qt's page set-up dialog for the printer, which it can show only for a
// real printer: without one the user is told so.
void showPrinterSetup(QPrinter& printer, QWidget* parent);

// Prints at once with the dialog's settings; the dialog then shows what
// printing switched on.
void FastPrinting(Editor& editor, QPrinter& printer, PosterPrintDialog& dialog);
// The poster dialog, then the system print dialog, then printing; a
// cancelled dialog prints nothing and says nothing.
void PrintOut(Editor& editor, QPrinter& printer, PosterPrintDialog& dialog, QWidget* parent);

}  // namespace vendaro
