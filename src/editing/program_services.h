// program_services.h — what the program holds once and lends to every open
// document: the font engine, the hyphenation tables and the word lists.
// Tests may build their own set.
#pragma once

namespace vendaro {

class FontEngine;
class HyphenationLibrary;
class RasterTarget;
class SpellingService;

struct ProgramServices {
  FontEngine& fonts;
  HyphenationLibrary& hyphenation;
  SpellingService& spelling;
  // Where pictures that must be drawn (metafiles) are turned into pixels;
  // lent by the front end, absent in the core alone.
  RasterTarget* raster = nullptr;

  // The program's own set, created on first use.
  static ProgramServices& shared();
};

}  // namespace vendaro
