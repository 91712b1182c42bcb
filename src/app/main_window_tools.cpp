// main_window_tools.cpp — the main window's tool bars and what their buttons
// and the View and Help menus do: showing and hiding the bars, zoom, the
// colour and line width buttons, help and the information dialog.
#include <QDesktopServices>
#include <QToolBar>
#include <QUrl>

#include "app/about_box.h"
#include "app/document_toolbars.h"
#include "app/editor_window.h"
#include "app/format_toolbar.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/page_view.h"
#include "app/standard_toolbar.h"
#include "app/zoom_controls.h"
#include "editing/editor.h"
#include "platform/paths.h"

namespace vendaro {
namespace {

bool& toolBarSetting(ProgramSettings& settings, int bar) {
  switch (bar) {
    case 0: return settings.ToolBar1Visible;
    case 1: return settings.ToolBar2Visible;
    case 2: return settings.ToolBar3Visible;
    default: return settings.ToolBar4Visible;
  }
}

}  // namespace

void MainWindow::addToolBars() {
  standardToolbar_ = new StandardToolbar(*this);
  formatToolbar_ = new FormatToolbar(*this);
  drawingToolbar_ = new DrawingToolbar(*this);
  spacingToolbar_ = new SpacingToolbar(*this);
  addToolBar(Qt::TopToolBarArea, standardToolbar_);
  addToolBarBreak();
  addToolBar(Qt::TopToolBarArea, formatToolbar_);
  addToolBar(Qt::TopToolBarArea, spacingToolbar_);
  addToolBar(Qt::LeftToolBarArea, drawingToolbar_);
  // The bars are shown and hidden through the View menu, which saves them.
  for (int bar = 0; bar < 4; ++bar) toolBar(bar)->toggleViewAction()->setVisible(false);
  setContextMenuPolicy(Qt::NoContextMenu);
}

QToolBar* MainWindow::toolBar(int bar) const {
  QToolBar* const bars[] = {formatToolbar_, standardToolbar_, drawingToolbar_, spacingToolbar_};
  return bar >= 0 && bar < 4 ? bars[bar] : nullptr;
}

bool MainWindow::toolBarShown(int bar) const {
  const QToolBar* shown = toolBar(bar);
  return shown && !shown->isHidden();
}

void MainWindow::showToolBarsFromSettings() {
  for (int bar = 0; bar < 4; ++bar) toolBar(bar)->setVisible(toolBarSetting(shell_.settings(), bar));
}

void MainWindow::toggleToolBar(int bar) {
  bool& shown = toolBarSetting(shell_.settings(), bar);
  shown = !shown;
  toolBar(bar)->setVisible(shown);
  shell_.settingsChanged();
  menus_->refresh();
}

ZoomBox& MainWindow::zoomBox() const { return *standardToolbar_->zoomBox(); }

void MainWindow::FastPrinting1Click() {
  if (EditorWindow* window = activeEditorWindow()) window->FastPrinting();
}

// The box shows the zoom again afterwards, as on leaving it: text that was
// ignored does not stay.
void MainWindow::applyZoomText(const QString& text) {
  EditorWindow* window = activeEditorWindow();
  if (!window) return;
  Editor& editor = *window->editor();
  if (editor.applyZoomText(text.toStdString()) == Editor::ZoomChoice::fitting) window->FormResize();
  zoomBox().showZoom(editor.doc().ZoomPercent);
  window->view().setFocus(Qt::OtherFocusReason);
}

void MainWindow::setFittingZoom(int32_t mode) {
  EditorWindow* window = activeEditorWindow();
  if (!window) return;
  window->editor()->doc().ZoomMode = mode;
  window->FormResize();
}

TZoomForm& MainWindow::zoomForm() {
  if (!zoomForm_) zoomForm_ = new TZoomForm(this);
  return *zoomForm_;
}

void MainWindow::showZoomDialog() {
  EditorWindow* window = activeEditorWindow();
  if (!window) return;
  const Document& doc = window->editor()->doc();
  TZoomForm& form = zoomForm();
  form.setValues(doc.ZoomMode, doc.ZoomPercent);
  if (form.exec() != QDialog::Accepted || activeEditorWindow() != window) return;
  if (form.mode() == kZoomFixed) applyZoomText(QString::fromStdString(zoomBoxText(form.percent())));
  else setFittingZoom(form.mode());
}

void MainWindow::AktiviereTextColor() {
  const ProgramSettings& settings = shell_.settings();
  menus_->editorCommand([&settings](Editor& e) { e.applyTextColor(settings.TextColor); });
}

void MainWindow::AktiviereTextBkColor() {
  const ProgramSettings& settings = shell_.settings();
  menus_->editorCommand([&settings](Editor& e) { e.applyTextBackColor(settings.TextBackColor, settings.TextBackNone); });
}

void MainWindow::AktiviereBkColor() {
  const ProgramSettings& settings = shell_.settings();
  menus_->editorCommand([&settings](Editor& e) { e.applyObjectFill(settings.FillColor, settings.FillNone); });
}

void MainWindow::AktiviereLineColor() {
  const ProgramSettings& settings = shell_.settings();
  menus_->editorCommand([&settings](Editor& e) { e.applyObjectLineColor(settings.LineColor); });
}

void MainWindow::SetLineWidth() {
  const ProgramSettings& settings = shell_.settings();
  menus_->editorCommand([&settings](Editor& e) { e.applyObjectLineWidth(settings.LineWidth); });
}

void MainWindow::Inhalt1Click() {
  const std::filesystem::path help = ProgramDir() / "help" / "vendaro.html";
  if (!std::filesystem::exists(help)) {
    showMessage("Die Hilfedatei " + help.string() + " wurde nicht gefunden.", MessageIcon::error);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(help.string())));
}

TAboutBox& MainWindow::aboutBox() {
  if (!aboutBox_) aboutBox_ = new TAboutBox(this);
  return *aboutBox_;
}

void MainWindow::HelpAbout1Execute() { aboutBox().exec(); }

}  // namespace vendaro
