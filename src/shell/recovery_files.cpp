#include "shell/recovery_files.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <system_error>

namespace vendaro {
namespace {

namespace fs = std::filesystem;

bool isRecoveryFileName(const std::string& name) {
  const std::string_view extension = kRecoveryExtension;
  return name.size() >= extension.size() && name.ends_with(extension);
}

}  // namespace

std::string recoveryBaseName(const std::string& docFileName, const std::string& docTitle) {
  const fs::path name = fs::path(docFileName.empty() ? docTitle : docFileName).filename();
  return name.stem().string();
}

std::vector<fs::path> recoveryFilePaths(const fs::path& folder, const std::vector<std::string>& baseNames) {
  std::vector<fs::path> paths;
  std::set<std::string> taken;
  for (const std::string& base : baseNames) {
    std::string name = base + kRecoveryExtension;
    for (int k = 1; taken.count(name) != 0; ++k) name = base + std::to_string(k) + kRecoveryExtension;
    taken.insert(name);
    paths.push_back(folder / name);
  }
  return paths;
}

std::vector<fs::path> findRecoveryFiles(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (isRecoveryFileName(it->path().filename().string()) && !it->is_directory(typeError)) {
      files.push_back(it->path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

void deleteRecoveryFiles(const std::vector<fs::path>& files) {
  // A file that cannot be removed is simply found again at the next start.
  for (const fs::path& file : files) {
    std::error_code ignored;
    fs::remove(file, ignored);
  }
}

}  // namespace vendaro
