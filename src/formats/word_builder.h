// word_builder.h — appends the characters of a Word story to a frame of the
// document through the store operations: text cells with their font entry,
// line and page breaks, table cells and rows, pictures, and the dropping of
// field instructions (fields nest).
#pragma once

#include <string>
#include <vector>

#include "document/document.h"
#include "formats/word_lists.h"
#include "formats/word_pictures.h"
#include "formats/word_sprms.h"
#include "formats/word_text.h"

namespace vendaro::word {

// The stop for runaway files: no import holds more characters than this.
inline constexpr int64_t kMaxImportedCharacters = 10'000'000;
inline constexpr size_t kMaxPictures = 65535;

struct BuildContext {
  const std::vector<std::string>* fontNames = nullptr;
  int32_t defaultTab = 720;
  Bytes data;  // the "Data" stream, empty when there is none
  RasterTarget* raster = nullptr;
  const ListFormats* lists = nullptr;
};

class DocumentBuilder {
 public:
  DocumentBuilder(Document& doc, const BuildContext& context) : doc_(doc), context_(context) {}

  // Puts the caret at the end of `frame` for the next story.
  void startStory(int32_t frame);
  // Handles one character; false once the character limit is reached.
  bool take(uint8_t code, const TextPosition& at);
  // The story's last paragraph mark: its line takes the format, and no
  // empty line follows it.
  void closeStory(const TextPosition& at);
  // The mark that ends a section: it ends the paragraph, and starts a new
  // page unless the next section follows on the same page.
  void sectionBreak(const SectionProps& next, const TextPosition& at);
  // Headers and footers end with a paragraph mark of their own besides the
  // story's last one; the empty line it leaves is removed.
  void dropTrailingEmptyLine();
  void setSection(const SectionProps& section) { section_ = section; }

 private:
  TLineRec& currentLine();
  void appendText(uint8_t code, const TextPosition& at);
  void appendPicture(const TextPosition& at);
  void appendBreakCell(uint8_t code, const TextPosition& at);
  void endLine(int32_t lineEnd, const TextPosition& at);
  void formatLine(const TextPosition& at);
  void closeRow(const TextPosition& at);
  int32_t fontIndexFor(const CharProps& chp);
  bool inInstruction() const { return instructionDepth_ > 0; }

  Document& doc_;
  BuildContext context_;
  SectionProps section_;
  int64_t characters_ = 0;
  // Per open field whether it is still in its instruction part.
  std::vector<bool> fields_;
  int instructionDepth_ = 0;
  bool softHyphenNext_ = false;
  int32_t cellsInRow_ = 0;
  // The last character format and the font entry it gave.
  CharProps lastChars_;
  int32_t lastFont_ = -1;
};

}  // namespace vendaro::word
