// sane_test_scanner.h — points SANE at its built-in "test" scanner for the
// scanning tests, with the scanner's settings written as its configuration.
#pragma once

#include <string>
#include <vector>

namespace vendaro::test {

// Lines of the test scanner's configuration (such as "three-pass true" or
// "br_x 10"); SANE reads them when it next starts. With `present` false no
// scanner is configured at all.
void useSaneTestScanner(const std::vector<std::string>& settings = {}, bool present = true);

}  // namespace vendaro::test
