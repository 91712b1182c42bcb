// word_reader.cpp — reads a Word 97–2003 file: finds its streams and tables,
// sets the page up from the first section, then walks the main text and the
// first section's six header and footer stories into their frames.
#include <new>

#include "formats/compound_file.h"
#include "formats/word_builder.h"
#include "formats/word_file.h"
#include "formats/word_page_setup.h"
#include "platform/file_io.h"

namespace vendaro {
namespace {

using namespace word;

constexpr uint32_t kNoSepx = 0xFFFFFFFF;
constexpr uint8_t kParagraph = 13, kPageBreak = 12;
// Header/footer stories after the six note separators, in file order:
// even header, odd header, even footer, odd footer, first-page header and
// footer; and the frames that show them.
constexpr size_t kFirstStoryEntry = 6;
constexpr int32_t kStoryFrames[6] = {3, 5, 4, 6, 1, 2};
// The document properties slots of title, subject, keywords, comment, author.
constexpr size_t kAssociatedSlots[5] = {0, 1, 6, 7, 2};

class WordReader {
 public:
  WordReader(const Fib& fib, Bytes wordDocument, Bytes table, Bytes data, Document& doc, RasterTarget* raster)
      : fib_(fib),
        wordDocument_(wordDocument),
        table_(table),
        doc_(doc),
        fontNames_(readFontNames(fib.sttbfFfn.in(table))),
        characterPages_(PropertyPages::character, fib.plcfBteChpx.in(table), wordDocument),
        paragraphPages_(PropertyPages::paragraph, fib.plcfBtePapx.in(table), wordDocument),
        sections_(readPlc(fib.plcfSed.in(table), 12)),
        stories_(readPlc(fib.plcfHdd.in(table), 0)),
        styles_(fib.stshf.in(table)),
        pieces_(readPieces(fib.clx.in(table), fib.fcMin, textLength())),
        lists_(fib.plfLst.onwards(table), fib.plfLfo.in(table)),
        builder_(doc, BuildContext{&fontNames_, defaultTab(), data, raster, &lists_}) {}

  void read() {
    readProperties();
    const SectionProps first = sectionProps(0);
    const Bytes dop = fib_.dop.in(table_);
    applyPageSetup(doc_, pageSetupOf(first, !dop.empty() && (dop[0] & 1)), true);
    builder_.setSection(first);
    readMainText();
    readStories(first);
  }

 private:
  uint32_t textLength() const { return static_cast<uint32_t>(std::max(0, fib_.ccpText)); }

  int32_t defaultTab() const {
    const int16_t tab = static_cast<int16_t>(le16(fib_.dop.in(table_), 10));
    return tab > 0 ? tab : 720;
  }

  void readProperties() {
    const std::array<std::string, 5> strings = readAssociatedStrings(fib_.sttbfAssoc.in(table_));
    for (size_t i = 0; i < strings.size(); ++i) doc_.DocProps[kAssociatedSlots[i]] = strings[i];
  }

  SectionProps sectionProps(size_t index) const {
    SectionProps props;
    if (index >= sections_.count()) return props;
    const uint32_t at = le32(sections_.entry(index), 2);
    if (at == kNoSepx) return props;
    const Bytes sepx = slice(wordDocument_, uint64_t(at) + 2, le16(wordDocument_, at));
    forEachSprm(sepx, [&](const Sprm& s) { applySectionSprm(s, props); });
    return props;
  }

  TextSources sources() const { return {wordDocument_, &pieces_, &characterPages_, &paragraphPages_, &styles_}; }

  // Walks [from, to) into the builder; the last paragraph mark makes no
  // empty line of its own.
  void readStory(uint32_t from, uint32_t to, size_t firstSection) {
    size_t nextSection = firstSection + 1;
    TextWalker(sources()).walk(from, to, [&](uint8_t code, const TextPosition& at) {
      if (code == kPageBreak && nextSection < sections_.count() && at.cp + 1 == sections_.positions[nextSection]) {
        builder_.sectionBreak(sectionProps(nextSection++), at);
        return true;
      }
      if (code == kParagraph && at.cp + 1 == to) {
        builder_.closeStory(at);
        return true;
      }
      return builder_.take(code, at);
    });
  }

  void readMainText() {
    builder_.startStory(0);
    readStory(0, textLength(), 0);
  }

  void readStories(const SectionProps& first) {
    const uint64_t base = uint64_t(textLength()) + static_cast<uint32_t>(std::max(0, fib_.ccpFtn));
    for (size_t k = 0; k < 6; ++k) {
      if (kFirstStoryEntry + k + 1 >= stories_.positions.size()) break;
      const uint64_t from = base + stories_.positions[kFirstStoryEntry + k];
      const uint64_t to = base + stories_.positions[kFirstStoryEntry + k + 1];
      if (from >= to || to > UINT32_MAX || static_cast<size_t>(kStoryFrames[k]) >= doc_.Fields.size()) continue;
      builder_.setSection(first);
      builder_.startStory(kStoryFrames[k]);
      readStory(static_cast<uint32_t>(from), static_cast<uint32_t>(to), sections_.count());
      builder_.dropTrailingEmptyLine();
    }
  }

  const Fib& fib_;
  Bytes wordDocument_, table_;
  Document& doc_;
  std::vector<std::string> fontNames_;
  PropertyPages characterPages_, paragraphPages_;
  Plc sections_, stories_;
  StyleSheet styles_;
  std::vector<Piece> pieces_;
  ListFormats lists_;
  DocumentBuilder builder_;
};


}  // namespace

bool decodeWord(std::vector<uint8_t> bytes, Document& doc, RasterTarget* raster) {
  std::optional<CompoundFile> file = CompoundFile::open(std::move(bytes));
  if (!file) return false;
  const Bytes wordDocument = file->stream("WordDocument").value_or(Bytes{});
  const std::optional<Fib> fib = readFib(wordDocument);
  if (!fib) return false;
  const std::optional<Bytes> table = file->stream(fib->tableIs1 ? "1Table" : "0Table");
  if (!table) return false;
  Document fresh(doc.fontEngine());
  fresh.CurFont = doc.CurFont;
  fresh.NewPage(true);
  fresh.CreateHeaderFooter();
  WordReader(*fib, wordDocument, *table, file->stream("Data").value_or(Bytes{}), fresh, raster).read();
  fresh.CurField = fresh.CurLine = fresh.CurChar = 0;
  fresh.MarkField = fresh.MarkLine = fresh.MarkChar = 0;
  doc = std::move(fresh);
  return true;
}

bool OpenWordFile(Document& doc, const std::filesystem::path& path, RasterTarget* raster, std::string& message) {
  try {
    std::vector<uint8_t> bytes;
    if (readWholeFile(path, bytes, kMaxWordFileBytes) && decodeWord(std::move(bytes), doc, raster)) return true;
  } catch (const std::bad_alloc&) {
  }
  message = kCannotOpenDocfile;
  return false;
}

}  // namespace vendaro
