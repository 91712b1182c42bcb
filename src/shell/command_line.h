// command_line.h — the executable's headless options, for scripts and tests:
// --dump, --convert-to, --render-png, --poster-pdf, --version, --help. They need no
// display; a failure prints the German message and ends with a non-zero
// status.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "editing/editor.h"

namespace vendaro {

// The program's version, as --version prints it.
const char* programVersion();

// Without a display the window program cannot start: this is said instead.
inline constexpr char kNoDisplayMessage[] =
    "Keine grafische Anzeige gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt). "
    "Ohne Anzeige stehen die Befehle von \"vendaro --help\" zur Verfügung.";

// True when the arguments hold any option: the window takes only file
// names and "/P", so an option that no command knows is an error too.
bool isHeadlessCommand(const std::vector<std::string>& args);
// True when --dump or --convert-to reads a file whose metafile pictures can
// only be drawn on a raster target, which the window program supplies.
bool commandNeedsRasterTarget(const std::vector<std::string>& args);
// Draws page 1 of the editor's document as printed, at the zoom, into a PNG
// file; false with a German message in `error` when it cannot. The window
// program supplies it (drawing needs the front end's canvas).
using PageImageRenderer =
    std::function<bool(Editor& editor, double zoomPercent, const std::filesystem::path& out, std::string& error)>;

// Runs a headless option; returns the process exit status.
int runHeadlessCommand(const std::vector<std::string>& args, const PageImageRenderer& renderer = {});
std::string usageText();

// Whether the window can hope for a display: Qt has been told its platform,
// or an X11 or Wayland display is named in the environment.
using EnvironmentLookup = std::function<const char*(const char* name)>;
bool windowDisplayAvailable(const EnvironmentLookup& lookup = [](const char* name) { return std::getenv(name); });

}  // namespace vendaro
