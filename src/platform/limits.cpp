#include "platform/limits.h"

#include <system_error>

namespace vendaro {

std::string fileTooLargeMessage(const std::filesystem::path& path, uint64_t maxBytes) {
  const uint64_t megabytes = (maxBytes + (uint64_t{1} << 20) - 1) >> 20;
  return "Die Datei " + path.filename().string() + " ist zu groß (höchstens " + std::to_string(megabytes) + " MB).";
}

namespace {

// 20000000 → "20.000.000", as German writes numbers.
std::string withThousands(uint64_t value) {
  const std::string digits = std::to_string(value);
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped.push_back('.');
    grouped.push_back(digits[i]);
  }
  return grouped;
}

}  // namespace

std::string tooManyCellsMessage(const std::filesystem::path& path) {
  return "Die Datei " + path.filename().string() + " enthält mehr als " + withThousands(kMaxDocumentCells) +
         " Zeichen und kann nicht geöffnet werden.";
}

std::string tooManyFramesMessage(const std::filesystem::path& path) {
  return "Die Datei " + path.filename().string() + " enthält mehr als " + withThousands(kMaxDocumentFrames) +
         " Rahmen und kann nicht geöffnet werden.";
}

std::string pictureTooLargeMessage(const std::filesystem::path& path) {
  return "Die Datei " + path.filename().string() + " enthält ein Bild mit mehr als " + withThousands(kMaxPixels) +
         " Bildpunkten und kann nicht geöffnet werden.";
}

bool fileExceeds(const std::filesystem::path& path, uint64_t maxBytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const uintmax_t size = std::filesystem::file_size(path, error);
  return !error && size > maxBytes;
}

}  // namespace vendaro
