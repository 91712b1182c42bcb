// lpx_records.h — the fixed-size record images of the native file: frames
// (208 bytes), font entries (34), paragraph blocks (84), cell designs (57),
// cells (46) and styles (387), encoded and decoded at their byte offsets;
// beside them the whole in-memory line record (296) that exchange streams carry.
// Pointer slots are written as 0, except where the reader tests them for
// zero (bullet font): there 1 says that a string follows.
#pragma once

#include <cstddef>

#include "document/records.h"
#include "platform/byte_io.h"

namespace vendaro::lpx {

inline constexpr size_t kFieldImageSize = 208;
inline constexpr size_t kFontImageSize = 34;
inline constexpr size_t kParaImageSize = 84;
inline constexpr size_t kCellDesignImageSize = 57;
inline constexpr size_t kCharImageSize = 46;
inline constexpr size_t kStyleImageSize = 387;
inline constexpr size_t kTabStopSize = 16;
inline constexpr size_t kLineImageSize = 296;

// Decoded paragraph image: the pointer slots tell what follows in the file.
struct ParaImage {
  TParaFormat para;        // without tabs and bullet font
  int32_t tabCount = 0;
  bool hasBulletFont = false;
};

// `lineCount` < 0 writes the frame's own line count.
void writeField(ByteWriter& out, const TFieldRec& f, int32_t lineCount = -1);
void writeFont(ByteWriter& out, const TFontRec& f);
void writePara(ByteWriter& out, const TParaFormat& p);
void writeCellDesign(ByteWriter& out, const TCellDesign& d);
void writeCharImage(ByteWriter& out, const TCharRec& c);
void writeStyle(ByteWriter& out, const TStyleRec& s);
void writeTabStops(ByteWriter& out, const std::vector<TTabStop>& tabs);
// The line record with `charCount` in its cell count slot; its cells, tab
// stops and bullet font are not part of the image.
void writeLineImage(ByteWriter& out, const TLineRec& line, int32_t charCount);

// Readers return false on a short read; the reader's failure flag is set too.
bool readField(ByteReader& in, TFieldRec& f, int32_t& lineCount);
bool readFont(ByteReader& in, TFontRec& f);
bool readPara(ByteReader& in, ParaImage& p);
bool readCellDesign(ByteReader& in, TCellDesign& d);
bool readCharImage(ByteReader& in, TCharRec& c);
bool readStyle(ByteReader& in, TStyleRec& s, ParaImage& para);
bool readTabStops(ByteReader& in, int32_t count, std::vector<TTabStop>& tabs);
// Fills every field but the cells; `para` tells what follows the image.
bool readLineImage(ByteReader& in, TLineRec& line, int32_t& charCount, ParaImage& para);

}  // namespace vendaro::lpx
