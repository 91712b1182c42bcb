// rtf_file.h — writing a document as Rich Text Format: text with fonts,
// colours and effects, paragraph and section formats, tables, headers and
// footers, footnotes, list prefixes as text, pictures as Windows metafiles
// and floating objects as shapes. The target is replaced only when the
// whole file was written.
#pragma once

#include <filesystem>
#include <string>

#include "document/document.h"
#include "formats/rtf_output.h"

namespace vendaro {

// The whole file, handed to `sink` piece by piece. The document should be
// settled (laid out and painted) first: list numbers and anchors are
// layout results.
void writeRtf(const Document& doc, const RtfSink& sink);
std::string encodeRtf(const Document& doc);

// False with "Konnte Datei … nicht erstellen!" in `message` when the file
// cannot be written whole; an existing file is then left as it was. It
// touches neither DocFileName, DocTitle nor Modified.
bool SaveRTFFile(const Document& doc, const std::filesystem::path& path, std::string& message);

}  // namespace vendaro
