// records.h — the document's records: frames hold lines, lines hold character
// cells and a full paragraph format each; fonts, styles and tab stops. Field
// names, order and defaults are those of the native file, which stores these
// records field by field (see formats/lpx_*).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/owned_value.h"
#include "document/shared_vector.h"

namespace vendaro {

// Millimetres per inch for every conversion between mm and pixels. Not 25.4:
// stored documents were laid out with this value.
inline constexpr double kMmPerInch = 25.39995;

enum LineEndKind : int32_t { kLineEndSoft = 0, kLineEndParagraph = 1, kLineEndManual = 2, kLineEndPage = 3 };

enum FieldKind : uint8_t {
  kFieldBody = 0, kFieldHeader = 1, kFieldFooter = 2, kFieldTextBox = 3, kFieldRectangle = 4,
  kFieldEllipse = 5, kFieldLine = 6, kFieldHorizontalLine = 7, kFieldVerticalLine = 8, kFieldPicture = 9
};

enum CellKind : uint8_t { kCellChar = 0, kCellPicture = 1, kCellNoteRef = 2, kCellNoteNumber = 3, kCellField = 4 };

// `CharFlags` bits; only these three are stored in the file.
enum CharFlagBit : int { kFlagSoftHyphen = 0, kFlagMisspelled = 1, kFlagMouseMark = 2 };

// `Attr` bits of a font entry, in the order of the character attribute list.
enum AttrBit : int {
  kAttrBold = 0, kAttrItalic = 1, kAttrUnderline = 2, kAttrStrikeOut = 3, kAttrWordUnderline = 4,
  kAttrDoubleUnderline = 5, kAttrShadow = 6, kAttrOutline = 7, kAttrSuperscript = 8, kAttrSubscript = 9,
  kAttrSmallCaps = 10, kAttrAllCaps = 11, kAttrLowerCase = 12, kAttrNoHyphenation = 13
};

inline constexpr uint8_t kTabChar = 9;
inline constexpr uint8_t kDefaultBulletChar = 159;

struct TTabStop {
  double Pos = 0;        // mm from the left edge of the text column
  int32_t TabAlign = 0;  // 0 left, 1 centred, 2 right, 3 decimal
  int32_t Leader = 0;    // 0 none, 1 "-", 2 ".", 3 "_"
  bool operator==(const TTabStop&) const = default;
};

struct TParaFormat {
  uint8_t Alignment = 0;  // 0 left, 1 centred, 2 right, 3 justified
  double LineSpacing = 1.0;
  uint8_t LineSpacingMode = 0;  // 0 multiple, 1 at least, 2 exactly
  double SpaceBefore = 0;
  double SpaceAfter = 0;
  double LeftIndent = 0;
  double RightIndent = 0;
  double FirstLineIndent = 0;
  double DefaultTabWidth = 12.5;
  std::vector<TTabStop> Tabs;  // ascending Pos
  double ListIndent = 6.3;
  uint8_t ListKind = 0;  // 0 none, 1 bullets, 2 numbering
  uint8_t BulletChar = kDefaultBulletChar;
  int32_t ListNumber = 0;      // layout result
  NullableString BulletFont;   // null means "Wingdings"

  int32_t TabCount() const { return static_cast<int32_t>(Tabs.size()); }
  bool operator==(const TParaFormat&) const = default;
};

// Table cell appearance; groups of four are ordered left, top, bottom, right.
// The default is the standard design.
struct TCellDesign {
  std::array<double, 4> BorderWidth{0.75, 0.75, 0.75, 0.75};  // points
  std::array<int32_t, 4> BorderColor{0, 0, 0, 0};
  std::array<uint8_t, 4> BorderPresent{1, 1, 1, 1};
  int32_t BackColor = 0xFFFFFF;
  uint8_t BackTransparent = 1;
  bool operator==(const TCellDesign&) const = default;
};

struct TCharRec {
  uint8_t Kind = kCellChar;
  uint8_t Ch = 0;            // code page 1252
  uint16_t ShownNumber = 0;  // footnote marks
  uint16_t NoteID = 0;       // footnote marks
  double CharWidth = 0;      // mm
  double CharHeight = 0;     // mm; −1.0 for a fresh tab (the line height applies)
  int32_t FontIndex = 0;
  uint8_t TabLeader = 0;
  uint16_t PictureIndex = 0;
  uint8_t CharFlags = 0;
  NullableString Text;                // field cells: the displayed text
  NullableString Code;                // field cells: the field code
  OwnedValue<TParaFormat> ParaRef;    // break cells: the format after the break
  float FlowShift = 0;

