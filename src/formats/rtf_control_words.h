// rtf_control_words.h — the control words the RTF reader understands, looked
// up through a hash table: each name maps to what it does and to the
// parameter it takes when the file writes none (or always takes).
#pragma once

#include <cstdint>
#include <string_view>

namespace vendaro::rtf {

enum class Word : uint16_t {
  // character state
  plain, bold, italic, underline, underlineNone, strike, fontSize, font, colour, background, highlight,
  smallCaps, caps, superscript, subscript, noSuperSub, shadow,
  // paragraph state
  pard, alignment, leftIndent, rightIndent, firstIndent, spaceBefore, spaceAfter, lineSpacing,
  tabStop, tabAlignment, tabLeader, inTable,
  // section and document
  sectd, columns, columnGap, lineBetweenColumns, paperWidth, paperHeight, marginLeft, marginRight,
  marginTop, marginBottom, headerDistance, footerDistance, facingPages, titlePage, defaultTab, defaultFont,
  unicodeSkipCount, unicode,
  // colour table
  red, green, blue,
  // tables
  rowDefaults, rowLeft, cellRight, cellEnd, rowEnd, cellBorder, borderWidth, borderColour, cellBackground,
  cellShading,
  // shapes
  shapeAnchorH, shapeAnchorV, shapeWrap, shapeLeft, shapeTop, shapeRight, shapeBottom,
  // pictures
  pictureKind, pictureWidth, pictureHeight, pictureGoalWidth, pictureGoalHeight, pictureScaleX, pictureScaleY,
  // characters and breaks
  character, paragraphEnd, lineBreak, pageBreak, sectionEnd, tab,
  // destinations
  skippedDestination, colourTable, fontTable, info, infoSlot, picture, shape, shapeInstance, shapeText,
  shapeGroup, shapeProperty, shapePropertyName, shapePropertyValue, shapePicture, nonShapePicture,
  headerFooter, footnote, formField, formFieldName, formFieldDefault, field, fieldInstruction, fieldResult,
  // specials
  ignorable
};

// Picture kinds of `pictureKind`.
enum PictureKind : int32_t { kPictureWmf = 1, kPictureEmf = 2, kPicturePng = 3, kPictureJpeg = 4, kPictureDib = 5,
                             kPictureUnsupported = 6 };

struct WordEntry {
  Word word;
  int32_t defaultValue = 0;  // the parameter when none is written
  bool alwaysDefault = false;
};

// Null for a word the reader does not know.
const WordEntry* findWord(std::string_view name);
// Whether the word opens a destination: after "\*" only these are read.
bool isDestination(Word word);

}  // namespace vendaro::rtf
