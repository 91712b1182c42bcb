#include "editing/program_services.h"

#include "layout/hyphenation_library.h"
#include "platform/font_engine.h"
#include "spelling/spelling_service.h"

namespace vendaro {

ProgramServices& ProgramServices::shared() {
  static HyphenationLibrary hyphenation;
  static SpellingService spelling;
  static ProgramServices services{FontEngine::shared(), hyphenation, spelling};
  return services;
}

}  // namespace vendaro
