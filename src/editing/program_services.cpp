#include "editing/program_services.h"

#include "layout/hyphenation_library.h"
#include "platform/font_engine.h"

namespace vendaro {

ProgramServices& ProgramServices::shared() {
  static HyphenationLibrary hyphenation;
  static ProgramServices services{FontEngine::shared(), hyphenation};
  return services;
}

}  // namespace vendaro
