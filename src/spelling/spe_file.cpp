// spe_file.cpp — decoding and encoding ".spe" entries.
//
// An entry is: a byte whose bit 7 says the first letter is upper case and
// whose bits 0–6 count the characters taken from the previous word, a byte n,
// and n more characters. The case bit applies to ASCII letters only; any
// other first character keeps its own bytes.
#include "spelling/spe_file.h"

#include <algorithm>
#include <cassert>
#include <string_view>

#include "platform/file_io.h"
#include "spelling/word_list.h"
#include "spelling/word_order.h"

namespace vendaro {
namespace {

constexpr uint8_t kCapitalBit = 0x80;
constexpr uint8_t kPrefixMask = 0x7F;

// The first letter as the case bit says.
void applyCaseBit(std::string& word, bool capital) {
  const auto first = static_cast<uint8_t>(word[0]);
  word[0] = static_cast<char>(capital ? upperAscii(first) : lowerAscii(first));
}

// How many leading characters `word` can take from `previous`: the first
// may differ in ASCII case because the case bit restores it.
size_t sharedPrefix(std::string_view previous, std::string_view word) {
  const size_t limit = std::min(previous.size(), word.size());
  size_t count = 0;
  while (count < limit) {
    const auto a = static_cast<uint8_t>(previous[count]);
    const auto b = static_cast<uint8_t>(word[count]);
    const bool same = count == 0 ? upperAscii(a) == upperAscii(b) : a == b;
    if (!same) break;
    ++count;
  }
  return count;
}

// How many entries the image holds, as far as their lengths go; decoding
// checks them properly.
size_t countEntries(std::span<const uint8_t> bytes) {
  size_t entries = 0;
  for (size_t offset = 0; offset + 2 <= bytes.size(); offset += 2 + bytes[offset + 1]) ++entries;
  return entries;
}

}  // namespace

WordListReadResult decodeWordList(std::span<const uint8_t> bytes, WordList& list) {
  WordListReadResult result;
  const size_t firstNew = list.size();
  // One allocation for the whole file instead of one move of every word
  // per block.
  list.reserveQuietly(firstNew + countEntries(bytes));
  std::string previous;
  size_t offset = 0;
  while (offset < bytes.size()) {
    result.stoppedAt = offset;
    if (bytes.size() - offset < 2) {
      result.status = WordListReadStatus::Damaged;
      break;
    }
    const uint8_t head = bytes[offset];
    const size_t prefix = head & kPrefixMask;
    const size_t count = bytes[offset + 1];
    const bool fits = prefix <= previous.size() && prefix + count <= kMaxSpeWordLength && prefix + count > 0 &&
                      count <= bytes.size() - offset - 2;
    if (!fits) {
      result.status = WordListReadStatus::Damaged;
      break;
    }
    const auto rest = bytes.subspan(offset + 2, count);
    std::string word = previous.substr(0, prefix);
    word.append(rest.begin(), rest.end());
    if (word.find('\0') != std::string::npos) {
      result.status = WordListReadStatus::Damaged;
      break;
    }
    applyCaseBit(word, (head & kCapitalBit) != 0);
    if (!list.append(word)) {
      result.status = WordListReadStatus::OutOfMemory;
      break;
    }
    previous = std::move(word);
    ++result.wordsRead;
    offset += 2 + count;
  }
  if (result.status == WordListReadStatus::Complete) result.stoppedAt = bytes.size();

  // The new words and the junction with what the list held before.
  const auto whole = list.elements();
  const size_t checkFrom = firstNew > 0 ? firstNew - 1 : 0;
  if (!isInListOrder(whole.subspan(checkFrom))) {
    list.sort();
    result.sorted = true;
  }
  return result;
}

WordListReadResult OpenWordList(const std::filesystem::path& path, WordList& list) {
  std::vector<uint8_t> bytes;
  if (!readWholeFile(path, bytes, kMaxWordListFileBytes)) {
    WordListReadResult result;
    result.status = WordListReadStatus::NotOpened;
    return result;
  }
  return decodeWordList(bytes, list);
}

std::vector<uint8_t> encodeWordList(std::span<const std::string> words) {
  std::vector<uint8_t> out;
  std::string_view previous;
  for (const std::string& word : words) {
    assert(!word.empty() && word.size() <= kMaxSpeWordLength && word.find('\0') == std::string::npos);
    const size_t prefix = sharedPrefix(previous, word);
    const bool capital = isUpperAscii(static_cast<uint8_t>(word[0]));
    out.push_back(static_cast<uint8_t>((capital ? kCapitalBit : 0) | prefix));
    out.push_back(static_cast<uint8_t>(word.size() - prefix));
    out.insert(out.end(), word.begin() + static_cast<std::ptrdiff_t>(prefix), word.end());
    previous = word;
  }
  return out;
}

}  // namespace vendaro
