#include "shell/command_line.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "shell/document_dump.h"
#include "shell/document_files.h"
#include "shell/headless_host.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int usageError(const std::string& text) {
  std::fprintf(stderr, "%s\n\n%s", text.c_str(), usageText().c_str());
  return kExitUsage;
}

// Opens a file the way a new window does: the empty document first, then
// the reader.
bool openForCommand(Editor& editor, const fs::path& path) {
  editor.FormCreate();
  return openNativeFile(editor, path, false);
}

int dump(const std::vector<std::string>& args) {
  if (args.size() != 2) return usageError("--dump erwartet genau eine Datei.");
  HeadlessHost host;
  Editor editor(host);
  if (!openForCommand(editor, args[1])) return kExitFailure;
  std::cout << dumpDocumentJson(editor.doc());
  return std::cout.good() ? 0 : kExitFailure;
}

int convert(const std::vector<std::string>& args) {
  if (args.size() < 3) return usageError("--convert-to erwartet ein Format und mindestens eine Datei.");
  const std::string format = args[1];
  if (format != "lpx") return usageError("Dieses Zielformat wird nicht unterstützt: " + format);
  fs::path outdir;
  size_t first = 2;
  if (args[first] == "--outdir") {
    if (args.size() < first + 3) return usageError("--outdir erwartet einen Ordner und mindestens eine Datei.");
    outdir = args[first + 1];
    first += 2;
  }
  HeadlessHost host;
  int status = 0;
  for (size_t i = first; i < args.size(); ++i) {
    const fs::path source = args[i];
    fs::path target = (outdir.empty() ? source.parent_path() : outdir) / source.filename();
    target.replace_extension("." + format);
    Editor editor(host);
    if (!openForCommand(editor, source) || !saveNativeFile(editor, target, false)) status = kExitFailure;
  }
  return status;
}

}  // namespace

bool isHeadlessCommand(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  const std::string& first = args[0];
  return first == "--dump" || first == "--convert-to" || first == "--help" || first == "-h";
}

int runHeadlessCommand(const std::vector<std::string>& args) {
  const std::string& command = args.at(0);
  if (command == "--dump") return dump(args);
  if (command == "--convert-to") return convert(args);
  std::fputs(usageText().c_str(), stdout);
  return 0;
}

std::string usageText() {
  return "Aufruf:\n"
         "  vendaro [DATEI…] [/P DATEI…]        Programm starten, Dateien öffnen (nach /P: drucken)\n"
         "  vendaro --dump DATEI                Dokumentmodell als JSON ausgeben\n"
         "  vendaro --convert-to lpx [--outdir ORDNER] DATEI…\n"
         "                                      Dateien umwandeln\n";
}

}  // namespace vendaro
