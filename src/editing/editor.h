// editor.h — one open document together with everything that edits it: the
// commands, the caret, the hyphenation cache and (in time) the undo history.
// It reaches the world only through its EditorHost.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "document/document.h"
#include "editing/editor_host.h"
#include "editing/program_services.h"
#include "layout/hyphenation.h"

namespace vendaro {

class Editor {
 public:
  explicit Editor(EditorHost& host, ProgramServices& services = ProgramServices::shared());

  Document& doc() { return doc_; }
  const Document& doc() const { return doc_; }
  EditorHost& host() { return host_; }
  ProgramServices& services() { return services_; }
  DocumentHyphenation& hyphenation() { return hyphenation_; }

  // Builds the empty document of a new window: the page-1 body with one
  // empty line and the three header/footer pairs.
  void FormCreate();

  void SetFileChanged(bool flag);
  // Switches the document language; the hyphenation cache starts afresh.
  void SetNewDokumentSprache(int32_t language);
  // Lays out the dirty lines (and whatever they move); the caret and anchor
  // follow their text.
  void MakeSoftEnters();
  // After an edit: lays out, asks for a repaint and shows the caret.
  void RefreshDirtyContent();
  // Lays out every line again and asks for a repaint.
  void RefreshContent();
  // As RefreshContent, then shows the caret (after reading a file or
  // changing the page).
  void CompleteRefresh();
  // Check while typing: the hook tells whether a word is spelled correctly;
  // an empty hook switches the marks off.
  void setSpellingHook(std::function<bool(std::string_view word)> hook) { spellingHook_ = std::move(hook); }
  // Field texts are brought up to date through this hook before each layout.
  void setFieldRefreshHook(std::function<void(Document&)> hook) { fieldRefreshHook_ = std::move(hook); }
  // A reader replaced the document: hyphenation follows the file's language
  // and the whole text is laid out.
  void documentLoaded();

 private:
  EditorHost& host_;
  ProgramServices& services_;
  Document doc_;
  DocumentHyphenation hyphenation_;
  std::function<bool(std::string_view)> spellingHook_;
  std::function<void(Document&)> fieldRefreshHook_;
};

}  // namespace vendaro
