// make_hyp.cpp — turns a hyphenation dictionary of the kind Debian ships
// (/usr/share/hyphen/hyph_*.dic: a charset line, then Liang patterns such as
// "a1b2c", possibly in two levels split by NEXTLEVEL) into a ".hyp" file.
//
//   make_hyp SOURCE.dic OUTPUT.hyp
//
// Only the last level holds the standard patterns; comments, directives and
// non-standard patterns ("/" replacements) are skipped. Letters become lower
// case code page 1252. Patterns the ".hyp" format cannot hold are left out and
// counted in the summary printed on success.
//
// The dictionary's least number of letters before and after a break
// (LEFTHYPHENMIN, RIGHTHYPHENMIN; 2 when not given) is no pattern but part of
// what the patterns mean: without it they break "fahr-t". It is kept as
// patterns that give the gaps too close to the word's ends an even value
// above every digit, so the program's plain pattern method honours it.
#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "document/text_case.h"
#include "layout/hyphen_pattern_file.h"
#include "layout/hyphen_patterns.h"
#include "platform/code_pages.h"

namespace {

using vendaro::HyphenPattern;
using vendaro::HyphenPatternGroups;

enum class Charset { Latin1, Utf8 };

struct Counts {
  int written = 0;
  int marginPatterns = 0;
  int neverApplied = 0;     // 1 letter or more than 11: kept, but the program skips them
  int nonStandard = 0;
  int tooManyLetters = 0;
  int tooManyValues = 0;
  int outsideCodePage = 0;
  int malformed = 0;
};

// Least letters before and after a break.
struct Margins {
  int left = 2;
  int right = 2;
};

// Even, so it forbids the break, and above any value a digit can give.
constexpr uint8_t kForbiddenGap = 10;
// The margin patterns grow with the alphabet to the power of the margin.
constexpr size_t kMaxMarginPatterns = 100000;

// Marks a character that code page 1252 lacks; no pattern contains NUL.
constexpr char kUnmappable = '\0';

std::optional<Charset> charsetNamed(std::string_view name) {
  if (name == "ISO8859-1" || name == "ISO-8859-1") return Charset::Latin1;
  if (name == "UTF-8") return Charset::Utf8;
  return std::nullopt;
}

std::string toCp1252(std::string_view token, Charset charset) {
  if (charset == Charset::Utf8) return vendaro::utf8ToCp1252(token, kUnmappable);
  std::string out;
  for (char ch : token) {
    uint8_t byte = 0;
    out.push_back(vendaro::unicodeToCp1252(static_cast<uint8_t>(ch), byte) ? static_cast<char>(byte) : kUnmappable);
  }
  return out;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string_view firstToken(std::string_view line) {
  const size_t begin = line.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  line.remove_prefix(begin);
  return line.substr(0, line.find_first_of(" \t"));
}

// Directives are upper-case keywords (LEFTHYPHENMIN, NOHYPHEN, ...).
bool isDirective(std::string_view token) { return token.front() >= 'A' && token.front() <= 'Z'; }

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Parses one pattern in code page 1252 into `pattern`; when the pattern
// cannot be kept, returns the count it belongs to.
int Counts::*parsePattern(std::string_view text, HyphenPattern& pattern) {
  if (text.find(kUnmappable) != std::string_view::npos) return &Counts::outsideCodePage;
  std::vector<vendaro::PatternPair> pairs;
  bool lastWasDigit = false;
  for (char ch : text) {
    if (isDigit(ch)) {
      if (lastWasDigit) return &Counts::malformed;
      if (ch != '0') {
        pairs.push_back({static_cast<uint8_t>(std::min<size_t>(pattern.letters.size(), 255)),
                         static_cast<uint8_t>(ch - '0')});
      }
      lastWasDigit = true;
    } else {
      pattern.letters.push_back(static_cast<char>(vendaro::toLower1252(static_cast<uint8_t>(ch))));
      lastWasDigit = false;
    }
  }
  if (pattern.letters.empty()) return &Counts::malformed;
  if (pattern.letters.size() > vendaro::kMaxPatternLetters) return &Counts::tooManyLetters;
  if (pairs.size() > vendaro::kMaxPatternPairs) return &Counts::tooManyValues;
  std::copy(pairs.begin(), pairs.end(), pattern.pairs.begin());
  pattern.pairCount = static_cast<uint16_t>(pairs.size());
  return nullptr;
}

// The lines of the last level: after the last NEXTLEVEL, else after the charset.
size_t firstPatternLine(const std::vector<std::string_view>& lines) {
  size_t first = 1;
  for (size_t i = 1; i < lines.size(); ++i) {
    if (firstToken(lines[i]) == "NEXTLEVEL") first = i + 1;
  }
  return first;
}

Margins marginsOf(const std::vector<std::string_view>& lines) {
  Margins margins;
  for (std::string_view line : lines) {
    const std::string_view keyword = firstToken(line);
    if (keyword != "LEFTHYPHENMIN" && keyword != "RIGHTHYPHENMIN") continue;
    line.remove_prefix(line.find(keyword) + keyword.size());
    const std::string_view number = firstToken(line);
    const int value = number.size() == 1 && isDigit(number[0]) ? number[0] - '0' : -1;
    if (value < 1) throw std::runtime_error("bad " + std::string(keyword) + " \"" + std::string(number) + "\"");
    (keyword == "LEFTHYPHENMIN" ? margins.left : margins.right) = value;
  }
  return margins;
}

HyphenPatternGroups convert(const std::vector<std::string_view>& lines, Charset charset, Counts& counts) {
  HyphenPatternGroups groups;
  for (size_t i = firstPatternLine(lines); i < lines.size(); ++i) {
    const std::string_view token = firstToken(lines[i]);
    if (token.empty() || token.front() == '#' || token.front() == '%' || isDirective(token)) continue;
    if (token.find('/') != std::string_view::npos) {
      ++counts.nonStandard;
      continue;
    }
    HyphenPattern pattern;
    if (int Counts::*reason = parsePattern(toCp1252(token, charset), pattern)) {
      ++(counts.*reason);
      continue;
    }
    const size_t letters = pattern.letters.size();
    if (letters < vendaro::kMinAppliedLetters || letters > vendaro::kMaxAppliedLetters) ++counts.neverApplied;
    groups[letters - 1].push_back(std::move(pattern));
    ++counts.written;
  }
  return groups;
}

// Every letter the patterns use, and the capitals of those beyond A to Z,
// which the program does not fold to lower case before matching.
std::string alphabetOf(const HyphenPatternGroups& groups) {
  std::array<bool, 256> used{};
  for (const auto& group : groups) {
    for (const HyphenPattern& pattern : group) {
      for (char ch : pattern.letters) {
        const auto letter = static_cast<uint8_t>(ch);
        used[letter] = true;
        if (letter >= 0x80) used[vendaro::toUpper1252(letter)] = true;
      }
    }
  }
  used['.'] = false;
  std::string alphabet;
  for (int ch = 0; ch < 256; ++ch) {
    if (used[ch]) alphabet.push_back(static_cast<char>(ch));
  }
  return alphabet;
}

// Every string of `length` letters from `alphabet`.
std::vector<std::string> spellings(const std::string& alphabet, int length) {
  std::vector<std::string> words{""};
  for (int i = 0; i < length; ++i) {
    if (words.size() * alphabet.size() > kMaxMarginPatterns) throw std::runtime_error("hyphen margin too large");
    std::vector<std::string> longer;
    for (const std::string& word : words) {
      for (char letter : alphabet) longer.push_back(word + letter);
    }
    words = std::move(longer);
  }
  return words;
}

// Forbids breaks after the first margins.left - 1 letters (".ab" with the gap
// after b) and before the last margins.right - 1 letters ("ab." with the gap
// before a).
void addMarginPatterns(HyphenPatternGroups& groups, Margins margins, Counts& counts) {
  const std::string alphabet = alphabetOf(groups);
  auto add = [&](std::string letters, int position) {
    HyphenPattern pattern;
    pattern.pairs[0] = {static_cast<uint8_t>(position), kForbiddenGap};
    pattern.pairCount = 1;
    pattern.letters = std::move(letters);
    groups[pattern.letters.size() - 1].push_back(std::move(pattern));
    ++counts.marginPatterns;
  };
  for (int count = 1; count < margins.left; ++count) {
    for (const std::string& letters : spellings(alphabet, count)) add("." + letters, count + 1);
  }
  for (int count = 1; count < margins.right; ++count) {
    for (const std::string& letters : spellings(alphabet, count)) add(letters + ".", 0);
  }
}

void writeAtomically(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::path partial = path;
  partial += ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + partial.string());
  }
  std::filesystem::rename(partial, path);
}

