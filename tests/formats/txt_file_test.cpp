#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "editing/editor.h"
#include "formats/lpx_file.h"
#include "formats/txt_file.h"
#include "platform/code_pages.h"
#include "support/file_size_limit.h"
#include "support/property_seeds.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

Document read(std::string_view bytes, bool dos = false) {
  Document doc = test::newWindowDocument();
  decodeTxt(bytes, dos, doc);
  return doc;
}

std::string lineText(const TLineRec& line) {
  std::string text;
  for (const TCharRec& cell : line.Chars) text += static_cast<char>(cell.Ch);
  return text;
}

std::vector<std::string> bodyLines(const Document& doc) {
  std::vector<std::string> lines;
  for (const TLineRec& line : doc.Fields[0].Lines) lines.push_back(lineText(line));
  return lines;
}

using Lines = std::vector<std::string>;

TEST(TextImport, EmptyFilesGiveTheEmptyDocumentInCourierNew) {
  for (std::string_view bytes : {"", "\r\n", "\n"}) {
    const Document doc = read(bytes);
    EXPECT_EQ(bodyLines(doc), Lines{""}) << bytes.size();
    EXPECT_EQ(textOf(doc.CurFont.Name), "Courier New");
    EXPECT_EQ(doc.FieldCount(), test::newWindowDocument().FieldCount());
  }
}

TEST(TextImport, EveryLineEndMakesAParagraphButTheLastOne) {
  const Document doc = read("eins\r\nzwei\ndrei\rvier\r\n");
  EXPECT_EQ(bodyLines(doc), (Lines{"eins", "zwei", "drei", "vier"}));
  const auto& lines = doc.Fields[0].Lines;
  for (size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i].LineEnd, kLineEndParagraph);
  // Empty lines in between stay; one after the final line end does not come.
  EXPECT_EQ(bodyLines(read("a\r\n\r\n\nb\r\n")), (Lines{"a", "", "", "b"}));
  EXPECT_EQ(bodyLines(read("a\r\n\x01")), (Lines{"a", ""}));
}

TEST(TextImport, TabsBecomeTabCellsAndOtherControlCodesAreDropped) {
  const Document doc = read("a\tb\x01\x1B\x7F" "c");
  EXPECT_EQ(bodyLines(doc), Lines{"a\tb\x7F" "c"});
  const TCharRec& tab = doc.Fields[0].Lines[0].Chars[1];
  EXPECT_EQ(tab.CharWidth, 12.5);
  EXPECT_EQ(tab.CharHeight, -1.0);
  const TCharRec& letter = doc.Fields[0].Lines[0].Chars[0];
  EXPECT_GT(letter.CharWidth, 0.0);  // measured
  EXPECT_EQ(textOf(doc.Fonts[letter.FontIndex].Name), "Courier New");
}

TEST(TextImport, CaretAndAnchorStartAtTheBeginning) {
  const Document doc = read("erste\r\nzweite Zeile");
  const std::vector<int32_t> caretAndAnchor{doc.CurField, doc.CurLine, doc.CurChar,
                                            doc.MarkField, doc.MarkLine, doc.MarkChar};
  EXPECT_EQ(caretAndAnchor, std::vector<int32_t>(6, 0));
}

TEST(TextImport, DosUmlautsBecomeTheirAnsiLetters) {
  // ä ö ü ß Ä in code page 850; a box corner has no 1252 letter.
  const Document doc = read("\x84\x94\x81\xE1\x8E\xC9", true);
  EXPECT_EQ(bodyLines(doc), Lines{"\xE4\xF6\xFC\xDF\xC4?"});
  EXPECT_EQ(doc.TextEncoding, TextFileEncoding::codePage);
}

