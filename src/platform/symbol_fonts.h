// symbol_fonts.h — what the byte codes of the Windows symbol faces (Symbol,
// Wingdings) stand for in Unicode, so that text in those faces can be drawn
// with the stand-in fonts and exported as meaningful characters.
#pragma once

#include <cstdint>

namespace vendaro {

enum class SymbolTable : uint8_t {
  None,        // a text face: bytes are code page text
  AdobeSymbol, // the Symbol face (Greek letters, mathematical signs)
  Wingdings,   // the Wingdings face, drawn with OpenSymbol's characters
};

// Windows puts the bytes of a symbol font at U+F000 + byte when it converts
// them to Unicode; bytes without a known character keep that form, so they
// still round-trip and are never mistaken for ordinary text.
constexpr char32_t kSymbolPrivateBase = 0xF000;

// The character a byte stands for, or 0 when the table has none for it.
char32_t symbolCharacter(SymbolTable table, uint8_t byte);

}  // namespace vendaro
