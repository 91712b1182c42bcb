#include "formats/rtf_tokenizer.h"

#include <algorithm>

namespace vendaro::rtf {
namespace {

bool isLetter(uint8_t ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }
bool isDigit(uint8_t ch) { return ch >= '0' && ch <= '9'; }

Token tokenOf(TokenKind kind) {
  Token token;
  token.kind = kind;
  return token;
}

}  // namespace

int hexDigitValue(uint8_t ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

Token Tokenizer::next() {
  while (!atEnd()) {
    const uint8_t ch = bytes_[at_++];
    switch (ch) {
      case '\r':
      case '\n': continue;
      case '{': return tokenOf(TokenKind::groupOpen);
      case '}': return tokenOf(TokenKind::groupClose);
      case '\\': {
        if (atEnd()) return {};
        Token token = controlWord();
        if (token.kind != TokenKind::end) return token;
        continue;  // a bad escape is dropped
      }
      default: {
        Token token = tokenOf(TokenKind::text);
        token.byte = ch;
        return token;
      }
    }
  }
  return {};
}

void Tokenizer::readHexData(std::vector<uint8_t>& out, int& highNibble) {
  while (!atEnd()) {
    const uint8_t ch = bytes_[at_];
    if (ch == '\\' || ch == '{' || ch == '}') return;
    ++at_;
    const int digit = hexDigitValue(ch);
    if (digit < 0) continue;  // line ends and blanks between the digits
    if (highNibble < 0) {
      highNibble = digit;
    } else {
      out.push_back(static_cast<uint8_t>(highNibble * 16 + digit));
      highNibble = -1;
    }
  }
}

Token Tokenizer::controlWord() {
  const uint8_t first = bytes_[at_];
  if (!isLetter(first)) {
    ++at_;
    if (first == '\'') return hexEscape();
    Token symbol = tokenOf(TokenKind::controlSymbol);
    // A backslash before a line end is a paragraph mark, as "\par".
    symbol.word = (first == '\r' || first == '\n') ? std::string_view("par")
                                                    : std::string_view(reinterpret_cast<const char*>(&bytes_[at_ - 1]), 1);
    if (symbol.word == "par") symbol.kind = TokenKind::controlWord;
    return symbol;
  }
  const size_t start = at_;
  while (!atEnd() && isLetter(bytes_[at_])) ++at_;
  Token token = tokenOf(TokenKind::controlWord);
  const size_t letters = std::min(at_ - start, kMaxWordLetters);
  token.word = std::string_view(reinterpret_cast<const char*>(&bytes_[start]), letters);
  bool negative = false;
  if (!atEnd() && bytes_[at_] == '-') {
    negative = true;
    ++at_;
  }
  int64_t value = 0;
  size_t digits = 0;
  while (!atEnd() && isDigit(bytes_[at_])) {
    if (digits < kMaxWordDigits) value = value * 10 + (bytes_[at_] - '0');
    ++digits;
    ++at_;
  }
  if (digits > 0) {
    token.hasParameter = true;
    value = std::min<int64_t>(value, INT32_MAX);
    token.parameter = static_cast<int32_t>(negative ? -value : value);
  }
  if (!atEnd() && bytes_[at_] == ' ') ++at_;
  if (token.word == "bin") return binaryRun(token.hasParameter ? token.parameter : 0);
  return token;
}

Token Tokenizer::hexEscape() {
  if (bytes_.size() - at_ < 2) {
    at_ = bytes_.size();
    return {};
  }
  const int high = hexDigitValue(bytes_[at_]);
  const int low = hexDigitValue(bytes_[at_ + 1]);
  if (high < 0 || low < 0) return {};  // the bytes after it are read as text
  at_ += 2;
  Token token = tokenOf(TokenKind::hexByte);
  token.byte = static_cast<uint8_t>(high * 16 + low);
  return token;
}

Token Tokenizer::binaryRun(int32_t count) {
  Token token = tokenOf(TokenKind::binary);
  const size_t length = count <= 0 ? 0 : std::min<size_t>(static_cast<size_t>(count), bytes_.size() - at_);
  token.data = bytes_.subspan(at_, length);
  at_ += length;
  return token;
}

}  // namespace vendaro::rtf
