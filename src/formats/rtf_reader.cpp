// rtf_reader.cpp — the RTF reader's main pass: braces save and restore the
// group state, control words are looked up and applied, text bytes go to
// the current destination; and the file entry that hands the document over.
#include "formats/rtf_reader.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "formats/rtf_reader_state.h"
#include "formats/whole_file_reading.h"
#include "platform/code_pages.h"

namespace vendaro {
namespace rtf {

double twipsToMm(double twips) { return twips / 1440.0 * kMmPerInch; }

Reader::Reader(Document& doc, RasterTarget* raster) : doc_(doc), raster_(raster) {}

void Reader::read(std::span<const uint8_t> bytes) {
  const TFontRec typingFont = doc_.CurFont;
  Tokenizer tokens(bytes);
  for (;;) {
    if (state_.destination == Destination::picture && skippedDepth_ == 0 && unicodeFallbackLeft_ == 0)
      tokens.readHexData(picture_.bytes, picture_.highNibble);
    const Token token = tokens.next();
    if (token.kind == TokenKind::end) break;
    if (token.kind == TokenKind::groupOpen) {
      openGroup();
      continue;
    }
    if (token.kind == TokenKind::groupClose) {
      if (!closeGroup()) break;
      continue;
    }
    if (skippedDepth_ > 0 || state_.destination == Destination::skip) continue;
    switch (token.kind) {
      case TokenKind::controlWord:
      case TokenKind::controlSymbol: controlWord(token); break;
      case TokenKind::text:
      case TokenKind::hexByte: textByte(token.byte); break;
      case TokenKind::binary:
        if (state_.destination == Destination::picture) pictureBinary(token.data);
        break;
      default: break;
    }
  }
  finishDocument();
  doc_.CurFont = typingFont;
}

void Reader::openGroup() {
  unicodeFallbackLeft_ = 0;
  if (skippedDepth_ > 0 || stack_.size() >= kMaxGroupDepth) {
    ++skippedDepth_;
    return;
  }
  state_.frame = doc_.CurField;
  state_.shapes = shapes_.size();
  state_.fields = fields_.size();
  stack_.push_back(state_);
}

bool Reader::closeGroup() {
  unicodeFallbackLeft_ = 0;
  if (skippedDepth_ > 0) {
    --skippedDepth_;
    return true;
  }
  // The brace closing the outermost group ends the file; what follows it
  // is no part of the document.
  if (stack_.size() <= 1) return false;
  const GroupState outer = std::move(stack_.back());
  stack_.pop_back();
  endGroupDestination(outer);
  keepParagraphFormatOfGroup(outer);
  state_ = outer;
  return true;
}

void Reader::keepParagraphFormatOfGroup(const GroupState& outer) {
  // A paragraph the file leaves unended takes the format of the group it
  // stands in, even when that group closes before the file does.
  paragraphFormatKept_ = state_.destination == Destination::text && outer.destination == Destination::text &&
                         doc_.CurField == outer.frame && !row_.open;
  if (paragraphFormatKept_) applyParagraphState(caretLine());
}

void Reader::controlWord(const Token& token) {
  if (token.word == "*") {
    ignorable_ = true;
    return;
  }
  const bool afterStar = ignorable_;
  ignorable_ = false;
  const WordEntry* entry = findWord(token.word);
  // "\*" marks a destination a reader may skip whole when it does not know it.
  if (afterStar && (entry == nullptr || !isDestination(entry->word))) {
    state_.destination = Destination::skip;
    return;
  }
  if (entry == nullptr) return;
  if (entry->word != Word::unicode) unicodeFallbackLeft_ = 0;
  const int32_t value = entry->alwaysDefault || !token.hasParameter ? entry->defaultValue : token.parameter;
  applyWord(*entry, value, token.hasParameter);
}

void Reader::applyWord(const WordEntry& entry, int32_t value, bool hasParameter) {
  const Word word = entry.word;
  if (word <= Word::shadow) return characterStateWord(word, value);
  if (word <= Word::inTable) return paragraphWord(word, value);
  if (word <= Word::unicode) return documentWord(word, value);
  if (word <= Word::blue) {
    if (state_.destination != Destination::colourTable || !hasParameter) return;
    const int shift = word == Word::red ? 0 : word == Word::green ? 8 : 16;
    pendingColour_ = (pendingColour_ & ~(0xFF << shift)) | ((value & 0xFF) << shift);
    return;
  }
  if (word <= Word::cellShading) return tableWord(word, value);
  if (word <= Word::shapeBottom) return shapeWord(word, value);
  if (word <= Word::pictureScaleY) return pictureWord(word, value);
  switch (word) {
    case Word::character: return textByte(static_cast<uint8_t>(value));
    case Word::tab: return textByte(kTabChar);
    case Word::paragraphEnd: return writeBreak(kLineEndParagraph);
    case Word::lineBreak: return writeBreak(kLineEndManual);
    case Word::pageBreak: return writeBreak(kLineEndPage);
    case Word::sectionEnd:
      // A section ends its last paragraph; an empty one makes no new line.
      if (state_.destination == Destination::text && caretLine().CharCount() > 0) writeBreak(kLineEndParagraph);
      return;
    default: return beginDestination(word, value);
  }
}

void Reader::characterStateWord(Word word, int32_t value) {
  CharState& chars = state_.chars;
  switch (word) {
    case Word::plain: chars = CharState{}; break;
    case Word::bold: chars.bold = value; break;
    case Word::italic: chars.italic = value; break;
    case Word::underline: chars.underline = value; break;
    case Word::underlineNone: chars.underline = 0; break;
    case Word::strike: chars.strike = value; break;
    case Word::fontSize: chars.halfPoints = std::clamp(value, 2, 1998); break;
    case Word::font:
      if (state_.destination == Destination::fontTable) {
        fontTableByte(';');  // a number without ";" before it still ends the entry before
        fontTableNumber_ = value;
      } else {
        chars.font = value;
      }
      break;
    case Word::colour: chars.colour = value; break;
    case Word::background: chars.background = value; break;
    case Word::highlight: chars.highlight = value; break;
    case Word::smallCaps: chars.smallCaps = value != 0; break;
    case Word::caps: chars.caps = value != 0; break;
    case Word::superscript: chars.superscript = value != 0; break;
    case Word::subscript: chars.subscript = value != 0; break;
    case Word::noSuperSub: chars.superscript = chars.subscript = false; break;
    case Word::shadow: chars.shadow = value != 0; break;
    default: break;
  }
}

void Reader::paragraphWord(Word word, int32_t value) {
  constexpr int32_t kMaxIndentTwips = 56693;  // 1000 mm
  ParaState& para = state_.para;
  const int32_t indent = std::clamp(value, -kMaxIndentTwips, kMaxIndentTwips);
  switch (word) {
    case Word::pard: para = ParaState{}; row_.selectedBorder = -1; break;
    case Word::alignment: para.alignment = value; break;
    case Word::leftIndent: para.leftIndent = indent; break;
    case Word::rightIndent: para.rightIndent = indent; break;
    case Word::firstIndent: para.firstIndent = indent; break;
    case Word::spaceBefore: para.spaceBefore = std::max(indent, 0); break;
    case Word::spaceAfter: para.spaceAfter = std::max(indent, 0); break;
    case Word::lineSpacing: {
      const int32_t magnitude = value == INT32_MIN ? INT32_MAX : std::abs(value);
      if (magnitude >= 240 && magnitude < 1000) para.lineSpacing = magnitude / 240.0;
      break;
    }
    case Word::tabStop: {
      constexpr size_t kMaxTabs = 100;
      if (para.tabs.size() >= kMaxTabs || value < 0) break;
      const TTabStop stop{twipsToMm(std::min(value, kMaxIndentTwips)), para.pendingTabAlignment, para.pendingTabLeader};
      const auto at = std::upper_bound(para.tabs.begin(), para.tabs.end(), stop,
                                       [](const TTabStop& a, const TTabStop& b) { return a.Pos < b.Pos; });
      para.tabs.insert(at, stop);
      para.pendingTabAlignment = para.pendingTabLeader = 0;
      break;
    }
    case Word::tabAlignment: para.pendingTabAlignment = value; break;
    case Word::tabLeader: para.pendingTabLeader = value; break;
    case Word::inTable:
      para.inTable = true;
      if (!row_.open && state_.destination == Destination::text) startRow();
      break;
    default: break;
  }
}

void Reader::documentWord(Word word, int32_t value) {
  constexpr int32_t kMaxPaperTwips = 566929;   // 1000 cm
  constexpr int32_t kMaxMarginTwips = 56693;   // 100 cm
  const auto margin = [&] { return std::clamp(value, 0, kMaxMarginTwips); };
  const auto paper = [&] { return std::clamp(value, 567, kMaxPaperTwips); };
  switch (word) {
    case Word::sectd:
      columns_ = 1;
      lineBetweenColumns_ = false;
      columnGapMm_ = 0.5 * kMmPerInch;
      break;
    case Word::columns: columns_ = std::clamp(value, 1, 10); break;
    case Word::columnGap: columnGapMm_ = twipsToMm(margin()); break;
    case Word::lineBetweenColumns: lineBetweenColumns_ = value != 0; break;
    case Word::paperWidth: page_.paperWidth = paper(); break;
    case Word::paperHeight: page_.paperHeight = paper(); break;
    case Word::marginLeft: page_.marginLeft = margin(); break;
    case Word::marginRight: page_.marginRight = margin(); break;
    case Word::marginTop: page_.marginTop = margin(); break;
    case Word::marginBottom: page_.marginBottom = margin(); break;
    case Word::headerDistance: headerDistanceMm_ = twipsToMm(margin()); break;
    case Word::footerDistance: footerDistanceMm_ = twipsToMm(margin()); break;
    case Word::facingPages: facingPages_ = true; break;
    case Word::titlePage: titlePage_ = true; break;
    case Word::defaultTab:
      if (value > 0) defaultTabMm_ = twipsToMm(std::min(value, kMaxMarginTwips));
      break;
    case Word::defaultFont:
      defaultFont_ = value;
      cachedFontIndex_ = -1;
      break;
    case Word::unicodeSkipCount: state_.unicodeSkip = std::clamp(value, 0, 10); break;
    case Word::unicode: unicodeCharacter(value); break;
    default: break;
  }
}

void Reader::textByte(uint8_t byte) {
  if (unicodeFallbackLeft_ > 0) {
    --unicodeFallbackLeft_;
    return;
  }
  switch (state_.destination) {
    case Destination::text:
      if (std::exchange(footnoteBlankGiven_, false) && byte == ' ') return;
      return writeCharacter(byte);
    case Destination::picture: return pictureByte(byte);
    default: return collectByte(byte);
  }
}

void Reader::unicodeCharacter(int32_t value) {
  const char32_t code = static_cast<char32_t>(value < 0 ? value + 65536 : value);
  uint8_t byte = '?';
  if (!unicodeToCp1252(code, byte)) byte = '?';
  unicodeFallbackLeft_ = 0;
  textByte(byte);
  // The characters written for readers that know no Unicode follow; they
  // stand for the same character.
  unicodeFallbackLeft_ = state_.unicodeSkip;
}

}  // namespace rtf

bool looksLikeRtf(std::span<const uint8_t> bytes) {
  static constexpr char kStart[] = "{\\rtf";
  return bytes.size() >= 5 && std::equal(kStart, kStart + 5, bytes.begin());
}

void decodeRtf(std::span<const uint8_t> bytes, Document& doc, RasterTarget* raster) {
  if (doc.Fields.empty()) doc.NewPage(true);
  if (doc.Fields.front().Lines.empty()) Document::InitNewLine(doc.Fields.front().Lines, 0);
  doc.CurField = doc.CurLine = doc.CurChar = 0;
  rtf::Reader(doc, raster).read(bytes);
}

bool OpenRTFFile(Document& doc, const std::filesystem::path& path, RasterTarget* raster, std::string& message) {
  return readWholeFileInto(doc, path, kMaxRtfFileBytes, message, [raster](std::span<const uint8_t> bytes, Document& fresh) {
    if (!looksLikeRtf(bytes)) return false;
    decodeRtf(bytes, fresh, raster);
    return true;
  });
}

}  // namespace vendaro
