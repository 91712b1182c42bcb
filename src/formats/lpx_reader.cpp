// lpx_reader.cpp — reads a native document. Every count is checked against
// the bytes that are left before anything is sized from it, and every index
// a cell or frame carries is checked against what the file holds, so that a
// damaged file is refused instead of crashing later.
#include <cmath>
#include <cstring>
#include <new>

#include "document/page_setup.h"
#include "document/record_ranges.h"
#include "formats/lpx_file.h"
#include "formats/lpx_records.h"
#include "platform/dib_blocks.h"
#include "platform/file_io.h"

namespace vendaro {
namespace {

// The smallest line block: counts, paragraph image, table flag, section.
constexpr size_t kMinLineBlock = 4 + 4 + lpx::kParaImageSize + 1 + 16;
constexpr size_t kMinCellBlock = 3;
constexpr size_t kMinPictureBlock = 8 + BitmapInfoHeader::kSize;

class LpxDecoder {
 public:
  LpxDecoder(const uint8_t* data, size_t size, Document& doc) : in_(data, size), doc_(doc) {}

  LpxRefusal refusal() const { return refusal_; }

  bool run() {
    return readHeader() && readFonts() && readFootnoteCounter() && readStyles() && readPictures() &&
           readCaret() && readFrames() && readPaperSize() && checkLinks();
  }

 private:
  bool ok() const { return !in_.failed(); }

  bool readHeader() {
    if (in_.lengthPrefixed() != kLpxMagic) return false;
    doc_.ZoomPercent = in_.f64();
    doc_.ZoomMode = in_.i32();
    doc_.AutoHyphenate = in_.u8();
    doc_.DocLanguage = in_.i32();
    const uint8_t props = in_.u8();
    for (int i = 0; i < props && ok(); ++i) {
      std::string value = in_.lengthPrefixed();
      if (i < kDocPropCount) doc_.DocProps[static_cast<size_t>(i)] = std::move(value);
    }
    // Values the painter sizes things by are brought into range rather
    // than refused: the text itself is intact.
    if (!std::isfinite(doc_.ZoomPercent) || doc_.ZoomPercent < 1 || doc_.ZoomPercent > 1000) doc_.ZoomPercent = 100.0;
    if (doc_.ZoomMode < 0 || doc_.ZoomMode > 2) doc_.ZoomMode = 0;
    if (doc_.DocLanguage < 0 || doc_.DocLanguage > 1) doc_.DocLanguage = 0;
    return ok();
  }

  bool readFonts() {
    const int32_t count = in_.i32();
    if (!in_.canHold(count, lpx::kFontImageSize + 4)) return false;
    std::vector<TFontRec> fonts(static_cast<size_t>(count));
    for (TFontRec& font : fonts) {
      if (!lpx::readFont(in_, font)) return false;
      // Cells are measured with their fonts as they are read.
      bringFontIntoRange(font);
      SetPCharText(font.Name, in_.lengthPrefixed());
    }
    doc_.Fonts.assign(std::move(fonts));
    return ok();
  }

  bool readFootnoteCounter() {
    doc_.FootnoteCounter = in_.i32();
    return ok();
  }

  bool readParaExtras(const lpx::ParaImage& image, TParaFormat& para) {
    if (!lpx::readTabStops(in_, image.tabCount, para.Tabs)) return false;
    if (image.hasBulletFont) SetPCharText(para.BulletFont, in_.lengthPrefixed());
    return ok();
  }

  bool readStyles() {
    const int32_t count = in_.i32();
    if (!in_.canHold(count, lpx::kStyleImageSize)) return false;
    doc_.Styles.resize(static_cast<size_t>(count));
    for (TStyleRec& style : doc_.Styles) {
      lpx::ParaImage image;
      if (!lpx::readStyle(in_, style, image) || !readParaExtras(image, style.Para)) return false;
    }
    return true;
  }

  bool readPicture(TPictureRec& pic) {
    const int32_t headerSize = in_.i32();
    const int32_t colours = in_.i32();
    if (!ok() || colours < 0 || colours > 256 || headerSize != BitmapInfoHeader::kSize + 4 * colours) return false;
    std::string_view block = in_.view(static_cast<size_t>(headerSize));
    if (!ok()) return false;
    const auto* blockBytes = reinterpret_cast<const uint8_t*>(block.data());
    const BitmapInfoHeader header = BitmapInfoHeader::readFrom(blockBytes);
    // A released picture: the entry keeps its place, without pixels. Any
    // colour table the block carries goes unread with it.
    if (header.biWidth == 0 && header.biHeight == 0) {
      pic = TPictureRec{};
      return true;
    }
    const int bits = header.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    if (colours != (bits <= 8 ? 1 << bits : 0)) return false;
    if (header.biWidth <= 0 || header.biHeight <= 0) return false;
    const uint64_t rowBytes = static_cast<uint64_t>(dibRowBytes(header.biWidth, bits));
    const uint64_t pixelBytes = rowBytes * static_cast<uint64_t>(header.biHeight);
    if (rowBytes == 0 || pixelBytes > in_.left()) return false;
    if (uint64_t(header.biWidth) * uint64_t(header.biHeight) > kMaxPixels) return refuse(LpxRefusal::pictureTooLarge);
    const std::string_view rows = in_.view(static_cast<size_t>(pixelBytes));
    if (!ok() || !newdibFromRows(pic, header.biWidth, header.biHeight, bits, reinterpret_cast<const uint8_t*>(rows.data()),
                                 blockBytes, static_cast<uint32_t>(colours)))
      return false;
    pic.Header.biXPelsPerMeter = header.biXPelsPerMeter;
    pic.Header.biYPelsPerMeter = header.biYPelsPerMeter;
    return true;
  }

