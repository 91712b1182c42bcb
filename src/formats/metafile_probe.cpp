#include "formats/metafile_probe.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "formats/rtf_reader.h"
#include "platform/file_io.h"

namespace vendaro {
namespace {

// Larger files are not read twice just to choose the process.
constexpr uint64_t kMaxProbedBytes = uint64_t(256) << 20;
constexpr uint8_t kCompoundFileSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
// The directory entry of Word's picture stream, "Data" in UTF-16.
constexpr std::string_view kDataStreamName{"D\0a\0t\0a\0\0\0", 10};

bool contains(std::string_view haystack, std::string_view needle) {
  return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

}  // namespace

bool mayHoldMetafilePictures(const std::filesystem::path& path) {
  InputFile file;
  std::vector<uint8_t> head;
  if (file.open(path) != FileOpenResult::opened || file.size() > kMaxProbedBytes ||
      !file.readAt(0, sizeof kCompoundFileSignature, head))
    return false;
  const bool rtf = looksLikeRtf(head);
  const bool compound = head.size() == sizeof kCompoundFileSignature &&
                        std::equal(std::begin(kCompoundFileSignature), std::end(kCompoundFileSignature), head.begin());
  // Only these two are read whole: a native document of hundreds of
  // megabytes is not read an extra time just to choose the process.
  if (!rtf && !compound) return false;
  FileBytes bytes;
  if (!file.readAll(bytes)) return false;
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (rtf) return contains(text, "\\wmetafile") || contains(text, "\\emfblip");
  return contains(text, kDataStreamName);
}

}  // namespace vendaro
