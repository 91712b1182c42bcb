// main.cpp — the vendaro executable: headless command-line options for
// scripts and tests, otherwise the window.
#include "shell/command_line.h"

int main(int argc, char** argv) {
  return vendaro::runCommandLine(argc, argv);
}
