#include "editing/editor.h"

#include "layout/line_breaking.h"

namespace vendaro {

Editor::Editor(EditorHost& host, ProgramServices& services)
    : host_(host), services_(services), doc_(services.fonts), hyphenation_(services.hyphenation, doc_.DocLanguage, &services.spelling) {
  fieldSources_.clock = [this] { return host_.currentDateTime(); };
  fieldRefreshHook_ = [this](Document& doc) { return FelderAktuallisieren(doc, fieldSources_); };
}

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
  hyphenation_.OpenHyphenData(doc_.DocLanguage);
  doc_.NewPage(true);
  doc_.CreateHeaderFooter();
  doc_.SetAllDirtyFlags();
  CompleteRefresh();
  FreeVorlagen();
  CreateStandartVorlagen();
}

void Editor::SetFileChanged(bool flag) {
  doc_.SetFileChanged(flag);
  host_.setCaption(flag ? doc_.DocTitle + "*" : doc_.DocTitle);
  host_.fileMenuChanged();
}

void Editor::SetNewDokumentSprache(int32_t language) {
  if (language == doc_.DocLanguage) return;
  doc_.DocLanguage = language;
  hyphenation_.OpenHyphenData(language);
}

void Editor::documentLoaded() {
  hyphenation_.OpenHyphenData(doc_.DocLanguage);
  CompleteRefresh();
  // Typing goes on in the format of the text at the restored caret, not in
  // whatever input format the file or the start template carried.
  OvertakeFont();
}

void Editor::MakeSoftEnters() {
  const LayoutContext context{doc_, hyphenation_, spellingHook_, fieldRefreshHook_, spellingRecheck_};
  vendaro::MakeSoftEnters(context);
  // Lines that later runs do not lay out keep the marks they have now.
  if (spellingHook_) spellingRecheck_ = false;
}

void Editor::RefreshDirtyContent() {
  MakeSoftEnters();
  host_.requestRepaint();
  host_.scrollCaretIntoView();
}

void Editor::RefreshContent() {
  doc_.SetAllDirtyFlags();
  MakeSoftEnters();
  host_.requestRepaint();
}

void Editor::CompleteRefresh() {
  RefreshContent();
  host_.scrollCaretIntoView();
}

}  // namespace vendaro
