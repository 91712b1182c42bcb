// document_files.h — opening and saving the native format for an editor
// window: the activity panel of the status bar, the German messages, and
// the file name and modified state (left alone for quiet operations such as
// the start template and recovery files).
#pragma once

#include <filesystem>

#include "editing/editor.h"

namespace vendaro {

inline constexpr char kStartTemplate[] = "normal.lpw";

bool openNativeFile(Editor& editor, const std::filesystem::path& path, bool quiet);
bool saveNativeFile(Editor& editor, const std::filesystem::path& path, bool quiet);

// A new document: the empty document of a new window, then the start
// template from the program folder, read quietly when it is there.
void createNewDocument(Editor& editor);

}  // namespace vendaro
