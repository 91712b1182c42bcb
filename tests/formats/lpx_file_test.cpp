#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include <sys/stat.h>
#include <unistd.h>

#include "document/picture_list.h"
#include "document/record_ranges.h"
#include "formats/lpx_file.h"
#include "formats/lpx_records.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

int32_t i32At(const std::vector<uint8_t>& b, size_t at) {
  int32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

double f64At(const std::vector<uint8_t>& b, size_t at) {
  double v;
  std::memcpy(&v, b.data() + at, 8);
  return v;
}

bool decodes(const std::vector<uint8_t>& bytes, Document& out) {
  out = Document();
  return decodeLpx(bytes.data(), bytes.size(), out);
}

void expectSameDocument(const Document& a, const Document& b) {
  ASSERT_EQ(a.FieldCount(), b.FieldCount());
  for (int32_t f = 0; f < a.FieldCount(); ++f) EXPECT_EQ(a.Fields[f], b.Fields[f]) << "frame " << f;
  EXPECT_EQ(a.Fonts.entries(), b.Fonts.entries());
  EXPECT_EQ(a.Styles, b.Styles);
  ASSERT_EQ(a.PictureCount(), b.PictureCount());
  for (int32_t p = 0; p < a.PictureCount(); ++p) {
    EXPECT_EQ(a.Pictures[p].Header.biBitCount, b.Pictures[p].Header.biBitCount);
    EXPECT_EQ(a.Pictures[p].Palette, b.Pictures[p].Palette);
    ASSERT_EQ(a.Pictures[p].pixelBytes(), b.Pictures[p].pixelBytes());
    EXPECT_EQ(0, std::memcmp(a.Pictures[p].pixels(), b.Pictures[p].pixels(), a.Pictures[p].pixelBytes()));
  }
  EXPECT_EQ(a.DocProps, b.DocProps);
  EXPECT_EQ(a.PageWidth, b.PageWidth);
  EXPECT_EQ(a.FootnoteCounter, b.FootnoteCounter);
  EXPECT_EQ(a.CurLine, b.CurLine);
  EXPECT_EQ(a.CurChar, b.CurChar);
  EXPECT_EQ(a.MarkChar, b.MarkChar);
}

TEST(NativeFile, RoundTripKeepsEveryRecord) {
  Document original = test::richDocument();
  original.SetAllDirtyFlags();  // a read marks every line dirty
  // Layout results are not stored; the new window's lines were laid out.
  for (TFieldRec& frame : original.Fields)
    for (TLineRec& line : frame.Lines) line.LineHeight = 0;
  test::TempDir dir;
  std::string message;
  ASSERT_TRUE(SaveLPXFile(original, dir.file("brief.lpx"), message)) << message;
  Document read;
  ASSERT_TRUE(OpenLPXFile(read, dir.file("brief.lpx"), message)) << message;
  expectSameDocument(original, read);

  // An empty field code is stored like a missing one and comes back as none.
  SetPCharText(original.Fields[0].Lines[0].Chars.back().Code, "");
  ASSERT_TRUE(decodes(encodeLpx(original), read));
  EXPECT_TRUE(read.Fields[0].Lines[0].Chars.back().Code.isNull());
  EXPECT_EQ(*read.Fields[0].Lines[0].Chars.back().Text, "Seite 1");
}

TEST(NativeFile, HeaderAndRecordImagesSitAtTheirOffsets) {
  Document doc = test::newWindowDocumentWithoutStyles();
  test::appendTextLine(doc, 0, "A");
  doc.ZoomPercent = 75.0;
  doc.DocLanguage = 1;
  const std::vector<uint8_t> b = encodeLpx(doc);
  EXPECT_EQ(i32At(b, 0), 60);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data()) + 4, 60), kLpxMagic);
  EXPECT_EQ(f64At(b, 64), 75.0);
  EXPECT_EQ(i32At(b, 77), 1);
  EXPECT_EQ(b[81], 8);
  size_t at = 82 + 8 * 4;  // eight empty strings
  EXPECT_EQ(i32At(b, at), 1);  // one font
  at += 4;
  EXPECT_EQ(f64At(b, at + 4), 48.0);  // Size at 4 of the 34-byte image
  EXPECT_EQ(b[at + 18], 1);           // Charset
  EXPECT_EQ(i32At(b, at + 23), 0x808080);  // ShadowColor
  EXPECT_EQ(i32At(b, at + lpx::kFontImageSize), 11);  // the name follows
  at += lpx::kFontImageSize + 4 + 11;
  at += 4 + 4 + 4;  // footnote counter, no styles, no pictures
  at += 7 * 4 + 1;  // caret and selection
  EXPECT_EQ(i32At(b, at), 7);  // frames
  at += 4;
  const size_t frame = at;
  EXPECT_EQ(f64At(b, frame + 32), 25.0);   // MarginLeft
  EXPECT_EQ(b[frame + 106], 1);            // BottomFromBottom
  EXPECT_EQ(i32At(b, frame + 116), -1);    // PrevField
  EXPECT_EQ(i32At(b, frame + 128), 1);     // LineCount
  EXPECT_EQ(b[frame + 124], 1);            // KeepAspect
  // Line block: char count, end, paragraph image, table flag, section, then the cell.
  const size_t line = frame + lpx::kFieldImageSize;
  EXPECT_EQ(i32At(b, line), 1);
  EXPECT_EQ(f64At(b, line + 8 + 50), 12.5);  // DefaultTabWidth inside the paragraph image
  const size_t cell = line + 8 + lpx::kParaImageSize + 1 + 16;
  EXPECT_EQ(b[cell], 0x80);
  EXPECT_EQ(b[cell + 1], 'A');
  EXPECT_EQ(b[cell + 2], 0);
  EXPECT_EQ(b.size(), cell + 3 + 6 * (lpx::kFieldImageSize + 8 + lpx::kParaImageSize + 1 + 16) + 16);
}

