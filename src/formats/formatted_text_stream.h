// formatted_text_stream.h — the program's own exchange format for formatted
// text: lines with their cells, fonts, pictures and fields, or whole frames,
// followed by the footnote frames of the references they hold. Decoding
// reads the whole stream into a FormattedText, checking every count against
// the bytes left and every kind and index, or refuses it: the bytes may come
// from any program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/font_table.h"
#include "document/records.h"
#include "platform/dib.h"

namespace vendaro {

inline constexpr int32_t kStreamObjects = 1;
inline constexpr int32_t kStreamText = 2;

// A line of the stream. Its cells' FontIndex counts in FormattedText::fonts
// and a picture cell's PictureIndex in FormattedText::pictures.
struct StreamLine {
  TLineRec line;
  bool endCopied = false;  // the line's end belongs to what was copied
};

// A frame with its lines; `frame.Lines` itself stays empty.
struct StreamFrame {
  TFieldRec frame;
  std::vector<StreamLine> lines;
};

struct FormattedText {
  int32_t kind = kStreamText;
  bool tableCopy = false;                   // a column block of a table
  std::vector<StreamLine> lines;            // text streams
  std::vector<StreamFrame> frames;          // object streams: kinds 3 to 9
  // The footnote frames of the references (cells of kind 2), in the order
  // the references appear; decoding may give fewer than there are
  // references when the stream ends early.
  std::vector<StreamFrame> footnoteFrames;
  FontTable fonts;
  std::vector<TPictureRec> pictures;

  // Footnote references of the lines, then of the frames, in order.
  std::vector<const TCharRec*> noteReferences() const;
};

// Layout makes break cells (13 to 15) and removes them again; other control
// codes have no meaning in the text. Of them only the tab is exchanged.
inline bool isExchangedCharacter(uint8_t ch) { return ch >= 32 || ch == kTabChar; }
inline bool isExchangedCell(const TCharRec& cell) { return cell.Kind != kCellChar || isExchangedCharacter(cell.Ch); }

std::vector<uint8_t> encodeFormattedText(const FormattedText& text);
// False, with `text` in no defined state, when the bytes are not a whole,
// consistent stream. Character cells with control codes other than tab are
// left out; fonts are brought into range and stored once each.
bool decodeFormattedText(const uint8_t* data, size_t size, FormattedText& text);

}  // namespace vendaro
