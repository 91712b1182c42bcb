// rtf_destinations.cpp — where RTF text goes: the colour and font tables,
// document information, headers, footers and footnotes, fields and form
// fields; and what each destination leaves behind when its group closes.
#include <algorithm>

#include "document/footnote_insertion.h"
#include "formats/rtf_field_codes.h"
#include "formats/rtf_reader_state.h"

namespace vendaro::rtf {
namespace {

// Collected strings (names, instructions, properties) are short in any
// real file; longer ones are cut rather than grown without end.
constexpr size_t kMaxCollectedBytes = 64 * 1024;

void appendBounded(std::string& text, uint8_t byte) {
  if (text.size() < kMaxCollectedBytes) text.push_back(static_cast<char>(byte));
}

}  // namespace

void Reader::beginDestination(Word word, int32_t value) {
  Destination& destination = state_.destination;
  const bool inText = destination == Destination::text;
  switch (word) {
    case Word::skippedDestination: destination = Destination::skip; return;
    case Word::colourTable:
      colours_.clear();
      pendingColour_ = 0;
      destination = Destination::colourTable;
      return;
    case Word::fontTable:
      fontTableNumber_ = 0;
      fontTableName_.clear();
      destination = Destination::fontTable;
      return;
    case Word::info: state_.infoSlot = 0; destination = Destination::info; return;
    case Word::infoSlot:
      if (destination != Destination::info) return;
      state_.infoSlot = value;
      doc_.DocProps[static_cast<size_t>(value - 1)].clear();
      return;
    case Word::picture: beginPicture(); return;
    case Word::shape:
      if (inText || destination == Destination::shapeGroup) beginShape();
      return;
    case Word::shapeInstance:
      if (destination == Destination::shape || destination == Destination::shapeGroup)
        destination = destination == Destination::shape ? Destination::shapeInstance : Destination::shapeGroup;
      return;
    case Word::shapeText:
      if (!shapes_.empty()) destination = Destination::text;
      return;
    case Word::shapeGroup:
      if (!inText) return;
      shapeGroupWrap_ = 0;
      destination = Destination::shapeGroup;
      return;
    case Word::shapeProperty:
      if (destination != Destination::shapeInstance || shapes_.empty()) return;
      shapes_.back().propertyName.clear();
      shapes_.back().propertyValue.clear();
      destination = Destination::shapeProperty;
      return;
    case Word::shapePropertyName:
    case Word::shapePropertyValue:
      if (destination != Destination::shapeProperty) return;
      destination = word == Word::shapePropertyName ? Destination::shapePropertyName : Destination::shapePropertyValue;
      return;
    case Word::shapePicture:
      state_.shapePicture = true;
      shapePictureGiven_ = false;
      return;
    case Word::nonShapePicture:
      // The same picture again for readers that know no shapes.
      if (shapePictureGiven_) destination = Destination::skip;
      shapePictureGiven_ = false;
      return;
    case Word::headerFooter:
      if (!inText || value >= doc_.FieldCount()) return;
      if (doc_.Fields[static_cast<size_t>(value)].FieldType != (value % 2 == 1 ? kFieldHeader : kFieldFooter)) return;
      continueInFrame(value);
      return;
    case Word::footnote:
      if (inText) beginFootnote();
      return;
    case Word::formField:
      if (fields_.empty()) return;
      fields_.back().formField = true;
      fields_.back().name = "Feldname";
      fields_.back().defaultText.clear();
      destination = Destination::formField;
      return;
    case Word::formFieldName:
    case Word::formFieldDefault:
      if (destination != Destination::formField || fields_.empty()) return;
      (word == Word::formFieldName ? fields_.back().name : fields_.back().defaultText).clear();
      destination = word == Word::formFieldName ? Destination::formFieldName : Destination::formFieldDefault;
      return;
    case Word::field:
      // A field inside another's instruction is part of that instruction.
      fields_.push_back(FieldState{});
      fields_.back().resultShown = inText;
      destination = Destination::field;
      return;
    case Word::fieldInstruction:
      if (destination != Destination::field || fields_.empty()) return;
      fields_.back().instruction.clear();
      destination = Destination::fieldInstruction;
      return;
    case Word::fieldResult:
      if (destination != Destination::field || fields_.empty()) return;
      beginFieldResult(fields_.back());
      return;
    default: return;
  }
}

void Reader::beginFieldResult(FieldState& field) {
  // A form field shows itself, not the result its writer put beside it.
  if (!field.resultShown || field.formField) {
    state_.destination = Destination::skip;
    return;
  }
  // A field we know becomes one field cell showing its result; any other
  // field's result is read as text.
  const std::optional<std::string> code = fieldCodeOfInstruction(field.instruction);
  field.code = code.value_or("");
  state_.destination = code ? Destination::fieldResult : Destination::text;
}

void Reader::beginFootnote() {
  const TFieldRec& frame = doc_.Fields[static_cast<size_t>(doc_.CurField)];
  // A footnote belongs to the page text or a header or footer, not to another footnote.
  if (frame.FootnoteNo > 0 || doc_.FootnoteCounter >= 0xFFFF) {
    state_.destination = Destination::skip;
    return;
  }
  const int32_t page = frame.FieldType == kFieldBody ? frame.PageNo : 0;
  // The marks take the format of the text they stand in, as typed ones do.
  doc_.CurFont = doc_.Fonts[fontIndexForState()];
  const int32_t area = insertFootnote(doc_, ++doc_.FootnoteCounter, page);
  continueInFrame(area);
  // The note starts with its number and a blank, as a typed one does; the
  // blank most writers put after the number is that one.
  footnoteBlankGiven_ = true;
}

void Reader::collectByte(uint8_t byte) {
  switch (state_.destination) {
    case Destination::colourTable: return colourTableByte(byte);
    case Destination::fontTable: return fontTableByte(byte);
    case Destination::info:
      if (state_.infoSlot >= 1 && state_.infoSlot <= kDocPropCount)
        appendBounded(doc_.DocProps[static_cast<size_t>(state_.infoSlot - 1)], byte);
      return;
    case Destination::shapePropertyName:
      if (!shapes_.empty()) appendBounded(shapes_.back().propertyName, byte);
      return;
    case Destination::shapePropertyValue:
      if (!shapes_.empty()) appendBounded(shapes_.back().propertyValue, byte);
      return;
    case Destination::formFieldName:
      if (!fields_.empty()) appendBounded(fields_.back().name, byte);
      return;
    case Destination::formFieldDefault:
      if (!fields_.empty()) appendBounded(fields_.back().defaultText, byte);
      return;
    case Destination::fieldInstruction:
      if (!fields_.empty()) appendBounded(fields_.back().instruction, byte);
      return;
    case Destination::fieldResult:
      if (fields_.empty() || byte < 32) return;
      if (!fields_.back().resultFormat) fields_.back().resultFormat = state_.chars;
      appendBounded(fields_.back().result, byte);
      return;
    default: return;
  }
}

void Reader::colourTableByte(uint8_t byte) {
  // Each ";" ends an entry; the first, usually empty, stands for "automatic".
  if (byte != ';') return;
  constexpr size_t kMaxColours = 65536;
  if (colours_.size() < kMaxColours) colours_.push_back(pendingColour_);
  pendingColour_ = 0;
  cachedFontIndex_ = -1;
}

void Reader::fontTableByte(uint8_t byte) {
  if (byte != ';') {
    if (byte >= 32 && (byte != ' ' || !fontTableName_.empty())) appendBounded(fontTableName_, byte);
    return;
  }
  while (!fontTableName_.empty() && fontTableName_.back() == ' ') fontTableName_.pop_back();
  if (!fontTableName_.empty()) fontNames_[fontTableNumber_] = fontTableName_;
  fontTableName_.clear();
  cachedFontIndex_ = -1;
}

void Reader::finishField() {
  FieldState field = std::move(fields_.back());
  fields_.pop_back();
  if (!field.resultShown) return;
  if (field.formField) {
    if (field.name.empty()) field.name = "Feldname";
    const std::string shown = field.defaultText.empty() ? "{" + field.name + "}" : field.defaultText;
    appendFieldCell(std::string(kFormFieldCodePrefix) + field.name, shown);
  } else if (!field.code.empty()) {
    // The cell takes the format its result was written in.
    const CharState around = state_.chars;
    if (field.resultFormat) state_.chars = *field.resultFormat;
    appendFieldCell(field.code, field.result.empty() ? " " : field.result);
    state_.chars = around;
  }
}

void Reader::appendFieldCell(const std::string& code, const std::string& shown) {
  paragraphFormatKept_ = false;
  TCharRec* cell = appendCell(' ');
  cell->Kind = kCellField;
  cell->Ch = 'a';
  SetPCharText(cell->Text, shown);
  SetPCharText(cell->Code, code);
  doc_.RenderChar(*cell, false, shown);
}

void Reader::endGroupDestination(const GroupState& outer) {
  const Destination ending = state_.destination;
  if (ending != outer.destination) {
    if (ending == Destination::picture) finishPicture(outer.destination);
    if (ending == Destination::shapeProperty) applyShapeProperty();
    if (ending == Destination::fontTable) fontTableByte(';');  // the last entry may lack its ";"
  }
  while (fields_.size() > outer.fields) finishField();
  // A shape's last paragraph takes the format in force where its text
  // group ends, not that of the paragraph the shape stands in.
  const bool shapeTextEnds = ending == Destination::text && !shapes_.empty() &&
                             (outer.destination == Destination::shape || outer.destination == Destination::shapeInstance);
  if (shapeTextEnds) {
    if (!row_.open && !paragraphFormatKept_) applyParagraphState(caretLine());
    shapes_.back().textEnded = true;
  }
  bool formatted = paragraphFormatKept_;
  while (shapes_.size() > outer.shapes) {
    formatted = formatted || shapes_.back().textEnded;
    finishShape();
  }
  if (doc_.CurField != outer.frame) {
    // The text of a header, footer, footnote or shape ends with its group;
    // reading goes on where that group began.
    if (row_.open && row_.frame == doc_.CurField) endRow();
    // A paragraph that an inner group already formatted keeps that format,
    // not the one of the group around the text.
    if (!row_.open && !formatted) applyParagraphState(caretLine());
    continueInFrame(outer.frame);
    footnoteBlankGiven_ = false;
  }
}

}  // namespace vendaro::rtf
