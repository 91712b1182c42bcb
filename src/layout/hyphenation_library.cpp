// hyphenation_library.cpp — loading each language's table on first use.
#include "layout/hyphenation_library.h"

#include "platform/paths.h"

namespace vendaro {

const HyphenPatternTable& HyphenationLibrary::table(int32_t language) {
  HyphenPatternTable& table = tables_[slot(language)];
  if (!table.loaded()) {
    const std::filesystem::path folder = folder_ ? *folder_ : ProgramDir();
    table = HyphenPatternTable::loadFile(folder / patternFileName(language));
  }
  return table;
}

const char* HyphenationLibrary::patternFileName(int32_t language) {
  return slot(language) == 1 ? "english0.hyp" : "german0.hyp";
}

}  // namespace vendaro