// The cells of the last line of frame 0, encoded.
std::vector<uint8_t> cellBytes(Document& doc) {
  const std::vector<uint8_t> b = encodeLpx(doc);
  // Everything from the last cell's start is fixed: 6 empty frames and the paper size follow.
  const size_t tail = 6 * (lpx::kFieldImageSize + 8 + lpx::kParaImageSize + 1 + 16) + 16;
  size_t cells = 0;
  for (const TCharRec& c : doc.Fields[0].Lines.back().Chars) cells += c.Ch == 9 ? 4 : 3;
  return std::vector<uint8_t>(b.end() - static_cast<long>(tail + cells), b.end() - static_cast<long>(tail));
}

TEST(NativeFile, CellsTakeThreeBytesAndLargeFontIndicesFour) {
  Document doc = test::newWindowDocumentWithoutStyles();
  test::appendTextLine(doc, 0, "a\tb");
  doc.Fields[0].Lines[0].Chars[1].TabLeader = 3;
  EXPECT_EQ(cellBytes(doc), (std::vector<uint8_t>{0x80, 'a', 0, 0x80, 9, 3, 0, 0x80, 'b', 0}));

  std::vector<TFontRec> fonts(257, defaultCurFont());
  for (size_t i = 0; i < fonts.size(); ++i) fonts[i].Color = static_cast<int32_t>(i);
  doc.Fonts.assign(fonts);
  doc.Fields[0].Lines[0].Chars[0].FontIndex = 255;
  doc.Fields[0].Lines[0].Chars[2].FontIndex = 256;
  doc.Fields[0].Lines[0].Chars[2].CharFlags = 0b011;
  const std::vector<uint8_t> b = encodeLpx(doc);
  Document read;
  ASSERT_TRUE(decodes(b, read));
  EXPECT_EQ(read.Fields[0].Lines[0].Chars[0].FontIndex, 255);
  EXPECT_EQ(read.Fields[0].Lines[0].Chars[2].FontIndex, 256);
  EXPECT_EQ(read.Fields[0].Lines[0].Chars[2].CharFlags, 0b011);
  EXPECT_EQ(read.Fields[0].Lines[0].Chars[1].TabLeader, 3);
}

TEST(NativeFile, EveryTruncationIsRefusedAndTheDocumentStaysAsItWas) {
  test::TempDir dir;
  const std::vector<uint8_t> full = encodeLpx(test::richDocument());
  Document open = test::newWindowDocument();
  test::appendTextLine(open, 0, "Bleibt");
  const Document before = open;
  std::string message;
  // Cutting exactly before the paper size gives an older, valid file.
  const size_t withoutPaper = full.size() - 16;
  for (size_t cut = 0; cut < full.size(); ++cut) {
    if (cut == withoutPaper) continue;
    test::writeFileBytes(dir.file("cut.lpx"), std::string(full.begin(), full.begin() + static_cast<long>(cut)));
    ASSERT_FALSE(OpenLPXFile(open, dir.file("cut.lpx"), message)) << "cut at " << cut;
    ASSERT_EQ(message, kNotAnLpxDocument);
  }
  expectSameDocument(before, open);
}

