// make_template.cpp — writes the start template: the document a new window
// builds, saved in the native format.
#include <cstdio>

#include "shell/document_files.h"
#include "shell/headless_host.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_template OUTPUT.lpw\n");
    return 2;
  }
  vendaro::HeadlessHost host;
  vendaro::Editor editor(host);
  editor.FormCreate();
  return vendaro::saveNativeFile(editor, argv[1], true) ? 0 : 1;
}
