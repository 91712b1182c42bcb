// spe_fuzz.cpp — feeds arbitrary bytes to the ".spe" word list reader, then
// checks what came out: words of 1 to 50 characters in list order, which the
// writer turns into a file that reads back the same; searches that agree
// with a plain binary search, look-ups and suggestions on the list.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "spelling/spe_file.h"
#include "spelling/spell_check.h"
#include "spelling/suggestions.h"
#include "spelling/word_order.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vendaro::WordList list;
  vendaro::decodeWordList(std::span<const uint8_t>(data, size), list);
  if (!vendaro::isInListOrder(list.elements())) std::abort();
  for (const std::string& word : list) {
    if (word.empty() || word.size() > vendaro::kMaxSpeWordLength) std::abort();
  }

  const std::vector<uint8_t> again = vendaro::encodeWordList(list.elements());
  vendaro::WordList reread;
  const vendaro::WordListReadResult result = vendaro::decodeWordList(again, reread);
  if (result.status != vendaro::WordListReadStatus::Complete || result.sorted) std::abort();
  if (!std::equal(list.begin(), list.end(), reread.begin(), reread.end())) std::abort();

  // The key-assisted search agrees with a plain one, for list words and
  // words just beside them.
  const auto words = list.elements();
  for (size_t i = 0; i < list.size() && i < 200; ++i) {
    for (const std::string& probe : {list[i], list[i] + "a", list[i].substr(0, list[i].size() - 1)}) {
      const auto lower = std::lower_bound(words.begin(), words.end(), probe, vendaro::ListOrderLess{});
      const auto upper = std::upper_bound(words.begin(), words.end(), probe, vendaro::ListOrderLess{});
      if (list.lowerBound(probe) != static_cast<size_t>(lower - words.begin())) std::abort();
      if (list.upperBound(probe) != static_cast<size_t>(upper - words.begin())) std::abort();
    }
  }

  // Every word is found, unless more than the look-up window's worth of
  // spellings rank equal with it (only a made-up list has those).
  for (size_t i = 0; i < list.size() && i < 200; ++i) {
    const size_t equalRun = list.upperBound(list[i]) - list.lowerBound(list[i]);
    if (equalRun <= vendaro::kLookupWindow + 1 && !vendaro::istwortkorrekt(list, list[i], false)) std::abort();
  }
  if (list.size() <= 2000) vendaro::findewortvorschlaege(list, "Wort");
  return 0;
}
