#include "app/format_toolbar.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>

#include <functional>
#include <utility>

#include "app/colour_buttons.h"
#include "app/editor_window.h"
#include "app/main_menus.h"
#include "app/enter_key.h"
#include "app/font_faces.h"
#include "app/main_window.h"
#include "app/page_view.h"
#include "app/qt_text.h"
#include "app/toolbar_icons.h"
#include "editing/decimal_text.h"
#include "editing/editor.h"

namespace vendaro {

FormatToolbar::FormatToolbar(MainWindow& main) : QToolBar(QStringLiteral("Formatleiste"), &main), main_(main) {
  setObjectName(QStringLiteral("Formatleiste"));
  addBoxes();
  addSeparator();
  addCharacterButtons();
  addSeparator();
  addParagraphButtons();
  addSeparator();
  addColourButtons();
}

void FormatToolbar::addColourButtons() {
  ProgramSettings& settings = main_.shell().settings();
  textColourButton_ = new ColourButton(ColourButtonKind::text, QStringLiteral("Textfarbe"),
                                       {&settings.TextColor, nullptr}, [this] { main_.AktiviereTextColor(); }, this);
  textBackButton_ = new ColourButton(ColourButtonKind::textBack, QStringLiteral("Texthintergrundfarbe"),
                                     {&settings.TextBackColor, &settings.TextBackNone},
                                     [this] { main_.AktiviereTextBkColor(); }, this);
  CommandRegistry& commands = main_.menus().commands();
  commands.add(addWidget(textColourButton_), CommandNeed::textFrame);
  commands.add(addWidget(textBackButton_), CommandNeed::textFrame);
}

void FormatToolbar::addBoxes() {
  styleBox_ = new QComboBox(this);
  styleBox_->setToolTip(QStringLiteral("Formatvorlage"));
  styleBox_->setMinimumContentsLength(14);
  connect(styleBox_, &QComboBox::activated, this, &FormatToolbar::styleChosen);
  onEnter(styleBox_, [this] { returnFocusToEditor(); });
  addWidget(styleBox_);

  fontBox_ = addTypedBox(QStringLiteral("Schriftart"), 16, &FormatToolbar::fontChosen);
  fontBox_->addItems(documentFontFaces());
  sizeBox_ = addTypedBox(QStringLiteral("Schriftgrad"), 3, &FormatToolbar::sizeChosen);
  for (int size : kCharacterDialogSizes) sizeBox_->addItem(QString::number(size));
}

void FormatToolbar::addCharacterButtons() {
  struct Button {
    const char* letter;
    const char* tip;
  };
  static constexpr Button kButtons[] = {{"F", "Fett"}, {"K", "Kursiv"}, {"U", "Unterstrichen"}};
  for (int bit = 0; bit < 3; ++bit) {
    QAction* action = addButton(kButtons[bit].tip, [bit](Editor& e) { e.toggleCharacterStyle(bit); });
    action->setText(QString::fromLatin1(kButtons[bit].letter));
    action->setCheckable(true);
    QFont font = action->font();
    font.setBold(bit == 0);
    font.setItalic(bit == 1);
    font.setUnderline(bit == 2);
    action->setFont(font);
    styleActions_[bit] = action;
  }
}

void FormatToolbar::addParagraphButtons() {
  static const char* const kTips[] = {"Linksbündig", "Zentriert", "Rechtsbündig", "Blocksatz"};
  static void (Editor::*const kCommands[])() = {&Editor::formatleft, &Editor::formatcenter, &Editor::formatright,
                                                &Editor::formatblock};
  auto* alignments = new QActionGroup(this);
  for (int alignment = 0; alignment < 4; ++alignment) {
    const auto command = kCommands[alignment];
    QAction* action = addButton(kTips[alignment], [command](Editor& e) { (e.*command)(); });
    action->setIcon(alignmentIcon(alignment));
    action->setCheckable(true);
    alignments->addAction(action);
    alignmentActions_[alignment] = action;
  }
  addSeparator();
  bulletAction_ = addButton("Aufzählungszeichen", [](Editor& e) { e.aufzaehlung(1); });
  numberingAction_ = addButton("Nummerierung", [](Editor& e) { e.aufzaehlung(2); });
  bulletAction_->setIcon(listIcon(false));
  numberingAction_->setIcon(listIcon(true));
  for (QAction* action : {bulletAction_, numberingAction_}) action->setCheckable(true);
}

// `triggered`, not `toggled`: showing the caret's state must not act.
QAction* FormatToolbar::addButton(const char* tip, std::function<void(Editor&)> command) {
  QAction* action = main_.menus().commands().command(nullptr, tip, CommandNeed::textFrame,
                                                     [this, command = std::move(command)] { act(command); });
  action->setToolTip(QString::fromUtf8(tip));
  addAction(action);
  return action;
}

QComboBox* FormatToolbar::addTypedBox(const QString& tip, int width, void (FormatToolbar::*chosen)()) {
  auto* box = new QComboBox(this);
  box->setToolTip(tip);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMinimumContentsLength(width);
  connect(box, &QComboBox::activated, this, chosen);
  onEnter(box, [this, chosen] {
    (this->*chosen)();
    returnFocusToEditor();
  });
  addWidget(box);
  return box;
}

Editor* FormatToolbar::commandTarget() const {
  ShellDocument* document = main_.activeDocument();
  if (!document) return nullptr;
  Editor& editor = document->editor();
  return editor.ToolbarSyncGuard ? nullptr : &editor;
}

template <typename Command>
void FormatToolbar::act(const Command& command) {
  Editor* editor = commandTarget();
  if (!editor) return;
  command(*editor);
  // The buttons show the caret's format again, whatever the command did.
  editor->SmallOvertakeFont();
}

void FormatToolbar::showState(const ToolbarFontState& state) {
  QStringList names;
  for (const std::string& name : state.styleNames) names.append(fromCp1252(name));
  QStringList shown;
  for (int i = 0; i < styleBox_->count(); ++i) shown.append(styleBox_->itemText(i));
  // Rebuilt only when the names differ, so an open list is not disturbed.
  if (shown != names) {
    styleBox_->clear();
    styleBox_->addItems(names);
  }
  styleBox_->setCurrentIndex(names.isEmpty() ? -1 : 0);

  fontBox_->setEditText(fromCp1252(state.font.name()));
  sizeBox_->setEditText(QString::fromStdString(formatDecimal(state.font.Size)));
  styleActions_[0]->setChecked(state.bold());
  styleActions_[1]->setChecked(state.italic());
  styleActions_[2]->setChecked(state.underline());
  if (state.alignment < 4) alignmentActions_[state.alignment]->setChecked(true);
  bulletAction_->setChecked(state.listKind == 1);
  numberingAction_->setChecked(state.listKind == 2);
}

void FormatToolbar::styleChosen(int index) {
  act([index](Editor& e) { e.useVorlage(index); });
  returnFocusToEditor();
}

void FormatToolbar::fontChosen() {
  const std::string face = toCp1252(fontBox_->currentText());
  act([&face](Editor& e) { e.setFontNameFromBox(face); });
}

// Text that is no size puts the input font's size back into the box.
void FormatToolbar::sizeChosen() {
  const std::string typed = sizeBox_->currentText().toStdString();
  std::string shown;
  act([&](Editor& e) { shown = e.setFontSizeFromBox(typed); });
  if (!shown.empty()) sizeBox_->setEditText(QString::fromStdString(shown));
}

void FormatToolbar::returnFocusToEditor() {
  if (EditorWindow* window = main_.activeEditorWindow()) window->view().setFocus(Qt::OtherFocusReason);
}

}  // namespace vendaro
