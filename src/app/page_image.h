// page_image.h — page 1 of a document drawn as it prints into a PNG file,
// through the same painter as the screen and the printer (the command
// line's --render-png).
#pragma once

#include <filesystem>
#include <string>

#include "editing/editor.h"

namespace vendaro {

bool renderPagePng(Editor& editor, double zoomPercent, const std::filesystem::path& out, std::string& error);

}  // namespace vendaro