TEST(NativeFile, OlderFilesWithoutPaperSizeKeepTheWindowsPaper) {
  test::TempDir dir;
  std::vector<uint8_t> bytes = encodeLpx(test::newWindowDocument());
  bytes.resize(bytes.size() - 16);
  test::writeFileBytes(dir.file("alt.lpx"), std::string(bytes.begin(), bytes.end()));
  Document doc;
  doc.PageWidth = 594.0;
  std::string message;
  ASSERT_TRUE(OpenLPXFile(doc, dir.file("alt.lpx"), message));
  EXPECT_EQ(doc.PageWidth, 594.0);
  EXPECT_EQ(doc.PageWidthPx, static_cast<int32_t>(594.0 / kMmPerInch * 600));
}

TEST(NativeFile, WrongMagicAndBadIndicesAreRefused) {
  Document read;
  std::vector<uint8_t> bytes = encodeLpx(test::richDocument());
  ASSERT_TRUE(decodes(bytes, read));
  std::vector<uint8_t> wrong = bytes;
  wrong[0] = 61;
  EXPECT_FALSE(decodes(wrong, read));
  wrong = bytes;
  wrong[40] = 'x';
  EXPECT_FALSE(decodes(wrong, read));

  Document doc = test::newWindowDocumentWithoutStyles();
  test::appendTextLine(doc, 0, "a");
  doc.Fields[0].Lines[0].Chars[0].FontIndex = 3;  // no such font
  EXPECT_FALSE(decodes(encodeLpx(doc), read));
  doc.Fields[0].Lines[0].Chars[0].FontIndex = 0;
  doc.Fields[3].NextField = 12;  // no such frame
  EXPECT_FALSE(decodes(encodeLpx(doc), read));
  doc.Fields[3].NextField = -1;
  doc.CurLine = 40;  // a caret outside the text is moved, not refused
  ASSERT_TRUE(decodes(encodeLpx(doc), read));
  EXPECT_EQ(read.CurLine, 0);
}

TPictureRec patternedPicture(int bits, uint8_t seed) {
  TPictureRec pic;
  EXPECT_TRUE(newdib(pic, 9, 4, bits));
  for (size_t i = 0; i < pic.pixelBytes(); ++i) pic.mutablePixels()[i] = static_cast<uint8_t>(seed + i * 7);
  return pic;
}

// Released pictures keep their entries: a document whose text shows only
// the last of three pictures is saved after the other two were released.
TEST(NativeFile, ReleasedPicturesSaveAndReopenInEveryDepth) {
  test::TempDir dir;
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE(bits);
    Document doc = test::newWindowDocument();
    test::appendTextLine(doc, 0, "a");
    doc.Pictures = {patternedPicture(bits, 1), patternedPicture(bits, 2), patternedPicture(bits, 3)};
    TCharRec& cell = doc.Fields[0].Lines[0].Chars[0];
    cell.Kind = kCellPicture;
    cell.PictureIndex = 2;
    const TPictureRec shown = doc.Pictures[2];
    FreeBildInListeIfNotNeeded(doc);
    ASSERT_FALSE(doc.Pictures[0].hasPixels());

    std::string message;
    ASSERT_TRUE(SaveLPXFile(doc, dir.file("frei.lpx"), message)) << message;
    Document read;
    ASSERT_TRUE(OpenLPXFile(read, dir.file("frei.lpx"), message)) << message;
    ASSERT_EQ(read.PictureCount(), 3);
    EXPECT_FALSE(read.Pictures[0].hasPixels());
    EXPECT_FALSE(read.Pictures[1].hasPixels());
    EXPECT_EQ(read.Pictures[2].Header.biBitCount, bits);
    EXPECT_EQ(read.Pictures[2].Palette, shown.Palette);
    ASSERT_EQ(read.Pictures[2].pixelBytes(), shown.pixelBytes());
    EXPECT_EQ(0, std::memcmp(read.Pictures[2].pixels(), shown.pixels(), shown.pixelBytes()));
    EXPECT_EQ(read.Fields[0].Lines[0].Chars[0].PictureIndex, 2);
    // Saved again, the empty entries come out the same.
    EXPECT_EQ(encodeLpx(read), encodeLpx(doc));
  }
}