TEST(TextImport, Utf8IsRecognisedByItsBytes) {
  EXPECT_EQ(detectTextEncoding("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC"), TextFileEncoding::utf8);
  EXPECT_EQ(detectTextEncoding("\xEF\xBB\xBFplain"), TextFileEncoding::utf8WithMark);
  EXPECT_EQ(detectTextEncoding("plain ascii"), TextFileEncoding::codePage);
  EXPECT_EQ(detectTextEncoding("Gr\xFC\xDF" "e"), TextFileEncoding::codePage);      // 1252
  EXPECT_EQ(detectTextEncoding("\xC0\x80"), TextFileEncoding::codePage);            // overlong
  EXPECT_EQ(detectTextEncoding("\xED\xA0\x80"), TextFileEncoding::codePage);        // surrogate
  EXPECT_EQ(detectTextEncoding("\xF4\x90\x80\x80"), TextFileEncoding::codePage);    // past U+10FFFF
  EXPECT_EQ(detectTextEncoding("ok \xE2\x82"), TextFileEncoding::codePage);         // cut short

  const Document doc = read("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xE2\x86\x92");
  EXPECT_EQ(bodyLines(doc), Lines{"Gr\xFC\xDF" "e \x80 ?"});
  EXPECT_EQ(doc.TextEncoding, TextFileEncoding::utf8);
  // The DOS flag says what the bytes are; nothing is guessed.
  EXPECT_EQ(read("\xC3\xBC", true).TextEncoding, TextFileEncoding::codePage);
}

TEST(TextImport, RefusedFilesLeaveTheDocumentAlone) {
  test::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("rohr.txt").c_str(), 0600), 0);  // would block if opened
  std::filesystem::create_directory(dir.file("ordner.txt"));
  test::writeFileBytes(dir.file("riesig.txt"), "");
  std::filesystem::resize_file(dir.file("riesig.txt"), kMaxTxtFileBytes + 1);
  for (const char* name : {"rohr.txt", "ordner.txt", "riesig.txt", "fehlt.txt"}) {
    Document doc = test::newWindowDocument();
    test::appendTextLine(doc, 0, "bleibt");
    const Document before = doc;
    std::string message;
    EXPECT_FALSE(OpenTXTFile(doc, dir.file(name), false, message)) << name;
    if (std::string_view(name) == "riesig.txt")
      EXPECT_EQ(message, "Die Datei riesig.txt ist zu groß (höchstens 16 MB).");
    else
      EXPECT_EQ(message, std::string("Konnte Datei ") + name + " nicht öffnen!");
    EXPECT_EQ(doc.Fields, before.Fields) << name;
  }
  // A file just within the limit is read.
  std::filesystem::resize_file(dir.file("riesig.txt"), 4096);
  Document doc = test::newWindowDocument();
  std::string message;
  EXPECT_TRUE(OpenTXTFile(doc, dir.file("riesig.txt"), false, message));
}

// Lays out a document the way opening a file does (list numbers are a
// layout result) and returns what the text writer makes of it.
std::string exported(Document doc, bool dos = false) {
  test::RecordingHost host;
  Editor editor(host);
  editor.doc() = std::move(doc);
  editor.documentLoaded();
  return encodeTxt(editor.doc(), dos);
}

TEST(TextExport, TableRowsBecomeTabSeparatedLines) {
  Document doc = test::newWindowDocumentWithoutStyles();
  test::appendTextLine(doc, 0, "davor");
  test::appendTableRow(doc, {{"eins", 1.0}, {"zwei", 1.0}, {"drei", 1.0}});
  test::appendTextLine(doc, 0, "danach");
  EXPECT_EQ(exported(std::move(doc)), "davor\r\neins\tzwei\tdrei\t\r\ndanach\r\n");
}

TEST(TextExport, ListParagraphsGetTheirPrefixes) {
  Document doc = test::newWindowDocumentWithoutStyles();
  for (const char* text : {"erster", "zweiter", "dritter"}) {
    test::appendTextLine(doc, 0, text);
    doc.Fields[0].Lines.back().Para.ListKind = 2;
  }
  test::appendTextLine(doc, 0, "Punkt");
  doc.Fields[0].Lines.back().Para.ListKind = 1;
  EXPECT_EQ(exported(std::move(doc)), "1. erster\r\n2. zweiter\r\n3. dritter\r\n* Punkt\r\n");
}

TEST(TextExport, WrappedLinesJoinAndOnlyCharactersAreWritten) {
  Document doc = test::newWindowDocumentWithoutStyles();
  test::appendTextLine(doc, 0, "ein langer ", kLineEndSoft);
  test::appendTextLine(doc, 0, "Absatz");
  TCharRec picture;
  picture.Kind = kCellPicture;
  picture.Ch = 'P';
  doc.Fields[0].Lines.back().Chars.push_back(picture);
  test::appendTextLine(doc, 0, "Seite zu Ende", kLineEndPage);
  test::appendTextLine(doc, 0, "neue Seite");
  // Laid out, a line ending short of the margin joins the next again; the
  // writer is given the lines as they stand.
  EXPECT_EQ(encodeTxt(doc, false), "ein langer Absatz\r\nSeite zu Ende\r\nneue Seite\r\n");
}

