// dyna_array.cpp — the out-of-memory messages of TDynaArray.
#include "spelling/dyna_array.h"

#include <cstdio>

namespace vendaro {

std::string allocationErrorMessage(bool firstAllocation, size_t bytes) {
  return std::string(firstAllocation ? "Error 1" : "Error 2") + " while trying to allocate " + std::to_string(bytes) +
         " bytes of RAM. Not enough memory.";
}

void reportAllocationErrorToStderr(const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); }

}  // namespace vendaro
