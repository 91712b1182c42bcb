#include "formats/formatted_text_stream.h"

#include <cstring>
#include <string_view>

#include "document/record_ranges.h"
#include "formats/lpx_records.h"
#include "platform/byte_io.h"
#include "platform/dib_blocks.h"

namespace vendaro {
namespace {

constexpr int32_t kEntry = 1;
constexpr int32_t kEndOfEntries = 0;
// The smallest cell: its image, its font and an empty font name.
constexpr size_t kMinCellBytes = lpx::kCharImageSize + lpx::kFontImageSize + 4;
constexpr size_t kMaxStreamPictures = 65536;  // PictureIndex is 16 bits

bool isObjectFrameKind(uint8_t kind) { return kind >= kFieldTextBox && kind <= kFieldPicture; }

void writeString(ByteWriter& out, const NullableString& s) { out.lengthPrefixed(textOf(s)); }

class StreamEncoder {
 public:
  explicit StreamEncoder(const FormattedText& text) : text_(text) {}

  std::vector<uint8_t> run() {
    prepareFontImages();
    out_.reserve(estimatedSize());
    out_.i32(text_.kind);
    if (text_.kind == kStreamText) {
      out_.i32(text_.tableCopy ? 1 : 0);
      for (const StreamLine& line : text_.lines) writeLine(line);
    } else {
      for (const StreamFrame& frame : text_.frames) writeFrame(frame);
    }
    out_.i32(kEndOfEntries);
    for (const StreamFrame& frame : text_.footnoteFrames) writeFrame(frame);
    return std::move(out_.bytes());
  }

 private:
  void writeLine(const StreamLine& entry) {
    const TLineRec& line = entry.line;
    out_.i32(kEntry);
    lpx::writeLineImage(out_, line, line.CharCount());
    lpx::writeTabStops(out_, line.Para.Tabs);
    if (line.Para.BulletFont) writeString(out_, line.Para.BulletFont);
    for (const TCharRec& cell : line.Chars) writeCell(cell);
    out_.i32(entry.endCopied ? 1 : 0);
  }

  // Every cell carries its font: each font's image and name are encoded
  // once and copied for each of its cells.
  void prepareFontImages() {
    for (const TFontRec& font : text_.fonts.entries()) {
      ByteWriter image;
      lpx::writeFont(image, font);
      writeString(image, font.Name);
      fontImages_.push_back(std::move(image.bytes()));
    }
  }

  size_t estimatedSize() const {
    size_t cells = 0;
    auto count = [&](const std::vector<StreamLine>& lines) {
      for (const StreamLine& line : lines) cells += line.line.Chars.size();
    };
    count(text_.lines);
    for (const StreamFrame& frame : text_.frames) count(frame.lines);
    return cells * (lpx::kCharImageSize + lpx::kFontImageSize + 24) + 1024;
  }

  void writeCell(const TCharRec& cell) {
    lpx::writeCharImage(out_, cell);
    const std::vector<uint8_t>& font = fontImages_[static_cast<size_t>(cell.FontIndex)];
    out_.raw(font.data(), font.size());
    if (cell.Kind == kCellPicture) {
      writePicture(text_.pictures[cell.PictureIndex]);
    } else if (cell.Kind == kCellField) {
      writeString(out_, cell.Text);
      writeString(out_, cell.Code);
    }
  }

  void writePicture(const TPictureRec& pic) {
    const std::vector<uint8_t> header = dibHeaderBlock(pic);
    const size_t rows = size_t(pic.height()) * size_t(pic.RowBytes);
    out_.i32(static_cast<int32_t>(rows));
    out_.raw(pic.pixels(), rows);
    out_.i32(static_cast<int32_t>(header.size()));
    out_.raw(header.data(), header.size());
  }

  void writeFrame(const StreamFrame& entry) {
    out_.i32(kEntry);
    lpx::writeField(out_, entry.frame, static_cast<int32_t>(entry.lines.size()));
    for (const StreamLine& line : entry.lines) writeLine(line);
    out_.i32(kEndOfEntries);
  }

  const FormattedText& text_;
  ByteWriter out_;
  std::vector<std::vector<uint8_t>> fontImages_;
};

class StreamDecoder {
 public:
  StreamDecoder(const uint8_t* data, size_t size, FormattedText& text) : data_(data), in_(data, size), text_(text) {}

  bool run() {
    text_ = FormattedText{};
    text_.kind = in_.i32();
    if (text_.kind == kStreamText) {
      const int32_t flag = in_.i32();
      if (flag != 0 && flag != 1) return false;
      text_.tableCopy = flag == 1;
    } else if (text_.kind != kStreamObjects) {
      return false;
    }
    if (!readEntries()) return false;
    return readFootnoteFrames();
  }

 private:
  bool ok() const { return !in_.failed(); }

  // Entry markers: 1 announces an entry, 0 ends the run; false on anything
  // else.
  bool nextEntry(bool& more) {
    const int32_t marker = in_.i32();
    more = marker == kEntry;
    return ok() && (marker == kEntry || marker == kEndOfEntries);
  }

  bool readEntries() {
    for (bool more = true;;) {
      if (!nextEntry(more)) return false;
      if (!more) return true;
      if (text_.kind == kStreamText) {
        if (!readLine(text_.lines)) return false;
      } else {
        StreamFrame& frame = text_.frames.emplace_back();
        if (!readFrame(frame) || !isObjectFrameKind(frame.frame.FieldType)) return false;
      }
    }
  }

