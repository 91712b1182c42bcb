#include "formats/whole_file_reading.h"

#include <new>

#include "formats/lpx_file.h"
#include "platform/file_io.h"
#include "platform/limits.h"

namespace vendaro {

bool readWholeFileInto(Document& doc, const std::filesystem::path& path, uint64_t maxBytes, std::string& message,
                       const DocumentDecoder& decode) {
  try {
    // Folders, pipes and devices are refused before they are opened, so
    // that reading never waits for a writer.
    if (fileExceeds(path, maxBytes)) {
      message = fileTooLargeMessage(path, maxBytes);
      return false;
    }
    FileBytes bytes;
    if (readWholeFile(path, bytes, maxBytes)) {
      Document fresh(doc);
      if (decode(bytes.span(), fresh)) {
        doc = std::move(fresh);
        return true;
      }
    }
  } catch (const std::bad_alloc&) {
    // A file within the size limit can still hold more than the memory at hand.
  }
  message = cannotOpenMessage(path);
  return false;
}

}  // namespace vendaro
