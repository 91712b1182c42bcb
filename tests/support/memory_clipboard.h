// memory_clipboard.h — a recording host with a clipboard in memory: what
// copying placed, or what a test offers, in each of the three formats; it
// can also refuse to open, as a busy system clipboard does.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "support/recording_host.h"

namespace vendaro::test {

class MemoryClipboardHost : public RecordingHost {
 public:
  std::optional<std::vector<uint8_t>> formattedText;
  std::optional<std::string> text;
  std::optional<std::vector<uint8_t>> bitmap;
  bool opens = true;
  // Answers of the dialog "Inhalte einfügen": the entry chosen, or none to
  // cancel; the entries offered are kept.
  std::optional<int> pasteSpecialChoice;
  std::vector<std::string> pasteSpecialEntries;

  std::optional<ClipboardFormats> clipboardFormats() override {
    if (!opens) return std::nullopt;
    return ClipboardFormats{formattedText.has_value(), text.has_value(), bitmap.has_value()};
  }
  bool setClipboard(const ClipboardContents& contents) override {
    if (!opens) return false;
    formattedText = contents.formattedText;
    text = contents.text;
    bitmap.reset();
    return true;
  }
  bool clipboardFormattedText(std::vector<uint8_t>& out) override { return take(formattedText, out); }
  bool clipboardText(std::string& out) override { return take(text, out); }
  bool clipboardBitmap(std::vector<uint8_t>& out) override { return take(bitmap, out); }
  bool showInhalteEinfuegenDialog(InhalteEinfuegenDialog& dialog) override {
    pasteSpecialEntries = dialog.entries;
    if (!pasteSpecialChoice) return false;
    dialog.selected = *pasteSpecialChoice;
    return true;
  }

 private:
  template <typename T>
  bool take(const std::optional<T>& slot, T& out) {
    if (!opens || !slot) return false;
    out = *slot;
    return true;
  }
};

}  // namespace vendaro::test