  // One frame per reference while the stream lasts; a stream that ends
  // early leaves the rest without frames.
  bool readFootnoteFrames() {
    const size_t wanted = noteReferences_;
    while (text_.footnoteFrames.size() < wanted && !in_.atEnd()) {
      bool more = false;
      if (!nextEntry(more) || !more) return false;
      StreamFrame& frame = text_.footnoteFrames.emplace_back();
      if (!readFrame(frame) || frame.frame.FieldType != kFieldFooter) return false;
    }
    return true;
  }

  bool readFrame(StreamFrame& entry) {
    int32_t storedLineCount = 0;  // the lines follow as entries
    if (!lpx::readField(in_, entry.frame, storedLineCount)) return false;
    bringFrameIntoRange(entry.frame, kMaxStoredNumber);
    for (bool more = true;;) {
      if (!nextEntry(more)) return false;
      if (!more) return true;
      if (!readLine(entry.lines)) return false;
    }
  }

  bool readLine(std::vector<StreamLine>& into) {
    StreamLine& entry = into.emplace_back();
    TLineRec& line = entry.line;
    int32_t cellCount = 0;
    lpx::ParaImage para;
    if (!lpx::readLineImage(in_, line, cellCount, para)) return false;
    if (line.LineEnd < kLineEndSoft || line.LineEnd > kLineEndPage) return false;
    if (line.InTable && (line.RowCells < 1 || line.CellIndex < 0 || line.CellIndex >= line.RowCells)) return false;
    if (!lpx::readTabStops(in_, para.tabCount, line.Para.Tabs)) return false;
    if (para.hasBulletFont) SetPCharText(line.Para.BulletFont, in_.lengthPrefixed());
    if (!in_.canHold(cellCount, kMinCellBytes)) return false;
    line.Chars.reserve(static_cast<size_t>(cellCount));
    for (int32_t i = 0; i < cellCount; ++i) {
      TCharRec cell;
      if (!readCell(cell)) return false;
      if (isExchangedCell(cell)) line.Chars.push_back(std::move(cell));
    }
    const int32_t endCopied = in_.i32();
    if (!ok() || (endCopied != 0 && endCopied != 1)) return false;
    entry.endCopied = endCopied == 1;
    bringLineIntoRange(line);
    return true;
  }

  bool readCell(TCharRec& cell) {
    if (!lpx::readCharImage(in_, cell) || cell.Kind > kCellField) return false;
    cell.CharFlags &= 7;
    cell.FontIndex = readCellFont();
    if (cell.FontIndex < 0) return false;
    if (cell.Kind == kCellPicture) return readPicture(cell);
    if (cell.Kind == kCellField) {
      readOptionalString(cell.Text);
      readOptionalString(cell.Code);
    }
    if (cell.Kind == kCellNoteRef) ++noteReferences_;
    return ok();
  }

  // Runs of cells share their font: bytes equal to the previous cell's font
  // give its entry without another look-up.
  int32_t readCellFont() {
    const size_t start = in_.position();
    TFontRec font;
    if (!lpx::readFont(in_, font)) return -1;
    const std::string name = in_.lengthPrefixed();
    if (!ok()) return -1;
    const std::string_view bytes(reinterpret_cast<const char*>(data_ + start), in_.position() - start);
    if (lastFontIndex_ >= 0 && bytes == lastFontBytes_) return lastFontIndex_;
    bringFontIntoRange(font);
    SetPCharText(font.Name, name);
    lastFontBytes_ = bytes;
    lastFontIndex_ = text_.fonts.GetNewFontIndex(font);
    return lastFontIndex_;
  }

  bool readPicture(TCharRec& cell) {
    const std::string_view pixels = in_.view(sizeOfNextBlock());
    const std::string_view header = in_.view(sizeOfNextBlock());
    if (!ok() || text_.pictures.size() >= kMaxStreamPictures) return false;
    TPictureRec pic;
    const DibBlockResult made = dibFromBlocks(pic, reinterpret_cast<const uint8_t*>(header.data()), header.size(),
                                              reinterpret_cast<const uint8_t*>(pixels.data()), pixels.size());
    if (made != DibBlockResult::ok) return false;
    cell.PictureIndex = static_cast<uint16_t>(text_.pictures.size());
    text_.pictures.push_back(std::move(pic));
    return true;
  }

  // An int32 byte count that must fit in what is left.
  size_t sizeOfNextBlock() {
    const int32_t count = in_.i32();
    if (!ok() || count < 0 || static_cast<size_t>(count) > in_.left()) {
      in_.fail();
      return 0;
    }
    return static_cast<size_t>(count);
  }

  void readOptionalString(NullableString& slot) {
    std::string value = in_.lengthPrefixed();
    if (value.empty()) slot.reset();
    else slot.set(std::move(value));
  }

  const uint8_t* data_;
  ByteReader in_;
  FormattedText& text_;
  size_t noteReferences_ = 0;
  std::string_view lastFontBytes_;
  int32_t lastFontIndex_ = -1;
};

}  // namespace

std::vector<const TCharRec*> FormattedText::noteReferences() const {
  std::vector<const TCharRec*> found;
  auto collect = [&](const std::vector<StreamLine>& lines) {
    for (const StreamLine& line : lines)
      for (const TCharRec& cell : line.line.Chars)
        if (cell.Kind == kCellNoteRef) found.push_back(&cell);
  };
  collect(lines);
  for (const StreamFrame& frame : frames) collect(frame.lines);
  return found;
}

std::vector<uint8_t> encodeFormattedText(const FormattedText& text) { return StreamEncoder(text).run(); }

bool decodeFormattedText(const uint8_t* data, size_t size, FormattedText& text) {
  return StreamDecoder(data, size, text).run();
}

}  // namespace vendaro
