// frame_dialogs.h — "Textfeld Eigenschaften" (four pages: position and
// size, margins, design, text flow; lengths in cm with a decimal comma) and
// "Grafik formatieren" (a picture cell's size, its sides coupled by ratio).
// Each is made once per main window and kept.
#pragma once

#include <QDialog>

#include <array>

#include "editing/editor_host.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QTabWidget;

namespace vendaro {

class TZeltoColorComboBox;

class TFeldFormatForm : public QDialog {
  Q_OBJECT
 public:
  explicit TFeldFormatForm(QWidget* parent = nullptr);
  bool edit(FeldFormatDialog& dialog);
  void fill(const FeldFormatDialog& dialog);
  FeldFormatDialog values() const;
  QTabWidget& pages() const { return *pages_; }

 private:
  QWidget* positionPage();
  QWidget* marginsPage();
  QWidget* designPage();
  QWidget* flowPage();

  QTabWidget* pages_;
  FeldFormatDialog shown_;
  std::array<QLineEdit*, 4> place_{};    // left, top, width, height
  QComboBox* showOn_ = nullptr;
  QCheckBox* moveWithText_ = nullptr;
  QCheckBox* keepAspect_ = nullptr;
  std::array<QLineEdit*, 4> margins_{};  // left, top, right, bottom
  TZeltoColorComboBox* borderColour_ = nullptr;
  QDoubleSpinBox* borderWidth_ = nullptr;
  TZeltoColorComboBox* backColour_ = nullptr;
  QCheckBox* transparent_ = nullptr;
  QCheckBox* wrapText_ = nullptr;
  QButtonGroup* wrapMode_ = nullptr;
  QLineEdit* distX_ = nullptr;
  QLineEdit* distY_ = nullptr;
};

class TGrafikPropsForm : public QDialog {
  Q_OBJECT
 public:
  explicit TGrafikPropsForm(QWidget* parent = nullptr);
  bool edit(GrafikPropsDialog& dialog);
  void fill(const GrafikPropsDialog& dialog);
  GrafikPropsDialog values() const { return values_; }
  QDoubleSpinBox& widthBox() const { return *width_; }
  QDoubleSpinBox& heightBox() const { return *height_; }

 private:
  void showValues(const GrafikPropsDialog& values);

  GrafikPropsDialog values_;
  QDoubleSpinBox* width_;
  QDoubleSpinBox* height_;
  QCheckBox* keepRatio_;
  bool showing_ = false;  // the boxes are being set: their signals are ours
};

class FrameDialogs : public QObject {
  Q_OBJECT
 public:
  static FrameDialogs& of(QWidget& owner);
  TFeldFormatForm& frame();
  TGrafikPropsForm& picture();

 private:
  explicit FrameDialogs(QWidget& owner);
  QWidget& owner_;
  TFeldFormatForm* frame_ = nullptr;
  TGrafikPropsForm* picture_ = nullptr;
};

}  // namespace vendaro
