#include "editing/editor.h"

#include "platform/font_engine.h"

namespace vendaro {

Editor::Editor(EditorHost& host) : Editor(host, FontEngine::shared()) {}

Editor::Editor(EditorHost& host, FontEngine& fonts) : host_(host), doc_(fonts) {}

void Editor::FormCreate() {
  doc_.FreeFields();
  doc_.DocFileName.clear();
  doc_.PageWidth = 210.0;
  doc_.PageHeight = 297.0;
  doc_.SetPrinterProps();
  doc_.Pictures.clear();
  doc_.AutoHyphenate = 1;
  doc_.DocLanguage = 0;
  doc_.CurFont = defaultCurFont();
  doc_.ZoomPercent = 100.0;
  doc_.NewPage(true);
  doc_.CreateHeaderFooter();
  doc_.SetAllDirtyFlags();
  CompleteRefresh();
}

void Editor::SetFileChanged(bool flag) {
  doc_.SetFileChanged(flag);
  host_.setCaption(flag ? doc_.DocTitle + "*" : doc_.DocTitle);
  host_.fileMenuChanged();
}

void Editor::CompleteRefresh() {
  doc_.SetAllDirtyFlags();
  // Line breaking and pagination connect here: they lay out every dirty line
  // and then ask the host for a repaint.
  host_.requestRepaint();
}

}  // namespace vendaro