TEST(TextExport, HeadersAndTextBoxesFollowTheMainText) {
  Document doc = test::newWindowDocumentWithoutStyles();
  test::appendTextLine(doc, 0, "Haupttext");
  const int32_t header = 5;  // the all-pages header of a new window
  ASSERT_EQ(doc.Fields[header].FieldType, kFieldHeader);
  ASSERT_EQ(doc.Fields[header].ShowOn, kShowOnAllPages);
  test::appendTextLine(doc, header, "Kopf");
  TFieldRec& first = doc.NewPage(true);
  first.FieldType = kFieldTextBox;
  const int32_t box = doc.FieldCount() - 1;
  test::appendTextLine(doc, box, "Kasten beginnt", kLineEndSoft);
  TFieldRec& second = doc.NewPage(false);
  second.FieldType = kFieldTextBox;
  doc.Fields[box].NextField = box + 1;
  doc.Fields[box + 1].PrevField = box;
  test::appendTextLine(doc, box + 1, " und geht weiter");
  EXPECT_EQ(encodeTxt(doc, false), "Haupttext\r\nKopf\r\nKasten beginnt und geht weiter\r\n");
}

// The page the command-line check converts from tests/fixtures/text_export:
// a title, a bulleted list, a table of two rows, a numbered list, a header
// and a text box.
Document layoutPage() {
  Document doc = test::showcaseDocument();
  for (const char* item : {"Anmelden", "Mitbringen"}) {
    test::appendTextLine(doc, 0, item);
    doc.Fields[0].Lines.back().Para.ListKind = 2;
  }
  test::appendTextLine(doc, 5, "Hofgemeinschaft");
  return doc;
}

TEST(TextExport, APageReadsInFrameOrder) {
  EXPECT_EQ(exported(layoutPage()),
            "Sommerfest im Hof\r\n"
            "Am Samstag feiern wir mit allen Nachbarn. Bringt gute Laune mit!\r\n"
            "Beginn 15 Uhr\r\n"
            "* Kuchenbuffet\r\n* Musik und Tanz\r\n* Flohmarkt f\xfcr Kinder\r\n"
            "\r\n"
            "Artikel\tMenge\tPreis\t\r\n"
            "Plakat A1\t12\t34,50 \x80\t\r\n"
            "\r\n"
            "1. Anmelden\r\n2. Mitbringen\r\n"
            "Hofgemeinschaft\r\n"
            "Anmeldung bis Freitag im Hausflur.\r\n");
  // The same text from the native file the command-line check reads.
  Document stored;
  std::string message;
  ASSERT_TRUE(OpenLPXFile(stored, VENDARO_FIXTURE_DIR "/text_export/layout.lpx", message)) << message;
  EXPECT_EQ(exported(std::move(stored)), test::readFileBytes(VENDARO_FIXTURE_DIR "/text_export/layout.txt"));
}

TEST(TextExport, ChainsThatLoopEndAtAFrameAlreadyWritten) {
  Document doc = test::newWindowDocumentWithoutStyles();
  test::appendTextLine(doc, 0, "Haupttext");
  for (int i = 0; i < 3; ++i) {
    doc.NewPage(false).FieldType = kFieldTextBox;
    test::appendTextLine(doc, doc.FieldCount() - 1, "Kasten " + std::to_string(i));
  }
  const int32_t a = doc.FieldCount() - 3, b = a + 1, c = a + 2;
  doc.Fields[a].NextField = b;  // a → b → a, entered at a
  doc.Fields[b].PrevField = a;
  doc.Fields[b].NextField = a;
  doc.Fields[c].PrevField = c;  // c → c, never entered
  doc.Fields[c].NextField = c;
  EXPECT_EQ(encodeTxt(doc, false), "Haupttext\r\nKasten 0\r\nKasten 1\r\n");
  // A table row cut by the start of a chain looks back no further than it.
  Document cut = test::newWindowDocumentWithoutStyles();
  cut.Fields[0].Lines.clear();
  test::appendTableRow(cut, {{"x", 1.0}, {"y", 1.0}});
  cut.Fields[0].Lines[1].CellFirstLine = 0;
  cut.Fields[0].Lines[1].RowCells = 1000;
  cut.Fields[0].Lines[1].CellIndex = 999;
  EXPECT_EQ(encodeTxt(cut, false), "x\ty\t\r\n");
}

