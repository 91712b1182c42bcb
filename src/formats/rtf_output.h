// rtf_output.h — the text of an RTF file as it is written: control words,
// numbers and escaped text go onto the current output line, which reaches
// the sink when it is ended (with CR LF) or before long binary data.
// Lengths become twips, half-points and EMU rounded to nearest, ties to even.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace vendaro {

// A table cell's text keeps this distance from the cell's sides: written
// as the row's gap, with the paragraph indents counted from it, and read
// back as the origin of a cell paragraph's indents.
inline constexpr double kRtfCellInsetMm = 2.5;

// Where the finished bytes go: a file writer or a string.
using RtfSink = std::function<void(std::string_view bytes)>;

// Millimetres in twips, points in twentieths (border widths), points in
// half-points (font sizes) and EMU: rounded to nearest with ties to even,
// kept inside the 32-bit range that readers parse (a NaN gives 0).
int32_t roundedToInt32(double value);
int32_t mmToTwips(double mm);
int32_t pointsToTwips(double points);
int32_t pointsToHalfPoints(double points);
int32_t pointsToEmu(double points);
int32_t mmToEmu(double mm);

class RtfOutput {
 public:
  explicit RtfOutput(RtfSink sink) : sink_(std::move(sink)) {}
  ~RtfOutput() = default;
  RtfOutput(const RtfOutput&) = delete;
  RtfOutput& operator=(const RtfOutput&) = delete;

  // Appended as they are.
  RtfOutput& raw(std::string_view text) {
    line_ += text;
    return *this;
  }
  RtfOutput& number(int64_t value);
  // A control word with its numeric parameter, e.g. word("\\fs", 24).
  RtfOutput& word(std::string_view control, int64_t value) { return raw(control).number(value); }
  // Text: "{", "}" and "\" escaped, control bytes as \'hh (readers drop them
  // raw), other bytes of the code page unchanged.
  RtfOutput& text(std::string_view bytes);
  RtfOutput& text(char byte) { return text(std::string_view(&byte, 1)); }
  // Font names: escaped like text, without the ";" that ends a table entry.
  RtfOutput& fontName(std::string_view name);
  // "\'" and the byte in two lower-case hexadecimal digits.
  RtfOutput& hexByte(uint8_t byte);
  // Every byte as two lower-case hexadecimal digits, on the current line.
  RtfOutput& hexData(std::span<const uint8_t> bytes);
  // Writes the current line with CR LF.
  void endLine();
  // Writes what is left of the current line, without a line end.
  void flush();

 private:
  RtfSink sink_;
  std::string line_;
};

}  // namespace vendaro
