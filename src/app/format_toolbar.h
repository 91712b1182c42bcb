// format_toolbar.h — the "Formatleiste": style, font and size boxes, bold,
// italic and underline, the four alignments, bullets and numbering, text
// colour and background. It acts on the active document and follows its
// caret; while the editor brings it in line with the caret, its handlers do
// nothing.
#pragma once

#include <QToolBar>

#include <functional>

#include "editing/editor_host.h"

class QAction;
class QComboBox;

namespace vendaro {

class ColourButton;
class Editor;
class MainWindow;

class FormatToolbar : public QToolBar {
  Q_OBJECT

 public:
  explicit FormatToolbar(MainWindow& main);

  // The caret's input font and paragraph, and the document's styles.
  void showState(const ToolbarFontState& state);

  QComboBox* styleBox() const { return styleBox_; }
  QComboBox* fontBox() const { return fontBox_; }
  QComboBox* sizeBox() const { return sizeBox_; }
  QAction* boldAction() const { return styleActions_[0]; }
  QAction* italicAction() const { return styleActions_[1]; }
  QAction* underlineAction() const { return styleActions_[2]; }
  QAction* alignmentAction(int alignment) const { return alignmentActions_[alignment]; }
  QAction* bulletAction() const { return bulletAction_; }
  QAction* numberingAction() const { return numberingAction_; }
  ColourButton* textColourButton() const { return textColourButton_; }
  ColourButton* textBackButton() const { return textBackButton_; }

 private:
  // The editor a handler may act on: none without a document or while the
  // bar is being brought in line with the caret.
  Editor* commandTarget() const;
  // Runs `command` on the target, then shows where the caret now stands.
  template <typename Command>
  void act(const Command& command);
  void addBoxes();
  // A box one may type into (font, size): a list choice or Enter runs
  // `chosen`, and Enter goes back to the text as well.
  QComboBox* addTypedBox(const QString& tip, int width, void (FormatToolbar::*chosen)());
  // A button of the bar that runs `command` on the target.
  QAction* addButton(const char* tip, std::function<void(Editor&)> command);
  void addCharacterButtons();
  void addParagraphButtons();
  void addColourButtons();
  void styleChosen(int index);
  void fontChosen();
  void sizeChosen();
  // Enter in a box: back to typing.
  void returnFocusToEditor();

  MainWindow& main_;
  QComboBox* styleBox_ = nullptr;
  QComboBox* fontBox_ = nullptr;
  QComboBox* sizeBox_ = nullptr;
  QAction* styleActions_[3] = {};
  QAction* alignmentActions_[4] = {};
  QAction* bulletAction_ = nullptr;
  QAction* numberingAction_ = nullptr;
  ColourButton* textColourButton_ = nullptr;
  ColourButton* textBackButton_ = nullptr;
};

}  // namespace vendaro
