// Spelling speed with the generated word lists from the program folder (set
// VENDARO_PROGRAM_DIR to the build's bin folder): loading german.spe, one
// look-up per word as the check while typing asks, and the suggestions for
// a misspelt word.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "spelling/spe_file.h"
#include "spelling/spell_check.h"
#include "spelling/suggestions.h"
#include "spelling/word_order.h"

namespace {

using vendaro::WordList;

const WordList& germanWords() {
  static WordList list;
  if (list.empty() &&
      vendaro::OpenWordList(vendaro::ProgramDir() / "german.spe", list).status != vendaro::WordListReadStatus::Complete) {
    throw std::runtime_error("german.spe not found: set VENDARO_PROGRAM_DIR to the build's bin folder");
  }
  return list;
}

// About a thousand words spread over the alphabet, as a text brings them:
// list words as stored, capitalised at a sentence start, with a typing
// error at the end, and nouns typed in lower case.
std::vector<std::string> typedWords() {
  const WordList& list = germanWords();
  std::vector<std::string> words;
  for (size_t i = 0; i < list.size(); i += list.size() / 997) {
    std::string word = list[i];
    const auto first = static_cast<uint8_t>(word[0]);
    if (words.size() % 4 == 1) word[0] = static_cast<char>(vendaro::upperAscii(first));
    if (words.size() % 4 == 2) word += "x";
    if (words.size() % 4 == 3) word[0] = static_cast<char>(vendaro::lowerAscii(first));
    words.push_back(word);
  }
  return words;
}

void BM_OpenWordListGerman(benchmark::State& state) {
  const std::filesystem::path path = vendaro::ProgramDir() / "german.spe";
  for (auto _ : state) {
    WordList list;
    if (vendaro::OpenWordList(path, list).status != vendaro::WordListReadStatus::Complete) {
      state.SkipWithError("german.spe not found");
      break;
    }
    benchmark::DoNotOptimize(list.size());
  }
}
BENCHMARK(BM_OpenWordListGerman)->Unit(benchmark::kMillisecond);

void BM_istwortkorrekt(benchmark::State& state) {
  const WordList& list = germanWords();
  const std::vector<std::string> words = typedWords();
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vendaro::istwortkorrekt(list, words[next], true));
    next = next + 1 == words.size() ? 0 : next + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_istwortkorrekt);

// A long word with one close entry, and short ones whose best band holds
// dozens of entries to be ordered by their distance.
void BM_findewortvorschlaege(benchmark::State& state) {
  const WordList& list = germanWords();
  const char* const words[] = {"Silbentrenung", "Strase", "grosse"};
  const char* word = words[state.range(0)];
  state.SetLabel(word);
  for (auto _ : state) {
    benchmark::DoNotOptimize(vendaro::findewortvorschlaege(list, word));
  }
}
BENCHMARK(BM_findewortvorschlaege)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
