// character_table_dialog.h — the character table: the characters 32 to 255
// of a chosen font in sixteen columns, drawn with the document's own glyphs
// (so Symbol and Wingdings show their pictures), the code of the chosen one
// and an enlarged preview. A double click confirms.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class QComboBox;
class QLabel;

namespace vendaro {

class CharacterGrid;
class FontEngine;
class GlyphPreview;

class CharacterTableDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CharacterTableDialog(FontEngine& fonts, QWidget* parent = nullptr);

  // Shows the table on `fontName` and `character` (codes below 32 select the
  // first cell); on OK both hold the choice and the answer is true.
  bool choose(std::string& fontName, uint8_t& character);

  void setSelection(const std::string& fontName, uint8_t character);
  std::string fontName() const;
  uint8_t character() const;

  QComboBox* fontBox() const { return fontBox_; }
  QLabel* codeLabel() const { return codeLabel_; }
  CharacterGrid* grid() const { return grid_; }

 private:
  void fontChosen();
  void characterChosen(uint8_t character);

  QComboBox* fontBox_;
  CharacterGrid* grid_;
  QLabel* codeLabel_;
  GlyphPreview* preview_;
};

// The sixteen-column grid; the cell in column c and row r is 32 + 16 r + c.
class CharacterGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kColumns = 16;
  static constexpr int kFirst = 32;
  static constexpr int kRows = (256 - kFirst) / kColumns;

  CharacterGrid(FontEngine& fonts, QWidget* parent);
  void setFontName(const std::string& name);
  void select(uint8_t character);
  uint8_t selected() const { return selected_; }
  // The centre of a character's cell, in the grid's pixels.
  QPoint cellCentre(uint8_t character) const;

 signals:
  void selectionChanged(uint8_t character);
  void confirmed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int characterAt(const QPoint& point) const;

  FontEngine& fonts_;
  std::string fontName_;
  uint8_t selected_ = kFirst;
};

}  // namespace vendaro