// Files saved while released entries were written with a colour table of
// one entry open again with those entries empty.
TEST(NativeFile, EmptyEntriesWithAColourTableAreRead) {
  Document doc = test::newWindowDocument();
  doc.Pictures = {TPictureRec{}, patternedPicture(8, 5)};
  std::vector<uint8_t> bytes = encodeLpx(doc);
  const std::vector<uint8_t> emptyBlock = {40, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
  const auto at = std::search(bytes.begin(), bytes.end(), emptyBlock.begin(), emptyBlock.end());
  ASSERT_NE(at, bytes.end());
  const size_t block = static_cast<size_t>(at - bytes.begin());
  bytes[block] = 44;  // header and one colour
  bytes[block + 4] = 1;
  bytes.insert(bytes.begin() + static_cast<long>(block + 8 + BitmapInfoHeader::kSize), 4, uint8_t{0});
  Document read;
  ASSERT_TRUE(decodes(bytes, read));
  ASSERT_EQ(read.PictureCount(), 2);
  EXPECT_FALSE(read.Pictures[0].hasPixels());
  EXPECT_EQ(read.Pictures[1].pixelBytes(), doc.Pictures[1].pixelBytes());
}

// Nothing is read past the start of what is not a document, and nothing is
// waited for: a named pipe, a folder, a sparse file of 200 GB with or
// without the magic text are refused at once.
TEST(NativeFile, SpecialAndHugeFilesAreRefusedWithoutReadingThem) {
  test::TempDir dir;
  Document doc = test::newWindowDocument();
  const Document before = doc;
  std::string message;
  ASSERT_EQ(::mkfifo(dir.file("rohr.lpx").c_str(), 0600), 0);
  EXPECT_FALSE(OpenLPXFile(doc, dir.file("rohr.lpx"), message));
  EXPECT_EQ(message, kNotAnLpxDocument);
  std::filesystem::create_directory(dir.file("ordner.lpx"));
  EXPECT_FALSE(OpenLPXFile(doc, dir.file("ordner.lpx"), message));
  EXPECT_EQ(message, kNotAnLpxDocument);
  EXPECT_FALSE(OpenLPXFile(doc, dir.file("fehlt.lpx"), message));
  EXPECT_EQ(message, "Konnte Datei fehlt.lpx nicht öffnen!");

  const std::vector<uint8_t> real = encodeLpx(test::newWindowDocument());
  for (bool withMagic : {true, false}) {
    const std::filesystem::path big = dir.file(withMagic ? "gross.lpx" : "leer.lpx");
    test::writeFileBytes(big, withMagic ? std::string(real.begin(), real.end()) : std::string());
    ASSERT_EQ(::truncate(big.c_str(), off_t{200} << 30), 0);
    EXPECT_FALSE(OpenLPXFile(doc, big, message));
    // A document too large says so, naming the file; anything else is no document.
    EXPECT_EQ(message, withMagic ? "Die Datei gross.lpx ist zu groß (höchstens 2048 MB)." : kNotAnLpxDocument);
  }
  expectSameDocument(before, doc);
}

// Opens `bytes` saved as `name` in a window holding a document: refused
// with `expected`, the window's document as it was.
void expectRefusedLeavingTheDocument(const std::vector<uint8_t>& bytes, const char* name, const std::string& expected) {
  test::TempDir dir;
  test::writeFileBytes(dir.file(name), std::string(bytes.begin(), bytes.end()));
  Document doc = test::newWindowDocument();
  test::appendTextLine(doc, 0, "bleibt");
  const Document before = doc;
  std::string message;
  EXPECT_FALSE(OpenLPXFile(doc, dir.file(name), message));
  EXPECT_EQ(message, expected);
  expectSameDocument(before, doc);
}

void putI32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (size_t k = 0; k < 4; ++k) bytes[at + k] = uint8_t(value >> (8 * k));
}

