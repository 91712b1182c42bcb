// rtf_reader_state.h — the RTF reader's working state and the steps it is
// made of: the group stack with the character, paragraph and destination
// state each group restores, the tables being read, and the open pictures,
// shapes and fields. One reader reads one file into one document.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/document.h"
#include "formats/rtf_control_words.h"
#include "formats/rtf_tokenizer.h"

namespace vendaro {
class RasterTarget;
}

namespace vendaro::rtf {

// Deeper groups are skipped whole: no writer nests this deep, and every
// level keeps a copy of the state.
inline constexpr size_t kMaxGroupDepth = 1000;

enum class Destination : uint8_t {
  text, skip, colourTable, fontTable, info, picture, shape, shapeInstance, shapeGroup, shapeProperty,
  shapePropertyName, shapePropertyValue, formField, formFieldName, formFieldDefault, field, fieldInstruction,
  fieldResult
};

struct CharState {
  int32_t bold = 0, italic = 0, underline = 0, strike = 0;
  int32_t halfPoints = 0;  // 0: the default size
  int32_t font = -1;       // −1: the document's default font
  int32_t colour = 0, background = 0, highlight = 0;
  bool smallCaps = false, caps = false, superscript = false, subscript = false, shadow = false;
  bool operator==(const CharState&) const = default;
};

struct ParaState {
  int32_t alignment = 0;  // RTF order: left, right, centred, justified
  int32_t leftIndent = 0, rightIndent = 0, firstIndent = 0, spaceBefore = 0, spaceAfter = 0;  // twips
  double lineSpacing = 1.0;
  std::vector<TTabStop> tabs;  // ascending
  int32_t pendingTabAlignment = 0, pendingTabLeader = 0;
  bool inTable = false;
};

struct GroupState {
  CharState chars;
  ParaState para;
  Destination destination = Destination::text;
  int32_t infoSlot = 0;
  int32_t unicodeSkip = 1;
  int32_t frame = 0;      // where text went when the group opened
  size_t shapes = 0;      // open shapes and fields when the group opened
  size_t fields = 0;
  bool shapePicture = false;  // inside "\shppict"
};

struct CellDefinition {
  double rightMm = 0;
  std::array<uint8_t, 4> borderPresent{};  // left, top, bottom, right
  std::array<int32_t, 4> borderWidthTwips{15, 15, 15, 15};
  std::array<int32_t, 4> borderColour{};
  int32_t background = -1;  // colour index
  int32_t shading = -1;     // hundredths of a percent
};

struct RowState {
  bool open = false;
  int32_t frame = 0, firstLine = 0, cells = 0;
  double leftMm = 0;
  std::vector<CellDefinition> definitions;
  CellDefinition pending;
  int selectedBorder = -1;  // the border the next width or colour word sets
  int32_t lastBreakCell = -1;  // the last paragraph end in the cell being read
};

struct PictureState {
  int32_t kind = 0;
  int32_t width = 0, height = 0, goalWidth = 0, goalHeight = 0, scaleX = 100, scaleY = 100;
  std::vector<uint8_t> bytes;
  int highNibble = -1;
};

struct ShapeState {
  int32_t frame = 0;        // the shape's own frame
  int32_t anchorFrame = 0;  // the frame whose text it stands in
  int32_t anchorH = 0, anchorV = 0;
  int64_t textId = 0;  // "lTxid": chain number in the high 16 bits, place in the low
  bool textEnded = false;  // its text group has closed and formatted the last paragraph
  std::string propertyName, propertyValue;
};

// A text box that names its place in a chain of linked boxes.
struct LinkedBox {
  int64_t textId = 0;
  int32_t frame = 0;
};

struct FieldState {
  bool formField = false;
  bool resultShown = false;  // the field stands in the text, not in another's instruction
  std::string name, defaultText, instruction;
  // A field we know by its instruction: its code, the result text and the
  // character format the result starts in.
  std::string code, result;
  std::optional<CharState> resultFormat;
};

struct PageValues {  // twips
  int32_t paperWidth = 12240, paperHeight = 15840;
  int32_t marginLeft = 1800, marginRight = 1800, marginTop = 1440, marginBottom = 1440;
};

class Reader {
 public:
  Reader(Document& doc, RasterTarget* raster);
  void read(std::span<const uint8_t> bytes);

