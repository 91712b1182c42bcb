// recovery_files.h — naming, finding and removing the recovery files
// (".whi") written for every open document at intervals into the user's
// configuration folder, so that work survives an abnormal end of the program.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vendaro {

inline constexpr char kRecoveryExtension[] = ".whi";
// Appended to a recovered document's title.
inline constexpr char kRecoveredSuffix[] = " (Wiederhergestellt)";

// The name a document's recovery file starts with: its file's name without
// extension, or its title's when it has no file.
std::string recoveryBaseName(const std::string& docFileName, const std::string& docTitle);
// One path per document of a pass, in the same order: base.whi, and when a
// path was taken earlier in the pass base1.whi, base2.whi, …
std::vector<std::filesystem::path> recoveryFilePaths(const std::filesystem::path& folder,
                                                     const std::vector<std::string>& baseNames);
// The recovery files in `folder` (anything but folders), sorted by name.
std::vector<std::filesystem::path> findRecoveryFiles(const std::filesystem::path& folder);
void deleteRecoveryFiles(const std::vector<std::filesystem::path>& files);

}  // namespace vendaro
