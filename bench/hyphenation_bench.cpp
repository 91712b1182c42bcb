// Hyphenation speed with the generated German patterns from the program
// folder (set VENDARO_PROGRAM_DIR to the build's bin folder): distinct words
// that miss the cache, words answered from the cache, and the two lookups.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

#include "layout/hyphenation.h"
#include "platform/code_pages.h"

namespace {

using vendaro::DocumentHyphenation;
using vendaro::HyphenationLibrary;

// The German word list in code page 1252, upper-cased duplicates removed so
// every request misses the cache.
const std::vector<std::string>& germanWords() {
  static const std::vector<std::string> words = [] {
    std::ifstream in("/usr/share/dict/ngerman");
    std::vector<std::string> distinct;
    std::unordered_set<std::string> seen;
    for (std::string line; std::getline(in, line);) {
      std::string word = vendaro::utf8ToCp1252(line);
      std::string key = word;
      for (char& ch : key) ch = ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
      if (!word.empty() && seen.insert(std::move(key)).second) distinct.push_back(std::move(word));
    }
    if (distinct.empty()) throw std::runtime_error("no words in /usr/share/dict/ngerman");
    return distinct;
  }();
  return words;
}

HyphenationLibrary& library() {
  static HyphenationLibrary shared;
  if (shared.table(HyphenationLibrary::kGerman).patternCount() == 0) {
    throw std::runtime_error("german0.hyp not found: set VENDARO_PROGRAM_DIR to the build's bin folder");
  }
  return shared;
}

// Every request a word the cache has not seen; the cache is emptied once the
// whole list has been asked for, which the figure includes.
void BM_TrenneSilbenUncached(benchmark::State& state) {
  const auto& words = germanWords();
  DocumentHyphenation document(library(), HyphenationLibrary::kGerman);
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(document.TrenneSilben(words[next]));
    if (++next == words.size()) {
      next = 0;
      document.FreeHyphenData();
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TrenneSilbenUncached);

// A page's worth of words asked for again and again, as on every re-wrap.
void BM_TrenneSilbenCached(benchmark::State& state) {
  const auto& all = germanWords();
  const std::vector<std::string> words(all.begin(), all.begin() + std::min<size_t>(2000, all.size()));
  DocumentHyphenation document(library(), HyphenationLibrary::kGerman);
  for (const auto& word : words) document.TrenneSilben(word);
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(document.TrenneSilben(words[next]));
    next = next + 1 == words.size() ? 0 : next + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TrenneSilbenCached);

// The pattern method alone, through either lookup.
void BM_HyphenateWord(benchmark::State& state, vendaro::PatternLookup lookup) {
  const auto& words = germanWords();
  const auto& table = library().table(HyphenationLibrary::kGerman);
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vendaro::hyphenateWord(table, words[next], lookup));
    next = (next + 7919) % words.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_HyphenateWord, Indexed, vendaro::PatternLookup::Indexed);
BENCHMARK_CAPTURE(BM_HyphenateWord, GroupScan, vendaro::PatternLookup::GroupScan);

}  // namespace
