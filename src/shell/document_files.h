// document_files.h — opening and saving documents for an editor window, in
// every format the formats layer reads or writes: the activity panel of the
// status bar, the German messages, and the file name and modified state
// (left alone for quiet operations such as the start template and recovery
// files).
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "editing/editor.h"

namespace vendaro {

inline constexpr char kStartTemplate[] = "normal.lpw";

// A reader or writer of the formats layer: false with the message for the
// user; it leaves file name, title and modified state alone.
using CoreReader = std::function<bool(Document& doc, const std::filesystem::path& path, std::string& message)>;
using CoreWriter = std::function<bool(const Document& doc, const std::filesystem::path& path, std::string& message)>;

// Shows "Öffne Datei..." while `read` works, reports its failure, lays the
// document out and, unless quiet, gives the window the file's name.
bool openWith(Editor& editor, const std::filesystem::path& path, bool quiet, const CoreReader& read);
// Shows "Speichere Datei..." while `write` works and reports its failure; a
// successful save that is not quiet names the window after the file and
// clears Modified.
bool saveWith(Editor& editor, const std::filesystem::path& path, bool quiet, const CoreWriter& write);

bool openNativeFile(Editor& editor, const std::filesystem::path& path, bool quiet);
bool saveNativeFile(Editor& editor, const std::filesystem::path& path, bool quiet);
// Plain text in code page 1252 (or UTF-8, recognised by its bytes) and in
// the DOS code page 850.
bool openAnsiTextFile(Editor& editor, const std::filesystem::path& path, bool quiet);
bool openDosTextFile(Editor& editor, const std::filesystem::path& path, bool quiet);
// Rich Text Format; metafile pictures are drawn on the program's raster
// target when it has one.
bool openRtfFile(Editor& editor, const std::filesystem::path& path, bool quiet);
bool saveAnsiTextFile(Editor& editor, const std::filesystem::path& path, bool quiet);
bool saveDosTextFile(Editor& editor, const std::filesystem::path& path, bool quiet);
// Rich Text Format, written from the settled document (list numbers and
// anchors are results of layout and painting).
bool saveRtfFile(Editor& editor, const std::filesystem::path& path, bool quiet);
// Word 97–2003 documents; metafile pictures are drawn on the host's raster
// target.
bool openWordFile(Editor& editor, const std::filesystem::path& path, bool quiet);

// A new document: the empty document of a new window, then the start
// template from the program folder, read quietly when it is there.
void createNewDocument(Editor& editor);

}  // namespace vendaro
