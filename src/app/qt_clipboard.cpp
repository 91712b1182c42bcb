#include "app/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <new>

#include "platform/code_pages.h"
#include "platform/dib.h"
#include "platform/dib_support.h"

namespace vendaro {
namespace {

const QMimeData* clipboardData() { return QGuiApplication::clipboard()->mimeData(); }

std::string withLineFeeds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  return out;
}


}  // namespace

std::optional<ClipboardFormats> QtClipboard::formats() {
  const QMimeData* data = clipboardData();
  if (!data) return ClipboardFormats{};
  return ClipboardFormats{data->hasFormat(QString::fromLatin1(kFormattedTextMimeType)), data->hasText(), data->hasImage()};
}

bool QtClipboard::place(const ClipboardContents& contents) {
  auto* data = new QMimeData;  // the clipboard takes ownership
  data->setData(QString::fromLatin1(kFormattedTextMimeType),
                QByteArray(reinterpret_cast<const char*>(contents.formattedText.data()),
                           static_cast<qsizetype>(contents.formattedText.size())));
  data->setText(QString::fromStdString(cp1252ToUtf8(withLineFeeds(contents.text))));
  QGuiApplication::clipboard()->setMimeData(data);
  return true;
}

bool QtClipboard::formattedText(std::vector<uint8_t>& stream) {
  const QMimeData* data = clipboardData();
  if (!data || !data->hasFormat(QString::fromLatin1(kFormattedTextMimeType))) return false;
  const QByteArray bytes = data->data(QString::fromLatin1(kFormattedTextMimeType));
  stream.assign(bytes.begin(), bytes.end());
  return true;
}

bool QtClipboard::text(std::string& cp1252) {
  const QMimeData* data = clipboardData();
  if (!data || !data->hasText()) return false;
  cp1252 = utf8ToCp1252(data->text().toStdString());
  return true;
}

bool QtClipboard::bitmap(std::vector<uint8_t>& dib) {
  const QMimeData* data = clipboardData();
  if (!data || !data->hasImage()) return false;
  dib = dibOfImage(qvariant_cast<QImage>(data->imageData()));
  return !dib.empty();
}

std::vector<uint8_t> QtClipboard::dibOfImage(const QImage& image) {
  if (image.isNull()) return {};
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  const int width = argb.width(), height = argb.height();
  const size_t rowBytes = static_cast<size_t>(dibRowBytes(width, 24));
  std::vector<uint8_t> dib;
  try {
    dib.assign(BitmapInfoHeader::kSize + rowBytes * static_cast<size_t>(height), 0);
  } catch (const std::bad_alloc&) {
    return {};
  }
  BitmapInfoHeader header;
  header.biWidth = width;
  header.biHeight = height;
  header.biBitCount = 24;
  header.biSizeImage = static_cast<uint32_t>(rowBytes * static_cast<size_t>(height));
  header.biXPelsPerMeter = argb.dotsPerMeterX();
  header.biYPelsPerMeter = argb.dotsPerMeterY();
  header.writeTo(dib.data());
  for (int y = 0; y < height; ++y) {
    const auto* source = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    // Rows go bottom-up.
    uint8_t* row = dib.data() + BitmapInfoHeader::kSize + rowBytes * static_cast<size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const QRgb pixel = source[x];
      const auto alpha = static_cast<uint32_t>(qAlpha(pixel));
      row[3 * x] = dib::overWhite(static_cast<uint32_t>(qBlue(pixel)), alpha);
      row[3 * x + 1] = dib::overWhite(static_cast<uint32_t>(qGreen(pixel)), alpha);
      row[3 * x + 2] = dib::overWhite(static_cast<uint32_t>(qRed(pixel)), alpha);
    }
  }
  return dib;
}

}  // namespace vendaro
