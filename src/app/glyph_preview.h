// glyph_preview.h — one character of a document face drawn through the
// document's own canvas, so that Symbol and Wingdings show the pictures the
// page would print; and a small box that shows one such character enlarged.
#pragma once

#include <QWidget>

#include <cstdint>
#include <string>

class QPainter;

namespace vendaro {

class FontEngine;

// Draws `ch` of `face` at `pixelSize` in the middle of `cell` in `color`
// (0x00BBGGRR).
void drawCharacter(QPainter& painter, FontEngine& fonts, const std::string& face, uint8_t ch, const QRect& cell,
                   int pixelSize, uint32_t color);

class GlyphPreview : public QWidget {
  Q_OBJECT

 public:
  GlyphPreview(FontEngine& fonts, int boxPixels, QWidget* parent);
  void showCharacter(const std::string& face, uint8_t ch);
  const std::string& face() const { return face_; }
  uint8_t character() const { return ch_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  FontEngine& fonts_;
  std::string face_;
  uint8_t ch_ = ' ';
};

}  // namespace vendaro
