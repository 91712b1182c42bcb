// txt_file.h — plain text files: one paragraph per line, in code page 1252
// ("ANSI"), code page 850 ("DOS") or, recognised by its bytes, UTF-8. Reading
// builds a fresh document and hands it over only when the whole file was
// read; writing replaces the target only when the whole text was written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "document/document.h"
#include "platform/limits.h"

namespace vendaro {

inline constexpr char kTextInputFont[] = "Courier New";
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Whether the bytes are to be read as UTF-8 rather than code page 1252: a
// byte order mark, or valid UTF-8 holding at least one multi-byte sequence.
TextFileEncoding detectTextEncoding(std::string_view bytes);

// Fills `doc` — the document of a freshly created window — with the text:
// "Courier New" as input format, one paragraph per line (CR LF, LF or a lone
// CR end a line, a final line end makes no empty paragraph), tabs as tab
// cells, other control codes dropped, caret and anchor at the start. The
// caller lays the document out.
void decodeTxt(std::string_view bytes, bool dos, Document& doc);
// The document's text chains in frame order, one line per paragraph or
// table row, each ended by CR LF.
std::string encodeTxt(const Document& doc, bool dos);

// Both return false with the German message for the user in `message` and
// leave the document, or an existing target file, as it was. Neither
// touches DocFileName, DocTitle or Modified.
bool OpenTXTFile(Document& doc, const std::filesystem::path& path, bool dos, std::string& message);
bool SaveTXTFile(const Document& doc, const std::filesystem::path& path, bool dos, std::string& message);

}  // namespace vendaro
