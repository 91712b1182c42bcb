// FontEngine measuring speed once the caches are warm: one character, a
// ten-letter word, and cells that switch between two fonts (the hash path
// instead of the last-used shortcut). Opening a document measures about a
// million cells, so a cached look-up must stay in the nanoseconds.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/font_engine.h"

namespace {

using vendaro::FontEngine;
using vendaro::FontSpec;

// A 48 pt face at the printer resolution of 600 dpi.
FontSpec printerSpec(const std::string& face, bool bold = false) {
  FontSpec spec;
  spec.faceName = face;
  spec.pixelSize = 600 * 48 / 72;
  spec.bold = bold;
  return spec;
}

void CachedCharWidth(benchmark::State& state) {
  FontEngine engine;
  const FontSpec spec = printerSpec("Times New Roman");
  uint8_t ch = 'a';
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.charWidth(spec, ch));
    ch = ch == 'z' ? 'a' : static_cast<uint8_t>(ch + 1);
  }
}
BENCHMARK(CachedCharWidth);

void CachedTextWidthOfTenLetters(benchmark::State& state) {
  FontEngine engine;
  const FontSpec spec = printerSpec("Arial");
  const std::string word = "Schriftart";
  for (auto _ : state) benchmark::DoNotOptimize(engine.textWidth(spec, word));
}
BENCHMARK(CachedTextWidthOfTenLetters);

void CharWidthAlternatingFonts(benchmark::State& state) {
  FontEngine engine;
  const FontSpec specs[] = {printerSpec("Arial"), printerSpec("Arial", true)};
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.charWidth(specs[i], 'e'));
    i ^= 1;
  }
}
BENCHMARK(CharWidthAlternatingFonts);

// A million cells in one font, measured the way the document store does it.
void MillionCells(benchmark::State& state) {
  FontEngine engine;
  const FontSpec spec = printerSpec("Arial");
  const std::string text = "Das ist ein Beispieltext mit Umlauten: \xE4\xF6\xFC\xDF.";
  for (auto _ : state) {
    int total = 0;
    for (int cell = 0; cell < 1'000'000; ++cell) {
      total += engine.charWidth(spec, static_cast<uint8_t>(text[cell % text.size()]));
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(MillionCells)->Unit(benchmark::kMillisecond);

}  // namespace