  bool operator==(const TCharRec&) const = default;
};

// What a frame's line list notes of a line that has not changed since
// layout last cleaned it (`SharedVector::marks`), so that passes over the
// frame skip the others without reading them.
enum LineMarks : uint8_t {
  kLineHoldsFields = 1,  // holds a field cell, which every field update visits
  kLinePlainText = 2,    // text outside tables (see isPlainTextLine), which joining passes over
};

struct TLineRec {
  std::vector<TCharRec> Chars;
  int32_t LineEnd = kLineEndSoft;
  uint8_t CellFirstLine = 0;
  uint8_t CellLastLine = 0;
  uint8_t InTable = 0;
  int32_t RowCells = 1;
  int32_t CellIndex = 0;
  double CellWidthWeight = 1.0;
  double RowLeft = 0;
  double RowRight = 0;
  TCellDesign CellDesign;
  TParaFormat Para;
  int32_t ColumnCount = 0;
  int32_t ColumnLines = 0;
  double ColumnGap = 12.5;
  int32_t AnchorID = 0;  // not stored in the file
  // Layout results.
  double LineHeight = 0;
  uint8_t Dirty = 0;
  double ColumnX = 0;
  double ColumnBackY = 0;
  double ColumnRestY = 0;
  int32_t ColumnIndex = 0;
  double SepLeftX = 0;
  double SepRightX = 0;
  uint8_t ColumnTop = 0;
  uint8_t ColumnBottom = 0;
  int32_t ColumnBreaks = 0;
  uint8_t Hyphenated = 0;
  uint8_t MouseMark = 0;

  int32_t CharCount() const { return static_cast<int32_t>(Chars.size()); }
  bool operator==(const TLineRec&) const = default;
};

// A frame's lines: copies of a frame (undo steps) share the lines neither
// side has changed since.
using LineList = SharedVector<TLineRec>;

struct TFieldRec {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
  double MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;
  uint8_t ShowOn = 0;
  uint8_t WrapText = 0;
  uint8_t MoveWithText = 0;
  int32_t WrapMode = 0;
  double TextDistY = 0;
  double TextDistX = 0;
  double BorderWidth = 0;  // points
  int32_t BorderColor = 0;
  int32_t BackColor = 0;
  uint8_t Transparent = 0;
  uint8_t TopFromBottom = 0;
  uint8_t BottomFromBottom = 0;
  uint8_t RightFromRight = 0;
  uint8_t FieldType = kFieldBody;
  int32_t PageNo = 0;
  int32_t PrevField = -1;
  int32_t NextField = -1;
  uint8_t KeepAspect = 0;
  LineList Lines;
  uint8_t Visited = 0;
  uint8_t ObjSelected = 0;
  uint8_t LineFlip = 0;
  int32_t FootnoteNo = 0;
  // Working values of layout and painting; stored, but recomputed.
  uint8_t LayoutMark = 0;
  uint8_t SeparatorLine = 0;
  double AnchorDX = 0, AnchorDY = 0;
  int32_t AnchorID = 0;
  double NewAnchorDX = 0, NewAnchorDY = 0;
  double AnchorDist = 0;
  int32_t AnchorFieldIdx = 0, AnchorLineIdx = 0;

  int32_t LineCount() const { return static_cast<int32_t>(Lines.size()); }
  bool operator==(const TFieldRec&) const = default;
};

// `ShowOn` values of header, footer and text box frames.
enum ShowOnValue : uint8_t {
  kShowOnOnePage = 0, kShowOnAllPages = 1, kShowOnNotFirst = 2, kShowOnEven = 3, kShowOnOdd = 4,
  kShowOnEvenNotFirst = 5, kShowOnOddNotFirst = 6, kShowOnUnused = 99
};

struct TFontRec {
  int32_t Color = 0;
  double Size = 0;  // points
  NullableString Name;
  uint8_t Reserved = 0;
  uint8_t Style = 0;  // bit 0 bold, 1 italic, 2 underline, 3 strike-out
  uint8_t Charset = 0;
  int32_t BackColor = 0;
  int32_t ShadowColor = 0;
  int32_t OutlineColor = 0;
  uint8_t BackTransparent = 0;
  uint16_t Attr = 0;

  std::string_view name() const { return textOf(Name); }
  // The equality of the font table look-up: sizes compared as doubles,
  // names byte for byte.
  bool operator==(const TFontRec& other) const;
};

// The input format of a new document.
TFontRec defaultCurFont();

enum StyleKind : uint8_t { kParagraphStyle = 0, kCharacterStyle = 1 };

struct TStyleRec {
  std::string Name;  // at most 255 bytes
  uint8_t Kind = kParagraphStyle;
  TParaFormat Para;
  TCharRec Char;  // its FontIndex is the style's font
  bool operator==(const TStyleRec&) const = default;
};

// Bit sets of the records: 16-bit attribute sets and 8-bit flag sets.
inline bool GettingOps(uint16_t set, int bit) { return bit >= 0 && bit < 16 && (set >> bit) & 1u; }
inline void SettingOps(uint16_t& set, int bit, bool on) {
  if (bit < 0 || bit >= 16) return;
  set = static_cast<uint16_t>(on ? set | (1u << bit) : set & ~(1u << bit));
}
inline bool GettingOpsB(uint8_t set, int bit) { return bit >= 0 && bit < 8 && (set >> bit) & 1u; }
inline void SettingOpsB(uint8_t& set, int bit, bool on) {
  if (bit < 0 || bit >= 8) return;
  set = static_cast<uint8_t>(on ? set | (1u << bit) : set & ~(1u << bit));
}

}  // namespace vendaro
