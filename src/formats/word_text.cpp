// word_text.cpp — reads characters piece by piece and keeps the properties
// of the runs they lie in.
#include "formats/word_text.h"

#include <algorithm>

namespace vendaro::word {

void TextWalker::lookUp(uint32_t fc) {
  const bool newParagraph = fc < paraRun_.fcStart || fc >= paraRun_.fcEnd;
  if (newParagraph) {
    paraRun_ = sources_.paragraphPages->find(fc);
    const Bytes papx = paraRun_.properties;
    const Style& style = sources_.styles->style(le16(papx, 0));
    para_ = style.para;
    styleChars_ = style.chars;
    paraSprms_ = papx.size() >= 2 ? papx.subspan(2) : Bytes{};
    forEachSprm(paraSprms_, [&](const Sprm& s) { applyParaSprm(s, para_); });
  }
  if (newParagraph || fc < charRun_.fcStart || fc >= charRun_.fcEnd) {
    charRun_ = sources_.characterPages->find(fc);
    chars_ = styleChars_;
    forEachSprm(charRun_.properties, [&](const Sprm& s) {
      applyCharSprm(s, chars_, styleChars_, [&](uint16_t style) {
        sources_.styles->applyCharacterStyle(style, chars_, styleChars_);
      });
    });
  }
}

void TextWalker::walk(uint32_t from, uint32_t to, const std::function<bool(uint8_t, const TextPosition&)>& take) {
  const std::vector<Piece>& pieces = *sources_.pieces;
  auto piece = std::upper_bound(pieces.begin(), pieces.end(), from,
                                [](uint32_t cp, const Piece& p) { return cp < p.cpEnd; });
  for (uint32_t cp = from; cp < to && piece != pieces.end(); ++piece) {
    if (cp < piece->cpStart) cp = piece->cpStart;
    const uint32_t end = std::min(to, piece->cpEnd);
    for (; cp < end; ++cp) {
      const uint64_t offset = cp - piece->cpStart;
      const uint64_t fc = piece->fc + (piece->compressed ? offset : 2 * offset);
      const size_t width = piece->compressed ? 1 : 2;
      if (fc + width > sources_.wordDocument.size()) return;
      uint8_t code = sources_.wordDocument[static_cast<size_t>(fc)];
      if (!piece->compressed) code = cp1252Of(le16(sources_.wordDocument, static_cast<size_t>(fc)));
      lookUp(static_cast<uint32_t>(fc));
      if (!take(code, TextPosition{cp, &para_, &chars_, paraSprms_})) return;
    }
  }
}

}  // namespace vendaro::word
