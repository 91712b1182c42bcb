// paragraph_format.h — reading and writing a paragraph's format: which lines
// form a paragraph (through chained frames and table cell columns), which form
// a column section, and the accessors every formatting command goes through.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/document.h"

namespace vendaro {

struct LinePos {
  int32_t field = 0;
  int32_t line = 0;
  bool operator==(const LinePos&) const = default;
};

// The paragraph block of a line as the formatting commands see it, together
// with the section settings of the line.
struct ParagraphValues {
  TParaFormat Para;            // tab stops included; BulletFont null means Wingdings
  std::string BulletFontName;  // empty when the font is the default
  int32_t ColumnCount = 0;
  int32_t ColumnLines = 0;
  double ColumnGap = 12.5;
};

ParagraphValues getabsatzformat(const Document& doc);
// Writes the values into every line of the caret's paragraph, or of every
// paragraph the selection touches; `onlyCaretLine` writes just that line.
// Each written line becomes dirty.
void setabsatzformat(Document& doc, const ParagraphValues& values, bool withSection, bool onlyCaretLine);

// The paragraph values one by one. A command on several paragraphs writes
// only the values it changes, so that each paragraph keeps its own others
// (centring a selection must not strip one paragraph's list or indents).
enum ParagraphField : uint32_t {
  kParaAlignment = 1u << 0, kParaLineSpacing = 1u << 1,  // LineSpacing with its mode
  kParaSpaceBefore = 1u << 2, kParaSpaceAfter = 1u << 3, kParaLeftIndent = 1u << 4,
  kParaRightIndent = 1u << 5, kParaFirstLineIndent = 1u << 6, kParaDefaultTabWidth = 1u << 7,
  kParaTabs = 1u << 8, kParaListIndent = 1u << 9, kParaListKind = 1u << 10, kParaBulletChar = 1u << 11,
  kParaBulletFont = 1u << 12,
  kParaColumns = 1u << 13,  // ColumnCount, ColumnLines and ColumnGap
};
// As setabsatzformat, writing only the `fields` named.
void setParagraphFields(Document& doc, const ParagraphValues& values, uint32_t fields, bool onlyCaretLine);

// First line of the paragraph holding `pos`, and all its lines in order.
LinePos paragraphStart(const Document& doc, LinePos pos);
std::vector<LinePos> paragraphLines(const Document& doc, LinePos pos);

// True when the line is the first of its column section.
bool isfirstSpaltenrow(const Document& doc, int32_t field, int32_t line);
bool sameSection(const TLineRec& a, const TLineRec& b);

// The lines of the table row that `pos` belongs to (all its cells' lines).
std::vector<LinePos> tableRowLines(const Document& doc, LinePos pos);

// The entries of the paragraph dialog's line spacing list, in order.
enum LineSpacingChoice : int { kSpacingSingle, kSpacingOneAndHalf, kSpacingDouble, kSpacingAtLeast, kSpacingExactly, kSpacingMultiple };
extern const char* const kLineSpacingNames[6];
LineSpacingChoice lineSpacingChoice(const TParaFormat& para);
void applyLineSpacingChoice(TParaFormat& para, LineSpacingChoice choice, double measure);

// The bullets command: sets the list kind, or clears it when the paragraph
// already has it.
void toggleListKind(TParaFormat& para, uint8_t kind);

}  // namespace vendaro
