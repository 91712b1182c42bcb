#include "editing/field_update.h"

#include <filesystem>
#include <string>
#include <unordered_map>

#include "editing/page_number_width.h"
#include "platform/code_pages.h"

namespace vendaro {
namespace {

// The entry a code like "userinf2" or "docinf8" selects by its last digit.
std::optional<size_t> entryOf(std::string_view code, size_t prefixLength, size_t entries) {
  if (code.size() != prefixLength + 1) return std::nullopt;
  const int digit = code.back() - '1';
  if (digit < 0 || static_cast<size_t>(digit) >= entries) return std::nullopt;
  return static_cast<size_t>(digit);
}

class FieldUpdate {
 public:
  FieldUpdate(Document& doc, const FieldSources& sources) : doc_(doc), sources_(sources) {}

  // Running numbers follow the page as it is read: the headers first, then
  // the body and every other frame in the order of the frame array.
  bool run(FieldWalk walk) {
    for (const bool headers : {true, false})
      for (size_t frame = 0; frame < doc_.Fields.size(); ++frame)
        if ((doc_.Fields[frame].FieldType == kFieldHeader) == headers) updateFrame(frame, walk);
    return resized_;
  }

 private:
  void updateFrame(size_t frame, FieldWalk walk) {
    const LineList& lines = doc_.Fields[frame].Lines;
    for (size_t line = 0; line < lines.size(); ++line) {
      // A line unchanged since layout holds fields only when it was noted so.
      const bool fieldless = !lines.changed(line) && (lines.marks(line) & kLineHoldsFields) == 0;
      if (walk == FieldWalk::linesWithFields && fieldless) continue;
      updateLine(frame, line);
    }
  }

  void updateLine(size_t frame, size_t line) {
    const LineList& lines = doc_.Fields[frame].Lines;
    for (size_t k = 0; k < lines[line].Chars.size(); ++k) {
      const TCharRec& cell = lines[line].Chars[k];
      if (cell.Kind != kCellField) continue;
      std::optional<std::string> text = textFor(doc_.Fields[frame], cell);
      if (!text) continue;
      if (text->empty()) text->push_back(' ');
      if (cell.Text && *cell.Text == *text) continue;
      store(frame, line, k, *text);
    }
  }

  void store(size_t frame, size_t line, size_t k, const std::string& text) {
    TLineRec& written = doc_.Fields[frame].Lines[line];
    TCharRec& cell = written.Chars[k];
    SetPCharText(cell.Text, text);
    if (cell.FontIndex < 0 || cell.FontIndex >= doc_.FontCount()) return;
    const double width = cell.CharWidth, height = cell.CharHeight;
    doc_.RenderChar(cell, false, text);
    if (cell.CharWidth == width && cell.CharHeight == height) return;
    written.Dirty = 1;
    resized_ = true;
  }

  // Every field but a running number shows the same text wherever its
  // code (and, for a page number, font and page) is the same: each is
  // worked out once per update, however many cells show it.
  std::optional<std::string> textFor(const TFieldRec& frame, const TCharRec& cell) {
    const std::string_view code = textOf(cell.Code);
    if (code == "autonumber") return std::to_string(++autonumber_);
    std::string key(code);
    if (code == "page") key += '\0' + std::to_string(cell.FontIndex) + '\0' + std::to_string(frame.PageNo);
    if (const auto known = memo_.find(key); known != memo_.end()) return known->second;
    std::optional<std::string> text = computeText(frame, cell, code);
    memo_.emplace(std::move(key), text);
    return text;
  }

  std::optional<std::string> computeText(const TFieldRec& frame, const TCharRec& cell, std::string_view code) {
    if (code == "page") return widestPageNumber(doc_, cell.FontIndex, static_cast<int64_t>(frame.PageNo) + 1);
    if (code == "pagecount") return std::to_string(doc_.GetAnzPages());
    if (code.starts_with("datetime")) return formatDateTime(code.substr(8), now());
    if (code == "file" || code == "filepath") return fileFieldText(doc_, code == "filepath");
    if (code.starts_with("userinf")) {
      if (const auto entry = entryOf(code, 7, sources_.userInfo.size())) return sources_.userInfo[*entry];
    } else if (code.starts_with("docinf")) {
      if (const auto entry = entryOf(code, 6, doc_.DocProps.size())) return doc_.DocProps[*entry];
    }
    return std::nullopt;
  }

  const DateTime& now() {
    if (!now_) now_ = sources_.clock ? sources_.clock() : systemDateTime();
    return *now_;
  }

  Document& doc_;
  const FieldSources& sources_;
  int64_t autonumber_ = 0;
  bool resized_ = false;
  std::optional<DateTime> now_;
  std::unordered_map<std::string, std::optional<std::string>> memo_;
};

}  // namespace

bool FelderAktuallisieren(Document& doc, const FieldSources& sources, FieldWalk walk) {
  return FieldUpdate(doc, sources).run(walk);
}

std::string fileFieldText(const Document& doc, bool withPath) {
  if (doc.DocFileName.empty()) return utf8ToCp1252(doc.DocTitle);
  const std::filesystem::path path(doc.DocFileName);
  return utf8ToCp1252(withPath ? path.string() : path.filename().string());
}

}  // namespace vendaro