  bool readPictures() {
    const int32_t count = in_.i32();
    if (!in_.canHold(count, kMinPictureBlock)) return false;
    doc_.Pictures.resize(static_cast<size_t>(count));
    for (TPictureRec& pic : doc_.Pictures)
      if (!readPicture(pic)) return false;
    return true;
  }

  bool readCaret() {
    for (int32_t* v : {&doc_.MarkField, &doc_.MarkLine, &doc_.MarkChar, &doc_.CurField, &doc_.CurLine,
                       &doc_.CurChar, &doc_.CaretPage})
      *v = in_.i32();
    doc_.CaretAtLineEnd = in_.u8();
    return ok();
  }

  bool readLine(TLineRec& line, int32_t& charCount) {
    charCount = in_.i32();
    line.LineEnd = in_.i32();
    lpx::ParaImage image;
    if (!lpx::readPara(in_, image)) return false;
    line.Para = image.para;
    if (!readParaExtras(image, line.Para)) return false;
    line.InTable = in_.u8();
    if (line.InTable) {
      line.CellFirstLine = in_.u8();
      line.CellLastLine = in_.u8();
      line.RowCells = in_.i32();
      line.CellIndex = in_.i32();
      line.CellWidthWeight = in_.f64();
      line.RowLeft = in_.f64();
      line.RowRight = in_.f64();
      if (!lpx::readCellDesign(in_, line.CellDesign)) return false;
      if (line.RowCells < 1 || line.CellIndex < 0 || line.CellIndex >= line.RowCells) return false;
    }
    line.ColumnCount = in_.i32();
    line.ColumnLines = in_.i32();
    line.ColumnGap = in_.f64();
    line.Dirty = 1;
    return ok();
  }

  bool readCell(TCharRec& cell) {
    const uint8_t flags = in_.u8();
    cell.Kind = flags & 15;
    cell.CharFlags = (flags >> 4) & 7;
    cell.Ch = in_.u8();
    if (cell.Ch == kTabChar) cell.TabLeader = in_.u8();
    cell.FontIndex = (flags & 0x80) ? in_.u8() : in_.i32();
    if (!ok() || cell.FontIndex < 0 || cell.FontIndex >= doc_.FontCount()) return false;
    if (cell.Kind == kCellChar) {
      doc_.RenderChar(cell);
      return true;
    }
    if (cell.Kind == kCellPicture) {
      cell.PictureIndex = in_.u16();
      if (cell.PictureIndex >= doc_.PictureCount()) return false;
    } else {
      cell.ShownNumber = in_.u16();
      cell.NoteID = in_.u16();
      readOptionalString(cell.Text);
      readOptionalString(cell.Code);
    }
    cell.CharWidth = in_.f64();
    cell.CharHeight = in_.f64();
    return ok() && std::isfinite(cell.CharWidth) && std::isfinite(cell.CharHeight);
  }

  // An empty stored string means that the cell has none.
  void readOptionalString(NullableString& slot) {
    std::string value = in_.lengthPrefixed();
    if (value.empty()) slot.reset();
    else slot.set(std::move(value));
  }

  bool readFrame(TFieldRec& field) {
    int32_t lineCount = 0;
    if (!lpx::readField(in_, field, lineCount)) return false;
    if (!in_.canHold(lineCount, kMinLineBlock)) return false;
    field.Lines.resize(static_cast<size_t>(lineCount));
    for (TLineRec& line : field.Lines) {
      int32_t charCount = 0;
      if (!readLine(line, charCount) || !in_.canHold(charCount, kMinCellBlock)) return false;
      cells_ += static_cast<uint64_t>(charCount);
      if (cells_ > kMaxDocumentCells) return refuse(LpxRefusal::tooManyCells);
      line.Chars.resize(static_cast<size_t>(charCount));
      for (TCharRec& cell : line.Chars)
        if (!readCell(cell)) return false;
    }
    return true;
  }

  bool readFrames() {
    const int32_t count = in_.i32();
    if (count < 1 || !in_.canHold(count, lpx::kFieldImageSize)) return false;
    if (count > kMaxDocumentFrames) return refuse(LpxRefusal::tooManyFrames);
    doc_.Fields.resize(static_cast<size_t>(count));
    for (TFieldRec& field : doc_.Fields)
      if (!readFrame(field)) return false;
    return true;
  }

