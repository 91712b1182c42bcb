#include "app/page_image.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>

#include "app/offscreen_gui.h"
#include "app/qt_canvas.h"
#include "editing/settle_layout.h"
#include "platform/file_io.h"
#include "platform/limits.h"

namespace vendaro {
namespace {

constexpr double kScreenDpi = 96.0;

}  // namespace

bool renderPagePng(Editor& editor, double zoomPercent, const std::filesystem::path& out, std::string& error) {
  const auto gui = ensureOffscreenGui();
  const Document& doc = editor.doc();
  // Printing paints at zoom 100; the zoom becomes the image's resolution.
  // A canvas has whole dots per inch, so a fractional resolution is painted
  // at the next whole one and the image scaled to the size asked for.
  const double dpi = kScreenDpi * zoomPercent / 100.0;
  const int paintDpi = std::max(1, static_cast<int>(std::ceil(dpi - 1e-9)));
  const double printerDpi = doc.PrinterDPI > 0 ? doc.PrinterDPI : 600.0;
  const double width = std::trunc(doc.PageWidthPx * dpi / printerDpi);
  const double height = std::trunc(doc.PageHeightPx * dpi / printerDpi);
  const double paintWidth = std::trunc(doc.PageWidthPx * paintDpi / printerDpi);
  const double paintHeight = std::trunc(doc.PageHeightPx * paintDpi / printerDpi);
  if (width < 1 || height < 1 || paintWidth * paintHeight > kMaxPageImagePixels) {
    error = "Das Bild wäre zu groß oder leer. Bitte einen anderen Zoom angeben.";
    return false;
  }
  QImage image(static_cast<int>(paintWidth), static_cast<int>(paintHeight), QImage::Format_RGB32);
  if (image.isNull()) {
    error = "Nicht genügend Speicher für das Bild.";
    return false;
  }
  // The paint below starts no layout pass: the document is settled first.
  settleLayout(editor);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter, doc.fontEngine(), paintDpi, CanvasRect{0, 0, image.width(), image.height()});
    editor.DrawPages(canvas, true, 0, 0, 0);
  }
  if (image.width() != static_cast<int>(width) || image.height() != static_cast<int>(height))
    image = image.scaled(static_cast<int>(width), static_cast<int>(height), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG") ||
      !writeFileAtomically(out, reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()))) {
    error = "Konnte Datei " + out.string() + " nicht erstellen!";
    return false;
  }
  return true;
}

}  // namespace vendaro
