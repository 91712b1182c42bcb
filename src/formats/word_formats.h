// word_formats.h — turns Word's character and paragraph properties into the
// document's font entries and paragraph formats: colour indexes, shading
// mixes, tab stops, line spacing and indents, in millimetres.
#pragma once

#include <string>
#include <vector>

#include "document/records.h"
#include "formats/word_sprms.h"

namespace vendaro::word {

inline double twipsToMm(double twips) { return twips / 1440.0 * kMmPerInch; }

// Word's 16 colour indexes as colour references; others give `fallback`.
int32_t colorOf(uint8_t index, int32_t fallback);
// Foreground and background mixed by the pattern's percentage.
int32_t shadingColor(const Shading& shading);

// Sizes outside 1–999 pt are brought into that range.
TFontRec fontFor(const CharProps& chp, TFontRec font, const std::vector<std::string>& fontNames);
// Default tab width in twips; `inCell` adds the cell's inner margins.
TParaFormat paraFormatFor(const ParaProps& pap, int32_t defaultTab, bool inCell);

}  // namespace vendaro::word
