// hyp_fuzz.cpp — feeds arbitrary bytes to the ".hyp" pattern reader, then
// hyphenates a few words with whatever table came out, through both lookups.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "layout/hyphen_pattern_file.h"
#include "layout/hyphenation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vendaro::HyphenPatternTable table(vendaro::parsePatternFile(std::span<const uint8_t>(data, size)));
  static const char* const kWords[] = {"", "a", "ab", "Silbentrennung", "hyphenation", "\xe4\xf6\xfc\xdf.-x",
                                       "Donaudampfschifffahrtsgesellschaftskapit\xe4nsm\xfctze"};
  auto check = [&](const std::string& word) {
    const std::string indexed = vendaro::hyphenateWord(table, word, vendaro::PatternLookup::Indexed);
    if (indexed != vendaro::hyphenateWord(table, word, vendaro::PatternLookup::GroupScan)) std::abort();
  };
  for (const char* word : kWords) check(word);
  // Words spelled from the table's own patterns, so that they surely match.
  for (int length = 1; length <= vendaro::kPatternGroupCount; ++length) {
    const auto& group = table.group(length);
    for (size_t i = 0; i < group.size() && i < 3; ++i) check("x" + group[i].letters + "y");
  }
  return 0;
}
