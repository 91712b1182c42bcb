// rtf_tokenizer.h — splits the bytes of a Rich Text Format file into braces,
// control words, control symbols, text bytes and binary runs. Every length
// is bounded: control words keep at most 32 letters and 10 digits, and a
// binary run never reaches past the end of the bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vendaro::rtf {

inline constexpr size_t kMaxWordLetters = 32;
inline constexpr size_t kMaxWordDigits = 10;

enum class TokenKind : uint8_t { end, groupOpen, groupClose, controlWord, controlSymbol, text, hexByte, binary };

struct Token {
  TokenKind kind = TokenKind::end;
  std::string_view word;        // control words and symbols (the symbol's one byte)
  bool hasParameter = false;
  int32_t parameter = 0;
  uint8_t byte = 0;             // text and hexByte
  std::span<const uint8_t> data;  // binary
};

class Tokenizer {
 public:
  explicit Tokenizer(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  // The next token; line ends outside binary runs are dropped, and a "\'"
  // without two hexadecimal digits after it yields nothing.
  Token next();
  size_t position() const { return at_; }
  // Picture data: decodes hexadecimal digits up to the next "\\", "{" or
  // "}" into `out`, skipping anything else; `highNibble` carries an odd
  // digit from one call to the next (−1 when none).
  void readHexData(std::vector<uint8_t>& out, int& highNibble);

 private:
  Token controlWord();
  Token hexEscape();
  Token binaryRun(int32_t count);
  bool atEnd() const { return at_ >= bytes_.size(); }

  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
};

int hexDigitValue(uint8_t ch);  // −1 when not a hexadecimal digit

}  // namespace vendaro::rtf