// A file claiming more cells than the limit, and holding the bytes for
// them, is refused by name before they are allocated.
TEST(NativeFile, MoreCellsThanTheLimitAreRefusedNamingTheFile) {
  constexpr int32_t kMarkedCount = 4242;  // a line length found nowhere else in the file
  Document big = test::newWindowDocument();
  test::appendTextLine(big, 0, std::string(kMarkedCount, 'x'));
  std::vector<uint8_t> bytes = encodeLpx(big);
  const uint8_t marked[] = {uint8_t(kMarkedCount & 0xFF), uint8_t(kMarkedCount >> 8), 0, 0};
  const auto at = std::search(bytes.begin(), bytes.end(), std::begin(marked), std::end(marked));
  ASSERT_NE(at, bytes.end());
  const uint32_t claimed = static_cast<uint32_t>(kMaxDocumentCells) + 1;
  putI32(bytes, static_cast<size_t>(at - bytes.begin()), claimed);
  bytes.resize(bytes.size() + size_t{3} * claimed);
  expectRefusedLeavingTheDocument(
      bytes, "riesig.lpx", "Die Datei riesig.lpx enthält mehr als 20.000.000 Zeichen und kann nicht geöffnet werden.");
}

// The frame count follows the caret block, whose page number is marked.
TEST(NativeFile, MoreFramesThanTheLimitAreRefusedNamingTheFile) {
  constexpr int32_t kMarkedPage = 0x5A4B3C2D;
  Document doc = test::newWindowDocument();
  doc.CaretPage = kMarkedPage;
  std::vector<uint8_t> bytes = encodeLpx(doc);
  const uint8_t marked[] = {0x2D, 0x3C, 0x4B, 0x5A};
  const auto at = std::search(bytes.begin(), bytes.end(), std::begin(marked), std::end(marked));
  ASSERT_NE(at, bytes.end());
  const size_t countAt = static_cast<size_t>(at - bytes.begin()) + 4 + 1;  // the page, the line-end flag
  ASSERT_EQ(i32At(bytes, countAt), doc.FieldCount());
  // Room for every claimed frame's record, so that only the count can be refused.
  bytes.resize(bytes.size() + lpx::kFieldImageSize * size_t(kMaxDocumentFrames + 1));

  putI32(bytes, countAt, uint32_t(kMaxDocumentFrames) + 1);
  expectRefusedLeavingTheDocument(
      bytes, "rahmen.lpx", "Die Datei rahmen.lpx enthält mehr als 100.000 Rahmen und kann nicht geöffnet werden.");
  // At the limit the count itself is no reason: these frames are empty records.
  putI32(bytes, countAt, uint32_t(kMaxDocumentFrames));
  Document read;
  LpxRefusal refusal = LpxRefusal::tooManyFrames;
  const bool accepted = decodeLpx(bytes.data(), bytes.size(), read, &refusal);
  EXPECT_TRUE(accepted || refusal != LpxRefusal::tooManyFrames);
}

// The native file holding a single 1-bit picture 32 pixels wide and `rows`
// high: four bytes a row, up to 50 MB at the pixel limit.
std::vector<uint8_t> fileWithPictureRows(uint32_t rows) {
  Document doc = test::newWindowDocument();
  TPictureRec pic;
  EXPECT_TRUE(newdib(pic, 32, 1, 1));
  doc.Pictures = {pic};
  std::vector<uint8_t> bytes = encodeLpx(doc);
  const uint8_t header[] = {40, 0, 0, 0, 32, 0, 0, 0, 1, 0, 0, 0};
  const auto at = std::search(bytes.begin(), bytes.end(), std::begin(header), std::end(header));
  EXPECT_NE(at, bytes.end());
  if (at == bytes.end()) return {};
  const size_t headerAt = static_cast<size_t>(at - bytes.begin());
  putI32(bytes, headerAt + 8, rows);
  const size_t pixelsEnd = headerAt + BitmapInfoHeader::kSize + 2 * 4 + 4;  // two colours, one row
  bytes.insert(bytes.begin() + static_cast<long>(pixelsEnd), size_t{4} * (rows - 1), uint8_t{0});
  return bytes;
}

