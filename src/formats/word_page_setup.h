// word_page_setup.h — the page setup a Word section asks for, brought into
// the range the document can hold: paper, margins, header and footer
// distances and which header/footer pairs show.
#pragma once

#include "document/page_setup.h"
#include "formats/word_sprms.h"

namespace vendaro::word {

// `facingPages` is the document's even/odd flag.
PageSetupValues pageSetupOf(const SectionProps& section, bool facingPages);

}  // namespace vendaro::word
