#include "shell/command_line.h"

#include <cstdio>

namespace vendaro {

int runCommandLine(int, char**) {
  std::fprintf(stderr, "vendaro: noch keine Optionen\n");
  return 2;
}

}  // namespace vendaro