 private:
  // rtf_reader.cpp: groups and words
  void openGroup();
  bool closeGroup();  // false once the outermost group has closed
  void controlWord(const Token& token);
  void applyWord(const WordEntry& entry, int32_t value, bool hasParameter);
  void characterStateWord(Word word, int32_t value);
  void paragraphWord(Word word, int32_t value);
  void documentWord(Word word, int32_t value);
  void textByte(uint8_t byte);
  void unicodeCharacter(int32_t value);

  // rtf_destinations.cpp
  void beginDestination(Word word, int32_t value);
  void endGroupDestination(const GroupState& outer);
  void collectByte(uint8_t byte);
  void fontTableByte(uint8_t byte);
  void colourTableByte(uint8_t byte);
  void beginFootnote();
  void keepParagraphFormatOfGroup(const GroupState& outer);
  void finishField();
  void beginFieldResult(FieldState& field);
  void appendFieldCell(const std::string& code, const std::string& shown);

  // rtf_text_output.cpp
  void writeCharacter(uint8_t ch);
  void writeBreak(int32_t kind);
  TCharRec* appendCell(uint8_t ch);
  int32_t fontIndexForState();
  void applyParagraphState(TLineRec& line) const;
  void applyTabAndSpacing(TParaFormat& para) const;
  void endLine(int32_t kind);
  void continueInFrame(int32_t frame);
  TLineRec& caretLine();

  // rtf_tables.cpp
  void tableWord(Word word, int32_t value);
  void startRow();
  void endCell();
  void endRow();
  void setCellParagraph();
  void shapeRowCell(TLineRec& line, int32_t index, int32_t count, double meanWidth, double rowWidth);

  // rtf_shapes.cpp
  void beginShape();
  void shapeWord(Word word, int32_t value);
  void applyShapeProperty();
  void finishShape();
  void linkTextBoxes();

  // rtf_pictures.cpp
  void beginPicture();
  void pictureWord(Word word, int32_t value);
  void pictureByte(uint8_t byte);
  void pictureBinary(std::span<const uint8_t> data);
  void finishPicture(Destination outer);

  // rtf_page_end.cpp
  void finishDocument();

  Document& doc_;
  RasterTarget* raster_;
  GroupState state_;
  std::vector<GroupState> stack_;
  size_t skippedDepth_ = 0;  // levels beyond kMaxGroupDepth
  bool started_ = false;
  bool ignorable_ = false;   // the last word was "\*"
  int32_t unicodeFallbackLeft_ = 0;
  bool footnoteBlankGiven_ = false;  // a footnote's first blank is already there
  bool paragraphFormatKept_ = false;  // the caret paragraph has the format of a group just closed

  std::vector<int32_t> colours_;  // 0x00BBGGRR; entry 0 is "automatic"
  int32_t pendingColour_ = 0;
  std::map<int32_t, std::string> fontNames_;
  int32_t fontTableNumber_ = 0;
  std::string fontTableName_;
  int32_t defaultFont_ = 0;

  CharState cachedChars_;
  int32_t cachedFontIndex_ = -1;
  // New cells take the document's current font: while reading it is the
  // font of the text being read, so that no unused entry joins the table.
  int32_t currentFontIndex_ = -1;

  PageValues page_;
  int32_t columns_ = 1;
  double columnGapMm_ = 12.5;
  bool lineBetweenColumns_ = false;
  double headerDistanceMm_ = 0.5 * kMmPerInch, footerDistanceMm_ = 0.5 * kMmPerInch;
  bool titlePage_ = false, facingPages_ = false;
  double defaultTabMm_ = 12.5;

  RowState row_;
  PictureState picture_;
  bool shapePictureGiven_ = false;
  std::vector<ShapeState> shapes_;
  std::vector<LinkedBox> linkedBoxes_;
  int32_t shapeGroupWrap_ = -1;
  int32_t nextAnchorId_ = 0;
  std::vector<FieldState> fields_;
};

double twipsToMm(double twips);

}  // namespace vendaro::rtf
