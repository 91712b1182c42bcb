#include "app/desktop_integration.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <cstdlib>
#include <sstream>
#include <system_error>

#include "platform/file_io.h"

// The resources live in a static library: naming them keeps them linked.
static void loadDesktopResources() { Q_INIT_RESOURCE(desktop_files); }

namespace vendaro {
namespace {

namespace fs = std::filesystem;

constexpr char kEntryResource[] = ":/desktop/vendaro.desktop";
constexpr char kMimeResource[] = ":/desktop/vendaro.xml";
constexpr char kProgramIconResource[] = ":/desktop/vendaro.svg";
constexpr char kDocumentIconResource[] = ":/desktop/application-x-lumen-praxiva.svg";
constexpr char kProgramExec[] = "Exec=vendaro";
constexpr char kDefaultsSection[] = "[Default Applications]";

fs::path environmentPath(const char* name, const fs::path& fallback) {
  const char* value = std::getenv(name);
  return value && *value ? fs::path(value) : fallback;
}

std::string resourceText(const char* name) {
  QFile file(QString::fromLatin1(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

std::string fileText(const fs::path& path) {
  std::vector<uint8_t> bytes;
  if (!readWholeFile(path, bytes)) return {};
  return std::string(bytes.begin(), bytes.end());
}

bool writeText(const fs::path& path, const std::string& text) {
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  return writeFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

bool existsIn(const std::vector<fs::path>& folders, const fs::path& relative) {
  std::error_code error;
  for (const fs::path& folder : folders)
    if (fs::exists(folder / relative, error)) return true;
  return false;
}

// The Exec key's quoting: inside double quotes a quote, backquote, dollar
// sign and backslash take a backslash; the key's string escapes then
// double every backslash.
std::string quotedExecutable(const fs::path& executable) {
  std::string out = "\"";
  for (const char c : executable.string()) {
    if (c == '"' || c == '`' || c == '$') out += "\\\\";
    if (c == '\\') out += "\\\\\\";
    out += c;
  }
  return out + "\"";
}

// Writes `text` at the user's `relative` unless a system folder has the
// file or the user's copy says the same already.
bool provide(const DesktopFolders& folders, const fs::path& relative, const std::string& text) {
  if (text.empty() || existsIn(folders.dataDirs, relative)) return false;
  const fs::path target = folders.dataHome / relative;
  if (fileText(target) == text) return false;
  return writeText(target, text);
}

// Adds the program as the type's default unless the user chose one.
bool setDefaultApplication(const fs::path& configHome) {
  const fs::path list = configHome / "mimeapps.list";
  std::string text = fileText(list);
  const std::string association = std::string(kLpxMimeType) + "=" + kDesktopEntryName;
  if (text.find(std::string(kLpxMimeType) + "=") != std::string::npos) return false;
  const size_t section = text.find(kDefaultsSection);
  if (section == std::string::npos) {
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += std::string(kDefaultsSection) + "\n" + association + "\n";
  } else {
    const size_t lineEnd = text.find('\n', section);
    const size_t at = lineEnd == std::string::npos ? text.size() : lineEnd + 1;
    text.insert(at, (lineEnd == std::string::npos ? "\n" : "") + association + "\n");
  }
  return writeText(list, text);
}

void refreshCache(const char* tool, const fs::path& folder) {
  QProcess::startDetached(QString::fromLatin1(tool), {QString::fromStdString(folder.string())});
}

}  // namespace

DesktopFolders desktopFolders() {
  const fs::path home = environmentPath("HOME", "/");
  DesktopFolders folders;
  folders.dataHome = environmentPath("XDG_DATA_HOME", home / ".local/share");
  folders.configHome = environmentPath("XDG_CONFIG_HOME", home / ".config");
  std::stringstream dirs(environmentPath("XDG_DATA_DIRS", "/usr/local/share:/usr/share").string());
  for (std::string dir; std::getline(dirs, dir, ':');)
    if (!dir.empty()) folders.dataDirs.emplace_back(dir);
  return folders;
}

std::string desktopEntryFor(const std::string& installedEntry, const fs::path& executable) {
  std::istringstream in(installedEntry);
  std::string out;
  const std::string prefix = kProgramExec;
  for (std::string line; std::getline(in, line);) {
    if (line.compare(0, prefix.size(), prefix) == 0 && (line.size() == prefix.size() || line[prefix.size()] == ' '))
      line = "Exec=" + quotedExecutable(executable) + line.substr(prefix.size());
    out += line + "\n";
  }
  return out;
}

DesktopRegistration registerDesktopIntegration(const DesktopFolders& folders, const fs::path& executable) {
  loadDesktopResources();
  DesktopRegistration done;
  const fs::path entry = fs::path("applications") / kDesktopEntryName;
  const fs::path mimeType = fs::path("mime/packages") / kMimePackageName;
  done.entryWritten = provide(folders, entry, desktopEntryFor(resourceText(kEntryResource), executable));
  done.mimeTypeWritten = provide(folders, mimeType, resourceText(kMimeResource));
  // An installed entry comes with its icons. Scalable icons need no cache:
  // desktops find them in hicolor's folders.
  if (!existsIn(folders.dataDirs, entry)) {
    const fs::path icons = "icons/hicolor/scalable";
    done.iconsWritten = provide(folders, icons / "apps/vendaro.svg", resourceText(kProgramIconResource));
    done.iconsWritten |= provide(folders, icons / "mimetypes/application-x-lumen-praxiva.svg",
                                 resourceText(kDocumentIconResource));
  }
  if (done.mimeTypeWritten) refreshCache("update-mime-database", folders.dataHome / "mime");
  if (done.entryWritten) {
    refreshCache("update-desktop-database", folders.dataHome / "applications");
    done.defaultSet = setDefaultApplication(folders.configHome);
  }
  return done;
}

}  // namespace vendaro
