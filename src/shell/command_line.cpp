#include "shell/command_line.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

#include "formats/metafile_probe.h"
#include "shell/command_support.h"
#include "shell/document_dump.h"
#include "shell/document_files.h"
#include "shell/file_dispatch.h"
#include "shell/headless_host.h"
#include "shell/pdf_export.h"
#include "shell/poster_command.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;

int dump(const std::vector<std::string>& args) {
  if (args.size() != 2) return usageError("--dump erwartet genau eine Datei.");
  HeadlessHost host;
  Editor editor(host);
  if (!openForCommand(editor, args[1])) return kExitFailure;
  writeDocumentJson(editor.doc(), std::cout);
  return std::cout.good() ? 0 : kExitFailure;
}

// Whether writing `target` would replace `source` itself, under whatever
// name (the same path, a link, another spelling of the folder).
bool sameFile(const fs::path& source, const fs::path& target) {
  std::error_code error;
  if (fs::equivalent(source, target, error)) return true;
  const fs::path a = fs::weakly_canonical(source, error);
  if (error) return false;
  const fs::path b = fs::weakly_canonical(target, error);
  return !error && a == b;
}

// The folder given with --outdir, created when missing. False when it
// cannot be had; the user has been told.
bool prepareOutputFolder(const fs::path& folder) {
  std::error_code error;
  if (fs::is_directory(folder, error)) return true;
  fs::create_directories(folder, error);
  if (!error && fs::is_directory(folder, error)) return true;
  failure("Konnte Ordner " + folder.string() + " nicht anlegen!");
  return false;
}

// The writers of --convert-to, by the format named on the command line.
using CommandWriter = bool (*)(Editor& editor, const fs::path& target);

bool writeNative(Editor& editor, const fs::path& target) { return saveNativeFile(editor, target, false); }
bool writeAnsiText(Editor& editor, const fs::path& target) { return saveAnsiTextFile(editor, target, false); }
bool writeRtf(Editor& editor, const fs::path& target) { return saveRtfFile(editor, target, false); }

CommandWriter commandWriterFor(const std::string& format) {
  if (format == "lpx") return writeNative;
  if (format == "pdf") return SavePDFFile;
  if (format == "txt") return writeAnsiText;
  if (format == "rtf") return writeRtf;
  return nullptr;
}

int convertOne(HeadlessHost& host, CommandWriter write, const fs::path& source, const fs::path& target) {
  if (sameFile(source, target)) {
    return failure("Die Umwandlung von " + source.string() +
                   " würde die Datei selbst überschreiben; bitte mit --outdir einen anderen Ordner wählen.");
  }
  Editor editor(host);
  if (!openForCommand(editor, source) || !write(editor, target)) return kExitFailure;
  return 0;
}

int convert(const std::vector<std::string>& args) {
  if (args.size() < 3) return usageError("--convert-to erwartet ein Format und mindestens eine Datei.");
  const std::string format = args[1];
  const CommandWriter write = commandWriterFor(format);
  if (write == nullptr) return usageError("Dieses Zielformat wird nicht unterstützt: " + format);
  fs::path outdir;
  size_t first = 2;
  if (args[first] == "--outdir") {
    if (args.size() < first + 3) return usageError("--outdir erwartet einen Ordner und mindestens eine Datei.");
    outdir = args[first + 1];
    first += 2;
  }
  for (size_t i = first; i < args.size(); ++i) {
    if (isOption(args[i])) return usageError("Unbekannte Angabe: " + args[i]);
  }
  if (!outdir.empty() && !prepareOutputFolder(outdir)) return kExitFailure;
  HeadlessHost host;
  int status = 0;
  for (size_t i = first; i < args.size(); ++i) {
    const fs::path source = args[i];
    fs::path target = (outdir.empty() ? source.parent_path() : outdir) / source.filename();
    target.replace_extension("." + format);
    if (convertOne(host, write, source, target) != 0) status = kExitFailure;
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
  if (!renderer) return failure("Diese Ausgabe ist ohne die Programmoberfläche nicht verfügbar.");
  HeadlessHost host;
  Editor editor(host);
  if (!openForCommand(editor, args.back())) return kExitFailure;
  std::string error;
  if (!renderer(editor, zoom, args[1], error)) return failure(error);
  return 0;
}

}  // namespace

bool isHeadlessCommand(const std::vector<std::string>& args) {
  for (const std::string& arg : args)
    if (isOption(arg)) return true;
  return false;
}

bool commandNeedsRasterTarget(const std::vector<std::string>& args) {
  if (args.empty() || (args.front() != "--dump" && args.front() != "--convert-to")) return false;
  return std::any_of(args.begin() + 1, args.end(),
                     [](const std::string& arg) { return !isOption(arg) && mayHoldMetafilePictures(arg); });
}

int runHeadlessCommand(const std::vector<std::string>& args, const PageImageRenderer& renderer) {
  const std::string& command = args.at(0);
  if (command == "--dump") return dump(args);
  if (command == "--convert-to") return convert(args);
  if (command == "--render-png") return renderPng(args, renderer);
  if (command == "--poster-pdf") return runPosterPdf(args);
  if (command == "--version") {
    std::printf("vendaro %s\n", programVersion());
    return 0;
  }
  if (command == "--help" || command == "-h") {
    std::fputs(usageText().c_str(), stdout);
    return 0;
  }
  for (const std::string& arg : args)
    if (isOption(arg)) return usageError("Unbekannte Option: " + arg);
  return usageError("Unbekannte Option: " + command);
}

std::string usageText() {
  return "Aufruf:\n"
         "  vendaro [DATEI…] [/P DATEI…]        Programm starten, Dateien öffnen (nach /P: drucken)\n"
         "  vendaro --dump DATEI                Dokumentmodell als JSON ausgeben\n"
         "  vendaro --convert-to lpx|pdf|rtf|txt [--outdir ORDNER] DATEI…\n"
         "                                      Dateien umwandeln (der Ordner wird bei Bedarf angelegt)\n"
         "  vendaro --render-png BILD.png [--zoom N] DATEI\n"
         "                                      Seite 1 wie gedruckt als PNG-Bild ausgeben\n"
         "  vendaro --poster-pdf AUSGABE.pdf [--sheet A4|A3|A0|BxH] [--landscape] [--margin MM]\n"
         "          [--no-overlap] [--no-cut-lines] [--no-glue-lines] [--edge-lines] [--only S,Z] DATEI\n"
         "                                      Seite 1 als Poster auf Blättern in eine PDF-Datei ausgeben\n"
         "  vendaro --version                   Version ausgeben\n"
         "  vendaro --help                      Diese Hilfe ausgeben\n";
}

const char* programVersion() { return VENDARO_VERSION; }

bool windowDisplayAvailable(const EnvironmentLookup& lookup) {
  const auto isSet = [&](const char* name) {
    const char* value = lookup(name);
    return value != nullptr && *value != '\0';
  };
  return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

}  // namespace vendaro
