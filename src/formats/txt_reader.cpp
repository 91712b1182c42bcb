// txt_reader.cpp — reads a plain text file into a document, a paragraph per
// line, through the same store operations typing uses.
#include <cassert>
#include <new>
#include <string>
#include <vector>

#include "formats/lpx_file.h"
#include "formats/txt_file.h"
#include "platform/code_pages.h"
#include "platform/file_io.h"

namespace vendaro {
namespace {

constexpr uint8_t kTab = 9;
constexpr double kTabCellWidthMm = 12.5;

// Length of the well-formed UTF-8 sequence at `at` (1 for ASCII), 0 when the
// bytes there are not one: no overlong forms, surrogates or codes beyond
// U+10FFFF, as a strict decoder would refuse them.
size_t utf8SequenceLength(std::string_view bytes, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
  const uint8_t lead = byte(at);
  if (lead < 0x80) return 1;
  size_t length;
  uint8_t low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (size_t i = 2; i < length; ++i)
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
  return length;
}

// Appends one line's cells and paragraph breaks at the caret.
class TextLoader {
 public:
  explicit TextLoader(Document& doc) : doc_(doc) {}

  void load(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
      const auto ch = static_cast<uint8_t>(text[i]);
      if (ch == '\r' || ch == '\n') {
        if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        // The last line of the file ends with the paragraph mark every
        // document has; only lines followed by more text get one.
        if (i + 1 < text.size()) endParagraph();
      } else if (ch > 31) {
        appendCell(ch);
      } else if (ch == kTab) {
        TCharRec& tab = appendCell(ch);
        tab.CharWidth = kTabCellWidthMm;
        tab.CharHeight = -1.0;
      }
    }
  }

 private:
  TCharRec& appendCell(uint8_t ch) {
    TCharRec* cell = doc_.NewChar();
    assert(cell != nullptr);  // the caret stays at the end of the last line
    cell->Ch = ch;
    doc_.RenderChar(*cell);
    ++doc_.CurChar;
    return *cell;
  }

  void endParagraph() {
    TFieldRec& frame = doc_.Fields[static_cast<size_t>(doc_.CurField)];
    frame.Lines[static_cast<size_t>(doc_.CurLine)].LineEnd = kLineEndParagraph;
    doc_.InsertNewLine(doc_.CurField, doc_.CurLine + 1);
    ++doc_.CurLine;
    doc_.CurChar = 0;
  }

  Document& doc_;
};

void putCaretAtStart(Document& doc) {
  doc.CurField = doc.CurLine = doc.CurChar = 0;
  doc.MarkField = doc.MarkLine = doc.MarkChar = 0;
}

}  // namespace

TextFileEncoding detectTextEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return TextFileEncoding::utf8WithMark;
  bool multiByte = false;
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = utf8SequenceLength(bytes, i);
    if (length == 0) return TextFileEncoding::codePage;
    multiByte = multiByte || length > 1;
    i += length;
  }
  return multiByte ? TextFileEncoding::utf8 : TextFileEncoding::codePage;
}

void decodeTxt(std::string_view bytes, bool dos, Document& doc) {
  std::string converted;
  std::string_view text = bytes;
  doc.TextEncoding = dos ? TextFileEncoding::codePage : detectTextEncoding(bytes);
  if (dos) {
    converted = cp850ToCp1252(bytes);
    text = converted;
  } else if (doc.TextEncoding != TextFileEncoding::codePage) {
    if (doc.TextEncoding == TextFileEncoding::utf8WithMark) bytes.remove_prefix(kUtf8Mark.size());
    converted = utf8ToCp1252(bytes);
    text = converted;
  }
  SetPCharText(doc.CurFont.Name, kTextInputFont);
  if (doc.Fields.empty()) doc.NewPage(true);
  if (doc.Fields.front().Lines.empty()) Document::InitNewLine(doc.Fields.front().Lines, 0);
  putCaretAtStart(doc);
  TextLoader(doc).load(text);
  putCaretAtStart(doc);
}

bool OpenTXTFile(Document& doc, const std::filesystem::path& path, bool dos, std::string& message) {
  try {
    // Folders, pipes and devices are refused before they are opened, so
    // that reading never waits for a writer.
    if (fileExceeds(path, kMaxTxtFileBytes)) {
      message = fileTooLargeMessage(path, kMaxTxtFileBytes);
      return false;
    }
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxTxtFileBytes)) {
      message = cannotOpenMessage(path);
      return false;
    }
    Document fresh(doc);
    decodeTxt(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), dos, fresh);
    doc = std::move(fresh);
    return true;
  } catch (const std::bad_alloc&) {
    message = cannotOpenMessage(path);
    return false;
  }
}

}  // namespace vendaro
