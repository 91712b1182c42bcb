#include "shell/command_support.h"

#include <cstdio>

#include "shell/command_line.h"
#include "shell/document_files.h"
#include "shell/file_dispatch.h"

namespace vendaro {

int usageError(const std::string& text) {
  std::fprintf(stderr, "%s\n\n%s", text.c_str(), usageText().c_str());
  return kExitUsage;
}

int failure(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  return kExitFailure;
}

bool isOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

bool openForCommand(Editor& editor, const std::filesystem::path& path) {
  editor.FormCreate();
  static const DocumentFormats formats;
  return openDocumentFile(editor, formats, path, kOpenByExtension, false).has_value();
}

}  // namespace vendaro
