// pdf_font_objects.h — the objects of one PDF font: the subset of the very
// font file the font engine measured with (TrueType as /FontFile2, CFF as
// /FontFile3), a ToUnicode map where codes do not mean Windows ANSI text,
// the font descriptor and the font dictionary with the font's own widths.
#pragma once

namespace vendaro {

class FontEngine;
class PdfFile;
class PdfObjectTable;
struct PdfFontEntry;

// Writes the objects and returns the number of the font dictionary. A font
// whose file cannot be subset is declared without a program, so viewers
// substitute a face of their own.
int writePdfFont(PdfFile& file, PdfObjectTable& objects, const PdfFontEntry& font, FontEngine& engine);

}  // namespace vendaro