// A picture beyond the pixel limit is refused by name; one at the limit is read.
TEST(NativeFile, PicturesBeyondThePixelLimitAreRefusedNamingTheFile) {
  constexpr uint32_t kRowsAtLimit = uint32_t(kMaxPixels / 32);
  expectRefusedLeavingTheDocument(fileWithPictureRows(kRowsAtLimit + 1), "bild.lpx",
                                  "Die Datei bild.lpx enthält ein Bild mit mehr als 400.000.000 Bildpunkten und "
                                  "kann nicht geöffnet werden.");
  const std::vector<uint8_t> atLimit = fileWithPictureRows(kRowsAtLimit);
  Document read;
  ASSERT_TRUE(decodes(atLimit, read));
  EXPECT_EQ(read.Pictures[0].height(), int(kRowsAtLimit));
}

// Values no layout can use are brought into range on reading rather than
// refused: the text of such a file is intact.
TEST(NativeFile, HostileNumbersAreBroughtIntoRange) {
  constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  for (double size : {kNan, kInfinity, -kInfinity, 1e300, -5.0, 0.0}) {
    SCOPED_TRACE(size);
    Document doc = test::newWindowDocument();
    test::appendTextLine(doc, 0, "Plakat");
    std::vector<TFontRec> fonts = doc.Fonts.entries();
    fonts[0].Size = size;
    doc.Fonts.assign(fonts);
    doc.Fields[3].PageNo = std::numeric_limits<int32_t>::max();
    doc.Fields[4].PageNo = -7;
    doc.FootnoteCounter = std::numeric_limits<int32_t>::max();
    doc.Fields[0].Left = size;
    TLineRec& line = doc.Fields[0].Lines[0];
    line.Para.LineSpacing = size;
    line.Para.DefaultTabWidth = -size;
    line.ColumnCount = std::numeric_limits<int32_t>::max();
    line.CellWidthWeight = size;
    Document read;
    ASSERT_TRUE(decodes(encodeLpx(doc), read));
    const double readSize = read.Fonts.entries()[0].Size;
    EXPECT_TRUE(readSize >= kMinFontSize && readSize <= kMaxFontSize) << readSize;
    EXPECT_GT(read.Fields[0].Lines[0].Chars[0].CharHeight, 0.0);
    EXPECT_LE(read.Fields[3].PageNo, read.FieldCount());
    EXPECT_EQ(read.Fields[4].PageNo, 0);
    EXPECT_LE(read.GetAnzPages(), read.FieldCount() + 1);
    EXPECT_LE(read.FootnoteCounter, kMaxStoredNumber);
    const TLineRec& readLine = read.Fields[0].Lines[0];
    for (double v : {read.Fields[0].Left, readLine.Para.LineSpacing, readLine.Para.DefaultTabWidth,
                     readLine.CellWidthWeight}) {
      EXPECT_TRUE(std::isfinite(v) && std::abs(v) <= kMaxStoredLengthMm) << v;
    }
    EXPECT_LE(readLine.ColumnCount, kMaxColumnCount);
  }
}

TEST(NativeFile, FailedSaveReportsAndLeavesTheTargetAlone) {
  test::TempDir dir;
  std::string message;
  Document doc = test::newWindowDocument();
  EXPECT_FALSE(SaveLPXFile(doc, dir.file("fehlt") / "brief.lpx", message));
  EXPECT_EQ(message, "Konnte Datei brief.lpx nicht erstellen!");
  // A target that cannot be replaced (a folder) stays, and no temporary file is left.
  std::filesystem::create_directory(dir.file("ordner.lpx"));
  test::writeFileBytes(dir.file("ordner.lpx") / "inhalt", "x");
  EXPECT_FALSE(SaveLPXFile(doc, dir.file("ordner.lpx"), message));
  size_t entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) entries += e.path().filename() != "config";
  EXPECT_EQ(entries, 1u);
  EXPECT_EQ(test::readFileBytes(dir.file("ordner.lpx") / "inhalt"), "x");
  // Nor does a pipe, directly or behind a link: it would become a plain file.
  ASSERT_EQ(::mkfifo(dir.file("rohr").c_str(), 0600), 0);
  std::filesystem::create_symlink("rohr", dir.file("rohr.lpx"));
  for (const char* name : {"rohr", "rohr.lpx"}) {
    EXPECT_FALSE(SaveLPXFile(doc, dir.file(name), message));
    EXPECT_EQ(message, "Konnte Datei " + std::string(name) + " nicht erstellen!");
  }
  EXPECT_TRUE(std::filesystem::is_fifo(dir.file("rohr")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("rohr.lpx")));
}

}  // namespace
}  // namespace vendaro
