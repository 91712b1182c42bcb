// make_spe.cpp — turns a plain word list of the kind Debian ships
// (/usr/share/dict/*: UTF-8, one word per line) into a ".spe" word list.
//
//   make_spe SOURCE OUTPUT.spe
//
// Words are recoded to code page 1252, sorted in the program's list order
// (upper-cased ASCII, then byte order so the output is always the same) and
// written prefix-compressed. Words that code page 1252 cannot spell, words of
// more than 50 characters and repeated words are left out and counted in the
// summary printed on success.
#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_pages.h"
#include "platform/file_io.h"
#include "spelling/spe_file.h"
#include "spelling/word_order.h"

namespace {

// Marks a character that code page 1252 lacks; no word contains NUL.
constexpr char kUnmappable = '\0';

struct Counts {
  size_t written = 0;
  size_t outsideCodePage = 0;
  size_t tooLong = 0;
  size_t repeated = 0;
};

std::vector<std::string> readWords(const std::filesystem::path& source, Counts& counts) {
  std::vector<uint8_t> bytes;
  if (!vendaro::readWholeFile(source, bytes)) throw std::runtime_error("cannot read " + source.string());
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  std::vector<std::string> words;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.empty()) continue;
    std::string word = vendaro::utf8ToCp1252(line, kUnmappable);
    if (word.find(kUnmappable) != std::string::npos) {
      ++counts.outsideCodePage;
    } else if (word.size() > vendaro::kMaxSpeWordLength) {
      ++counts.tooLong;
    } else {
      words.push_back(std::move(word));
    }
  }
  return words;
}

void sortAndDeduplicate(std::vector<std::string>& words, Counts& counts) {
  std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
    const int order = vendaro::compareInListOrder(a, b);
    return order != 0 ? order < 0 : a < b;
  });
  const auto repeats = std::unique(words.begin(), words.end());
  counts.repeated = static_cast<size_t>(words.end() - repeats);
  words.erase(repeats, words.end());
}

int run(const std::filesystem::path& source, const std::filesystem::path& target) {
  Counts counts;
  std::vector<std::string> words = readWords(source, counts);
  sortAndDeduplicate(words, counts);
  if (words.empty()) throw std::runtime_error(source.string() + ": no words found");
  counts.written = words.size();
  if (!vendaro::writeFileAtomically(target, vendaro::encodeWordList(words))) {
    throw std::runtime_error("cannot write " + target.string());
  }
  std::cout << target.filename().string() << ": " << counts.written << " words written; left out: "
            << counts.outsideCodePage << " outside code page 1252, " << counts.tooLong << " over "
            << vendaro::kMaxSpeWordLength << " characters, " << counts.repeated << " repeated\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_spe SOURCE OUTPUT.spe\n";
    return 2;
  }
  try {
    return run(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "make_spe: " << error.what() << '\n';
    return 1;
  }
}
