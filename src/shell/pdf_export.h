// pdf_export.h — SavePDFFile: the settled document of an editor written as a
// PDF file, one PDF page per document page at the paper's size; and what the
// "PDF-Export..." dialog offers.
#pragma once

#include <filesystem>
#include <vector>

#include "editing/editor.h"

namespace vendaro {

inline constexpr char kPdfNotCreatedMessage[] = "Die PDF-Datei konnte nicht erstellt werden!";

// Settles the layout, then writes every page. The file appears complete or
// not at all; when it cannot be written the user is told (information icon,
// no caption) and false is returned.
bool SavePDFFile(Editor& editor, const std::filesystem::path& path);

// The PDF save dialog's filter, and the name a chosen one is written under
// (".pdf" added when it has no extension).
const std::vector<FileDialogFilter>& pdfDialogFilters();
std::filesystem::path withPdfExtension(const std::filesystem::path& chosen);

}  // namespace vendaro
