// command_line.h — the executable's headless options, for scripts and tests:
// --dump, --convert-to, --render-png. They need no display; a failure prints
// the German message and ends with a non-zero status.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "editing/editor.h"

namespace vendaro {

// True when the arguments ask for a headless option rather than the window.
bool isHeadlessCommand(const std::vector<std::string>& args);
// Draws page 1 of the editor's document as printed, at the zoom, into a PNG
// file; false with a German message in `error` when it cannot. The window
// program supplies it (drawing needs the front end's canvas).
using PageImageRenderer =
    std::function<bool(Editor& editor, double zoomPercent, const std::filesystem::path& out, std::string& error)>;

// Runs a headless option; returns the process exit status.
int runHeadlessCommand(const std::vector<std::string>& args, const PageImageRenderer& renderer = {});
std::string usageText();

}  // namespace vendaro
