// field_update.h — brings the computed texts of field cells up to date before
// layout measures them: page number, page count, running numbers, date and
// time, file name, user and document information.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"
#include "editing/date_time_pattern.h"

namespace vendaro {

// What fields show besides the document itself.
struct FieldSources {
  std::function<DateTime()> clock = systemDateTime;  // read at most once per update
  std::array<std::string, 3> userInfo;               // name, initials, address (code page 1252)
};

// Only lines that are dirty or held fields when last laid out are read,
// so that an update costs what the document's fields cost; `everyLine`
// reads every cell and must come to the same texts.
enum class FieldWalk { linesWithFields, everyLine };

// Computes the text of every field cell in reading order (header frames,
// then the other frames, each by lines and cells) and stores and measures the texts that changed; a line whose field
// changed size is marked dirty so that layout breaks it again. Form fields
// and codes without a rule keep their text. Answers whether any line was
// so marked.
bool FelderAktuallisieren(Document& doc, const FieldSources& sources, FieldWalk walk = FieldWalk::linesWithFields);

// The text a file field shows: the file name part of the document's file,
// or all of it for "filepath"; the window title while there is no file.
std::string fileFieldText(const Document& doc, bool withPath);

}  // namespace vendaro
