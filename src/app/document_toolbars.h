// document_toolbars.h — the "Zeichnenleiste" (insert modes of the drawing
// objects, fill and line colour, line width of the object at the caret) and
// "Format erweitert" (single, one and a half and double line spacing).
#pragma once

#include <QToolBar>

namespace vendaro {

class ColourButton;
class LineWidthButton;
class MainWindow;

class DrawingToolbar : public QToolBar {
  Q_OBJECT

 public:
  explicit DrawingToolbar(MainWindow& main);

  ColourButton* fillButton() const { return fillButton_; }
  ColourButton* lineColourButton() const { return lineColourButton_; }
  LineWidthButton* lineWidthButton() const { return lineWidthButton_; }

 private:
  ColourButton* fillButton_ = nullptr;
  ColourButton* lineColourButton_ = nullptr;
  LineWidthButton* lineWidthButton_ = nullptr;
};

class SpacingToolbar : public QToolBar {
  Q_OBJECT

 public:
  explicit SpacingToolbar(MainWindow& main);
};

}  // namespace vendaro
