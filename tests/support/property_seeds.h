// property_seeds.h — how many random cases a property test tries: the
// suite's number, or more for a long run by hand with
// VENDARO_PROPERTY_SEEDS=10000.
#pragma once

#include <cstdlib>
#include <string>

namespace vendaro::test {

inline unsigned propertySeeds(unsigned inSuite) {
  const char* asked = std::getenv("VENDARO_PROPERTY_SEEDS");
  if (asked == nullptr || *asked == '\0') return inSuite;
  const unsigned long seeds = std::strtoul(asked, nullptr, 10);
  return seeds > 0 ? static_cast<unsigned>(seeds) : inSuite;
}

}  // namespace vendaro::test
