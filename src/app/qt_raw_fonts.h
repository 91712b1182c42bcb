// qt_raw_fonts.h — the font files the font engine chose, loaded as Qt raw
// fonts once per file and pixel size, so that text on every Qt surface is
// drawn with exactly the glyphs that were measured.
#pragma once

#include <QRawFont>
#include <QByteArray>
#include <string>

namespace vendaro {

struct RawFontFace {
  QRawFont font;               // invalid when the file cannot be loaded
  // From the font's OS/2 table, in pixels at the loaded size: top of the
  // strike-out stroke above the baseline, and its thickness.
  double strikeOutPosition = 0;
  double strikeOutThickness = 0;
};

// The face `faceIndex` of the file at `pixelSize` pixels per em. Loaded
// files and sizes are cached for the life of the GUI application, which
// must exist.
RawFontFace rawFontFace(const std::string& filePath, int faceIndex, int pixelSize);

// One face of a font collection (.ttc/.otc) as a font file of its own, since
// Qt loads only the first face of font data; an empty array when the data is
// not a collection or the face does not exist or is damaged.
QByteArray collectionFace(const QByteArray& collection, int faceIndex);

}  // namespace vendaro
