// pdf_win_ansi_names.h — the glyph names PDF's standard Windows ANSI
// encoding gives the codes 32 to 255, through which viewers find glyphs in
// fonts that are reached by name (CFF programs).
#pragma once

#include <cstdint>
#include <string_view>

namespace vendaro {

// The name of the code's glyph; empty below 32. Codes the code page leaves
// undefined are "bullet", as the encoding has it.
std::string_view winAnsiGlyphName(uint8_t code);

}  // namespace vendaro