int run(const std::filesystem::path& source, const std::filesystem::path& target) {
  std::ifstream in(source, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + source.string());
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::vector<std::string_view> lines = splitLines(text);
  const std::string_view charsetName = lines.empty() ? std::string_view() : firstToken(lines[0]);
  const std::optional<Charset> charset = charsetNamed(charsetName);
  if (!charset) throw std::runtime_error(source.string() + ": unsupported charset \"" + std::string(charsetName) + "\"");

  Counts counts;
  HyphenPatternGroups groups = convert(lines, *charset, counts);
  if (counts.written == 0) throw std::runtime_error(source.string() + ": no patterns found");
  const Margins margins = marginsOf(lines);
  addMarginPatterns(groups, margins, counts);
  writeAtomically(target, vendaro::serializePatternFile(groups));

  std::cout << target.filename().string() << ": " << counts.written << " patterns written ("
            << counts.neverApplied << " of 1 or more than 11 letters, never applied); left out: "
            << counts.tooManyLetters << " over 20 letters, " << counts.tooManyValues << " over 10 values, "
            << counts.outsideCodePage << " outside code page 1252, " << counts.malformed
            << " malformed; skipped: " << counts.nonStandard << " non-standard; added: " << counts.marginPatterns
            << " for the margins (" << margins.left << " letters before, " << margins.right << " after a break)\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_hyp SOURCE.dic OUTPUT.hyp\n";
    return 2;
  }
  try {
    return run(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "make_hyp: " << error.what() << '\n';
    return 1;
  }
}
