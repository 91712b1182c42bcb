// pdf_format.h — how numbers, colours, strings and names are spelled inside
// the PDF files the program writes. Independent of the C locale: the decimal
// separator is always ".".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vendaro {

void appendInt(std::string& out, long long value);

// A number with at most `decimals` decimals, trailing zeros dropped:
// 2.5 → "2.5", 3.0 → "3", -0.0004 → "0" (with three).
void appendDecimal(std::string& out, double value, int decimals = 3);

// The closed path of the ellipse inscribed in the box, as four Bézier
// curves starting at the right end of its horizontal axis.
void appendEllipsePath(std::string& out, double left, double bottom, double right, double top);

// A colour component c as c / 255 with at most 15 significant digits:
// 0 → "0", 255 → "1", 128 → "0.501960784313725".
std::string_view colourComponent(uint8_t component);

// "r g b" of a 0x00BBGGRR colour followed by a blank and `op` ("RG" or "rg").
void appendColour(std::string& out, uint32_t color, std::string_view op);

// The bytes of a literal string between "(" and ")".
void appendEscapedText(std::string& out, std::string_view text);

// A face name as the body of a PDF name object ("Times New Roman" →
// "Times#20New#20Roman"). NUL bytes are dropped, they cannot occur in names.
std::string escapeFaceName(std::string_view faceName);

// One 20-byte cross-reference line: 10-digit offset, 5-digit generation,
// "n" or "f", then blank and line feed.
void appendXrefEntry(std::string& out, uint64_t offset, uint32_t generation, bool free);

}  // namespace vendaro
