// command_line.h — the executable's options: headless conversions and
// inspection for scripts and tests, file names and "/P" for the window.
#pragma once

namespace vendaro {

int runCommandLine(int argc, char** argv);

}  // namespace vendaro
