// colour_buttons.h — tool buttons that apply a stored colour or line width
// with one click and drop down the choice: the sixteen colours drawn as
// swatches, "&Mehr..." (the colour dialog) and, for text background and
// fill, "&Kein Füllbereich"; or the 25 line widths from 0 to 6 points.
#pragma once

#include <QToolButton>

#include <cstdint>
#include <functional>

#include "app/toolbar_icons.h"

class QMenu;

namespace vendaro {

class ColourButton : public QToolButton {
  Q_OBJECT

 public:
  // Where the button keeps its colour; `none` is null for the buttons
  // without "&Kein Füllbereich".
  struct Setting {
    int32_t* colour;
    bool* none;
  };
  ColourButton(ColourButtonKind kind, const QString& tip, Setting setting, std::function<void()> apply,
               QWidget* parent);

  QMenu* choices() const { return choices_; }
  // What the entries do: store the colour (a fill or background is no
  // longer "none") or "none" with white, then apply it.
  void choose(int32_t colour);
  void chooseNone();

 private:
  void chooseMore();
  void showColour();

  ColourButtonKind kind_;
  Setting setting_;
  std::function<void()> apply_;
  QMenu* choices_;
};

class LineWidthButton : public QToolButton {
  Q_OBJECT

 public:
  LineWidthButton(double* width, std::function<void()> apply, QWidget* parent);

  QMenu* choices() const { return choices_; }
  // Rebuilt each time the list opens.
  void fillChoices();
  void choose(double points);

 private:
  double* width_;
  std::function<void()> apply_;
  QMenu* choices_;
};

// The caption of line width entry i (0 to 24): i / 4 points, "0,25 Pt".
QString lineWidthCaption(int entry);
inline constexpr int kLineWidthEntries = 25;

}  // namespace vendaro
