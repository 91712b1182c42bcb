// command_line.h — the executable's headless options, for scripts and tests:
// --dump, --convert-to. They need no display; a failure prints the German
// message and ends with a non-zero status.
#pragma once

#include <string>
#include <vector>

namespace vendaro {

// True when the arguments ask for a headless option rather than the window.
bool isHeadlessCommand(const std::vector<std::string>& args);
// Runs a headless option; returns the process exit status.
int runHeadlessCommand(const std::vector<std::string>& args);
std::string usageText();

}  // namespace vendaro
