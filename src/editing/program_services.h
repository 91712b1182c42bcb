// program_services.h — what the program holds once and lends to every open
// document: the font engine and the hyphenation tables (the word lists join
// them). Tests may build their own set.
#pragma once

namespace vendaro {

class FontEngine;
class HyphenationLibrary;

struct ProgramServices {
  FontEngine& fonts;
  HyphenationLibrary& hyphenation;

  // The program's own set, created on first use.
  static ProgramServices& shared();
};

}  // namespace vendaro
