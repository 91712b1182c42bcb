// editor.h — one open document together with everything that edits it: the
// commands, the caret and (in time) the undo history. It reaches the world
// only through its EditorHost.
#pragma once

#include <string>

#include "document/document.h"
#include "editing/editor_host.h"

namespace vendaro {

class Editor {
 public:
  explicit Editor(EditorHost& host);
  Editor(EditorHost& host, FontEngine& fonts);

  Document& doc() { return doc_; }
  const Document& doc() const { return doc_; }
  EditorHost& host() { return host_; }

  // Builds the empty document of a new window: the page-1 body with one
  // empty line and the three header/footer pairs.
  void FormCreate();

  void SetFileChanged(bool flag);
  // Lays out every line again (after reading a file or changing the page).
  void CompleteRefresh();

 private:
  EditorHost& host_;
  Document doc_;
};

}  // namespace vendaro
