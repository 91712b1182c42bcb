#include "shell/command_line.h"

#include <cstdio>
#include <cstdlib>
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

// --render-png OUT.png [--zoom N] FILE
int renderPng(const std::vector<std::string>& args, const PageImageRenderer& renderer) {
  if (args.size() != 3 && args.size() != 5) return usageError("--render-png erwartet eine Bilddatei, optional --zoom N, und eine Datei.");
  double zoom = 100.0;
  if (args.size() == 5) {
    if (args[2] != "--zoom") return usageError("Unbekannte Angabe: " + args[2]);
    char* end = nullptr;
    zoom = std::strtod(args[3].c_str(), &end);
    if (end == args[3].c_str() || *end != '\0' || !(zoom >= 1.0 && zoom <= 1000.0))
      return usageError("Der Zoom muss zwischen 1 und 1000 liegen.");
  }
  if (!renderer) {
    std::fputs("Diese Ausgabe ist ohne die Programmoberfläche nicht verfügbar.\n", stderr);
    return kExitFailure;
  }
  HeadlessHost host;
  Editor editor(host);
  if (!openForCommand(editor, args.back())) return kExitFailure;
  std::string error;
  if (!renderer(editor, zoom, args[1], error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitFailure;
  }
  return 0;
}

}  // namespace

bool isHeadlessCommand(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  const std::string& first = args[0];
  return first == "--dump" || first == "--convert-to" || first == "--render-png" || first == "--help" || first == "-h";
}

int runHeadlessCommand(const std::vector<std::string>& args, const PageImageRenderer& renderer) {
  const std::string& command = args.at(0);
  if (command == "--dump") return dump(args);
  if (command == "--convert-to") return convert(args);
  if (command == "--render-png") return renderPng(args, renderer);
  std::fputs(usageText().c_str(), stdout);
  return 0;
}

std::string usageText() {
  return "Aufruf:\n"
         "  vendaro [DATEI…] [/P DATEI…]        Programm starten, Dateien öffnen (nach /P: drucken)\n"
         "  vendaro --dump DATEI                Dokumentmodell als JSON ausgeben\n"
         "  vendaro --convert-to lpx [--outdir ORDNER] DATEI…\n"
         "                                      Dateien umwandeln\n"
         "  vendaro --render-png BILD.png [--zoom N] DATEI\n"
         "                                      Seite 1 wie gedruckt als PNG-Bild ausgeben\n";
}

}  // namespace vendaro
