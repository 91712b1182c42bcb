// txt_writer.cpp — writes a document as plain text: every text chain in
// frame order, a line per paragraph (wrapped lines joined) and per table
// row (cells separated by tabs), with the list prefixes.
#include <string>
#include <vector>

#include "formats/lpx_file.h"
#include "formats/txt_file.h"
#include "platform/code_pages.h"
#include "platform/file_io.h"

namespace vendaro {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool validFrame(const Document& doc, int32_t index) { return index >= 0 && index < doc.FieldCount(); }

class TextExporter {
 public:
  explicit TextExporter(const Document& doc) : doc_(doc), visited_(doc.Fields.size(), false) {}

  std::string run() {
    for (int32_t f = 0; f < doc_.FieldCount(); ++f) {
      if (doc_.Fields[static_cast<size_t>(f)].PrevField == -1 && !visited_[static_cast<size_t>(f)]) writeChain(f);
    }
    return std::move(out_);
  }

 private:
  // The chain's lines in reading order. A frame met a second time (a
  // damaged chain that loops) ends the chain.
  std::vector<const TLineRec*> chainLines(int32_t first) {
    std::vector<const TLineRec*> lines;
    for (int32_t f = first; validFrame(doc_, f) && !visited_[static_cast<size_t>(f)];) {
      visited_[static_cast<size_t>(f)] = true;
      const TFieldRec& frame = doc_.Fields[static_cast<size_t>(f)];
      for (const TLineRec& line : frame.Lines) lines.push_back(&line);
      f = frame.NextField;
    }
    return lines;
  }

  // A line opens a paragraph at the chain's start, after a paragraph or page
  // end, and at the start of a table cell. Table lines look back a whole
  // row, since the cells' lines are interleaved group by group.
  static bool startsParagraph(const std::vector<const TLineRec*>& lines, size_t at) {
    const TLineRec& line = *lines[at];
    if (line.CellFirstLine) return true;
    const size_t back = line.RowCells > 1 ? static_cast<size_t>(line.RowCells) : 1;
    if (at < back) return true;
    const TLineRec& before = *lines[at - back];
    return before.LineEnd == kLineEndParagraph || before.LineEnd == kLineEndPage || before.CellLastLine;
  }

  static void addListPrefix(const TParaFormat& para, std::string& buffer) {
    if (para.ListKind == 1) buffer += "* ";
    if (para.ListKind == 2) buffer += std::to_string(para.ListNumber) + ". ";
  }

  static bool endsOutputLine(const TLineRec& line) {
    if (line.InTable) return line.RowCells == line.CellIndex + 1;
    return line.LineEnd != kLineEndSoft;
  }

  void writeChain(int32_t first) {
    const std::vector<const TLineRec*> lines = chainLines(first);
    std::string buffer;
    for (size_t i = 0; i < lines.size(); ++i) {
      const TLineRec& line = *lines[i];
      if (startsParagraph(lines, i)) addListPrefix(line.Para, buffer);
      for (const TCharRec& cell : line.Chars)
        if (cell.Kind == kCellChar) buffer += static_cast<char>(cell.Ch);
      if (line.InTable) buffer += '\t';
      if (endsOutputLine(line)) writeLine(buffer);
    }
    if (!buffer.empty()) writeLine(buffer);
  }

  void writeLine(std::string& buffer) {
    out_ += buffer;
    out_ += kLineEnd;
    buffer.clear();
  }

  const Document& doc_;
  std::vector<bool> visited_;
  std::string out_;
};

}  // namespace

std::string encodeTxt(const Document& doc, bool dos) {
  const std::string text = TextExporter(doc).run();
  if (dos) return cp1252ToCp850(text);
  switch (doc.TextEncoding) {
    case TextFileEncoding::codePage: break;
    case TextFileEncoding::utf8: return cp1252ToUtf8(text);
    case TextFileEncoding::utf8WithMark: return std::string(kUtf8Mark) + cp1252ToUtf8(text);
  }
  return text;
}

bool SaveTXTFile(const Document& doc, const std::filesystem::path& path, bool dos, std::string& message) {
  const std::string text = encodeTxt(doc, dos);
  if (!writeFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size())) {
    message = cannotCreateMessage(path);
    return false;
  }
  return true;
}

}  // namespace vendaro
