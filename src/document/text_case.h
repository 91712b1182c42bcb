// text_case.h — upper and lower case of code page 1252 text, as Windows
// converts it for the "Großschreiben", "Kleinschreiben" and "Kapitälchen"
// effects (umlauts and accented letters included; ß has no capital).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vendaro {

uint8_t toUpper1252(uint8_t ch);
uint8_t toLower1252(uint8_t ch);
std::string toUpper1252(std::string_view text);
std::string toLower1252(std::string_view text);

}  // namespace vendaro