  // Older files end after the frames: the paper size stays as it was.
  bool readPaperSize() {
    if (in_.atEnd()) return true;
    double width = in_.f64();
    double height = in_.f64();
    if (!ok() || !bringPaperIntoRange(width, height)) return false;
    doc_.PageWidth = width;
    doc_.PageHeight = height;
    return true;
  }

  bool checkLinks() {
    const int32_t count = doc_.FieldCount();
    for (const TFieldRec& f : doc_.Fields) {
      if (f.PrevField < -1 || f.PrevField >= count || f.NextField < -1 || f.NextField >= count) return false;
    }
    for (const TStyleRec& s : doc_.Styles)
      if (s.Char.FontIndex < 0 || (s.Char.FontIndex >= doc_.FontCount() && doc_.FontCount() > 0)) return false;
    clampCaret();
    return true;
  }

  // A caret outside the records is put at the start of the text rather than
  // refusing a document whose content is sound.
  void clampCaret() {
    auto valid = [&](int32_t f, int32_t l, int32_t c) {
      if (f < 0 || f >= doc_.FieldCount()) return false;
      const auto& lines = doc_.Fields[static_cast<size_t>(f)].Lines;
      if (l < 0 || l >= static_cast<int32_t>(lines.size())) return false;
      return c >= 0 && c <= lines[static_cast<size_t>(l)].CharCount();
    };
    if (!valid(doc_.CurField, doc_.CurLine, doc_.CurChar)) doc_.CurField = doc_.CurLine = doc_.CurChar = 0;
    if (!valid(doc_.MarkField, doc_.MarkLine, doc_.MarkChar)) {
      doc_.MarkField = doc_.CurField;
      doc_.MarkLine = doc_.CurLine;
      doc_.MarkChar = doc_.CurChar;
    }
    if (doc_.CaretPage < 0) doc_.CaretPage = 0;
  }

  bool refuse(LpxRefusal why) {
    refusal_ = why;
    return false;
  }

  ByteReader in_;
  Document& doc_;
  uint64_t cells_ = 0;
  LpxRefusal refusal_ = LpxRefusal::damaged;
};

}  // namespace

bool decodeLpx(const uint8_t* data, size_t size, Document& doc, LpxRefusal* refusal) {
  LpxDecoder decoder(data, size, doc);
  if (!decoder.run()) {
    if (refusal) *refusal = decoder.refusal();
    return false;
  }
  bringDocumentIntoRange(doc);
  PageOpenSetup(doc);
  return true;
}

namespace {

bool startsWithMagic(const std::vector<uint8_t>& head) {
  ByteReader in(head.data(), head.size());
  return in.lengthPrefixed() == kLpxMagic && !in.failed();
}

// The file's bytes, once its start has shown it to be a native document
// of a size the program reads. False with the message for the user.
bool readLpxBytes(const std::filesystem::path& path, FileBytes& bytes, std::string& message) {
  InputFile file;
  switch (file.open(path)) {
    case FileOpenResult::opened: break;
    case FileOpenResult::cannotOpen: message = cannotOpenMessage(path); return false;
    case FileOpenResult::notRegularFile: message = kNotAnLpxDocument; return false;
  }
  std::vector<uint8_t> head;
  if (!file.readAt(0, kLpxMagicBlockSize, head)) {
    message = cannotOpenMessage(path);
    return false;
  }
  if (!startsWithMagic(head)) {
    message = kNotAnLpxDocument;
    return false;
  }
  if (file.size() > kMaxLpxFileBytes) {
    message = fileTooLargeMessage(path, kMaxLpxFileBytes);
    return false;
  }
  if (!file.readAll(bytes)) {
    message = cannotOpenMessage(path);
    return false;
  }
  return true;
}

std::string refusalMessage(LpxRefusal refusal, const std::filesystem::path& path) {
  switch (refusal) {
    case LpxRefusal::tooManyCells: return tooManyCellsMessage(path);
    case LpxRefusal::tooManyFrames: return tooManyFramesMessage(path);
    case LpxRefusal::pictureTooLarge: return pictureTooLargeMessage(path);
    case LpxRefusal::damaged: break;
  }
  return kNotAnLpxDocument;
}

}  // namespace

bool OpenLPXFile(Document& doc, const std::filesystem::path& path, std::string& message) {
  try {
    FileBytes bytes;
    if (!readLpxBytes(path, bytes, message)) return false;
    // What the file does not hold stays as the window has it.
    Document fresh(doc.fontEngine());
    fresh.PageWidth = doc.PageWidth;
    fresh.PageHeight = doc.PageHeight;
    fresh.CurFont = doc.CurFont;
    fresh.DocFileName = doc.DocFileName;
    fresh.DocTitle = doc.DocTitle;
    fresh.Modified = doc.Modified;
    LpxRefusal refusal = LpxRefusal::damaged;
    if (!decodeLpx(bytes.data(), bytes.size(), fresh, &refusal)) {
      message = refusalMessage(refusal, path);
      return false;
    }
    doc = std::move(fresh);
    return true;
  } catch (const std::bad_alloc&) {
    // A file within the size limit can still hold more than the memory at hand.
    message = cannotOpenMessage(path);
    return false;
  }
}

}  // namespace vendaro
