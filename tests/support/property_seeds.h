// property_seeds.h — how many random cases a property test tries, and how
// many steps a case takes where it takes steps: the suite's numbers, or
// more for a long run by hand with VENDARO_PROPERTY_SEEDS=10000 and
// VENDARO_PROPERTY_STEPS=400.
#pragma once

#include <cstdlib>
#include <string>

namespace vendaro::test {

inline unsigned countAsked(const char* variable, unsigned inSuite) {
  const char* asked = std::getenv(variable);
  if (asked == nullptr || *asked == '\0') return inSuite;
  const unsigned long count = std::strtoul(asked, nullptr, 10);
  return count > 0 ? static_cast<unsigned>(count) : inSuite;
}

inline unsigned propertySeeds(unsigned inSuite) { return countAsked("VENDARO_PROPERTY_SEEDS", inSuite); }
inline unsigned propertySteps(unsigned inSuite) { return countAsked("VENDARO_PROPERTY_STEPS", inSuite); }

}  // namespace vendaro::test
