// clipboard_fuzz.cpp — offers arbitrary bytes as the program's clipboard
// stream to an editor with some text. A stream the reader accepts must
// encode and read back; one it refuses must leave the document, as the
// native file would save it, byte for byte as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editing/editor.h"
#include "formats/formatted_text_stream.h"
#include "formats/lpx_file.h"

namespace {

class StreamHost : public vendaro::EditorHost {
 public:
  explicit StreamHost(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  void showMessage(const std::string&, vendaro::MessageIcon, const std::string&) override {}
  void setStatusText(int, const std::string&) override {}
  void setCaption(const std::string&) override {}
  std::optional<vendaro::ClipboardFormats> clipboardFormats() override { return vendaro::ClipboardFormats{true, false, false}; }
  bool clipboardFormattedText(std::vector<uint8_t>& out) override {
    out = bytes_;
    return true;
  }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vendaro::FormattedText text;
  const bool accepted = vendaro::decodeFormattedText(data, size, text);
  if (accepted) {
    const std::vector<uint8_t> again = vendaro::encodeFormattedText(text);
    vendaro::FormattedText reread;
    if (!vendaro::decodeFormattedText(again.data(), again.size(), reread)) std::abort();
    if (reread.lines.size() != text.lines.size() || reread.frames.size() != text.frames.size()) std::abort();
  }

  StreamHost host(std::vector<uint8_t>(data, data + size));
  vendaro::Editor editor(host);
  editor.FormCreate();
  for (char c : std::string_view("Wort eins")) editor.getkeysKeyPress(static_cast<uint8_t>(c));
  const std::vector<uint8_t> before = vendaro::encodeLpx(editor.doc());
  editor.EinfuegenAusZwischenAblage(1);
  if (!accepted && vendaro::encodeLpx(editor.doc()) != before) std::abort();
  return 0;
}
