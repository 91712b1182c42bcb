// desktop_integration.h — lets the desktop know the program for the user
// when no installation did: the desktop entry (open and print) pointing at
// the running executable, the ".lpx" document type ("Lumen-Praxiva
// Dokument"), the icons of both and the program as the type's default.
// Failures are ignored: the program works without.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vendaro {

inline constexpr char kLpxMimeType[] = "application/x-lumen-praxiva";
inline constexpr char kDesktopEntryName[] = "vendaro.desktop";
inline constexpr char kMimePackageName[] = "vendaro.xml";

struct DesktopFolders {
  std::filesystem::path dataHome;               // the user's; written to
  std::vector<std::filesystem::path> dataDirs;  // the system's; only read
  std::filesystem::path configHome;             // holds mimeapps.list
};

// From $XDG_DATA_HOME, $XDG_DATA_DIRS and $XDG_CONFIG_HOME with their defaults.
DesktopFolders desktopFolders();

// The installed desktop entry with the program named by its full path.
std::string desktopEntryFor(const std::string& installedEntry, const std::filesystem::path& executable);

struct DesktopRegistration {
  bool entryWritten = false;
  bool mimeTypeWritten = false;
  bool iconsWritten = false;
  bool defaultSet = false;
};

// Writes what neither the system nor the user has yet (a user entry that
// names another executable is brought up to date).
DesktopRegistration registerDesktopIntegration(const DesktopFolders& folders, const std::filesystem::path& executable);

}  // namespace vendaro