TEST(TextExport, DosAndUtf8FilesAreWrittenInTheirEncoding) {
  Document doc = read("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC");
  EXPECT_EQ(encodeTxt(doc, false), "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\r\n");
  EXPECT_EQ(encodeTxt(doc, true), "Gr\x81\xE1" "e ?\r\n");  // 850 has no euro sign
  doc.TextEncoding = TextFileEncoding::utf8WithMark;
  EXPECT_EQ(encodeTxt(doc, false), "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\r\n");
  EXPECT_EQ(encodeTxt(read("\xEF\xBB\xBFx\r\n"), false), "\xEF\xBB\xBFx\r\n");
}

TEST(TextExport, AFailedSaveLeavesTheOldFile) {
  test::TempDir dir;
  const auto target = dir.file("alt.txt");
  test::writeFileBytes(target, "die alte Datei\r\n");
  Document doc = test::newWindowDocumentWithoutStyles();
  test::appendTextLine(doc, 0, std::string(64 * 1024, 'x'));
  std::string message;
  {
    test::FileSizeLimit limit(16 * 1024);
    EXPECT_FALSE(SaveTXTFile(doc, target, false, message));
  }
  EXPECT_EQ(message, "Konnte Datei alt.txt nicht erstellen!");
  EXPECT_EQ(test::readFileBytes(target), "die alte Datei\r\n");
  EXPECT_FALSE(SaveTXTFile(doc, dir.file("fehlt/neu.txt"), false, message));
  EXPECT_EQ(message, "Konnte Datei neu.txt nicht erstellen!");
  EXPECT_TRUE(SaveTXTFile(doc, target, false, message));
  EXPECT_EQ(test::readFileBytes(target), std::string(64 * 1024, 'x') + "\r\n");
}

// Random printable code page 1252 text with tabs, every line ended by CR LF
// and the last one not empty. `holdsIn850` keeps to what 850 has as well.
std::string randomText(std::mt19937& random, bool holdsIn850) {
  std::string text;
  const int lines = std::uniform_int_distribution<int>(1, 12)(random);
  for (int l = 0; l < lines; ++l) {
    const int length = std::uniform_int_distribution<int>(l + 1 == lines ? 1 : 0, 200)(random);
    for (int i = 0; i < length; ++i) {
      uint8_t ch = 0;
      do {
        const int pick = std::uniform_int_distribution<int>(0, 40)(random);
        ch = pick == 0 ? '\t' : pick < 8 ? ' ' : static_cast<uint8_t>(std::uniform_int_distribution<int>(33, 255)(random));
        uint8_t in850 = 0;
        if (ch == 0x7F) continue;  // DEL is a control code in 850's tables
        if (holdsIn850 && !unicodeToCp850(cp1252ToUnicode(ch), in850)) continue;
        uint8_t in1252 = 0;
        if (!unicodeToCp1252(cp1252ToUnicode(ch), in1252) || in1252 != ch) continue;
        break;
      } while (true);
      text += static_cast<char>(ch);
    }
    // Keeps the text from being valid UTF-8 holding a multi-byte sequence.
    if (l == 0) text += '\xFF';
    text += "\r\n";
  }
  return text;
}

TEST(TextFileProperty, PrintableTextComesBackByteForByte) {
  const unsigned seeds = test::propertySeeds(100);
  for (unsigned seed = 0; seed < seeds; ++seed) {
    std::mt19937 random(seed);
    const bool dos = seed % 2 == 1;
    const std::string ansi = randomText(random, dos);
    const std::string file = dos ? cp1252ToCp850(ansi) : ansi;
    ASSERT_EQ(exported(read(file, dos), dos), file) << "seed " << seed;
  }
}

}  // namespace
}  // namespace vendaro
