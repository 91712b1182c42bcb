// page_printing.h — prints page 1 of a document on the default printer at
// once, without a dialog (files named after "/P" on the command line), at
// the printer resolution the layout measures with.
#pragma once

namespace vendaro {

class Editor;

// False, with the user told, when there is no printer or it refused the job.
bool printFirstPage(Editor& editor);

}  // namespace vendaro
