// rtf_field_codes.cpp — one table of codes and instructions read both ways,
// plus date patterns, which travel as the quoted argument of "\@".
#include "formats/rtf_field_codes.h"

#include <array>
#include <cctype>
#include <utility>
#include <vector>

namespace vendaro {
namespace {

struct FieldName {
  std::string_view code;
  std::string_view instruction;
};

// Document properties follow the order of the information group.
constexpr std::array<FieldName, 16> kFieldNames = {{
    {"page", "PAGE"},
    {"pagecount", "NUMPAGES"},
    {"autonumber", "AUTONUM"},
    {"file", "FILENAME"},
    {"filepath", "FILENAME \\p"},
    {"userinf1", "USERNAME"},
    {"userinf2", "USERINITIALS"},
    {"userinf3", "USERADDRESS"},
    {"docinf1", "TITLE"},
    {"docinf2", "SUBJECT"},
    {"docinf3", "AUTHOR"},
    {"docinf4", "DOCPROPERTY Manager"},
    {"docinf5", "DOCPROPERTY Company"},
    {"docinf6", "DOCPROPERTY Category"},
    {"docinf7", "KEYWORDS"},
    {"docinf8", "COMMENTS"},
}};

constexpr std::string_view kDateCode = "datetime";
constexpr std::string_view kPatternSwitch = "\\@";

// A field's words: blanks separate them, a quoted argument is one word
// whose "\" escapes the next character; switches such as "\* MERGEFORMAT"
// are words like any other.
std::vector<std::string> instructionWords(std::string_view instruction) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < instruction.size()) {
    if (std::isspace(static_cast<unsigned char>(instruction[at]))) {
      ++at;
      continue;
    }
    std::string word;
    if (instruction[at] == '"') {
      for (++at; at < instruction.size() && instruction[at] != '"'; ++at) {
        if (instruction[at] == '\\' && at + 1 < instruction.size()) ++at;
        word += instruction[at];
      }
      ++at;
    } else {
      for (; at < instruction.size() && !std::isspace(static_cast<unsigned char>(instruction[at])); ++at)
        word += instruction[at];
    }
    words.push_back(std::move(word));
  }
  return words;
}

std::string upperCased(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::string quoted(std::string_view text) {
  std::string result = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') result += '\\';
    result += c;
  }
  return result + '"';
}

// The instruction's name with the one argument or switch that tells codes
// apart ("FILENAME \P", "DOCPROPERTY COMPANY"), upper-cased.
std::string nameOf(const std::vector<std::string>& words) {
  std::string name = upperCased(words[0]);
  if (name == "DOCPROPERTY" && words.size() > 1) return name + ' ' + upperCased(words[1]);
  if (name == "FILENAME")
    for (size_t i = 1; i < words.size(); ++i)
      if (upperCased(words[i]) == "\\P") return name + " \\P";
  return name;
}

std::optional<std::string> datePattern(const std::vector<std::string>& words) {
  for (size_t i = 1; i + 1 < words.size(); ++i)
    if (words[i] == kPatternSwitch) return words[i + 1];
  return std::nullopt;
}

}  // namespace

std::optional<std::string> rtfFieldInstruction(std::string_view code) {
  if (code.starts_with(kDateCode)) return "DATE " + std::string(kPatternSwitch) + ' ' + quoted(code.substr(kDateCode.size()));
  for (const FieldName& name : kFieldNames)
    if (name.code == code) return std::string(name.instruction);
  return std::nullopt;
}

std::optional<std::string> fieldCodeOfInstruction(std::string_view instruction) {
  const std::vector<std::string> words = instructionWords(instruction);
  if (words.empty()) return std::nullopt;
  const std::string name = nameOf(words);
  if (name == "DATE" || name == "TIME") {
    const std::optional<std::string> pattern = datePattern(words);
    return pattern ? std::optional(std::string(kDateCode) + *pattern) : std::nullopt;
  }
  for (const FieldName& known : kFieldNames)
    if (upperCased(known.instruction) == name) return std::string(known.code);
  return std::nullopt;
}

}  // namespace vendaro
