// recent_files.h — the list of recently used files: newest first, never
// longer than the maximum from the options, and shown in the File menu as
// numbered items under names short enough for a menu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vendaro {

// Puts `path` first (an equal entry, compared exactly, moves rather than
// repeats) and drops the oldest entries beyond `max`.
void AddToLastUsedFiles(std::vector<std::string>& list, const std::string& path, int32_t max);
// Drops the oldest entries beyond `max` (after the maximum was lowered).
void trimRecentFiles(std::vector<std::string>& list, int32_t max);

// A path longer than 25 characters is shown by its file name; a file name
// still longer is cut to 24 characters and "...". Characters, not bytes:
// a UTF-8 sequence is never cut apart.
std::string recentFileShortName(const std::string& path);
// The File menu's items for the list: "&1 name", "&2 name", … (an "&" of
// a name doubled, so that the menu shows it rather than a shortcut).
std::vector<std::string> recentFileMenuCaptions(const std::vector<std::string>& list);

}  // namespace vendaro
