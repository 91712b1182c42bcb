// dib_jpeg.cpp — JPEG decoding and encoding with libjpeg. libjpeg reports
// errors by calling a function that must not return; ours jumps back with
// longjmp. To keep that jump well defined, everything with a destructor lives
// in a state object owned by the caller, and the functions the jump skips
// hold only plain values.
#include "platform/dib_jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

#include "platform/dib_support.h"

namespace vendaro::dib {

namespace {

// Working memory libjpeg may take for itself (progressive JPEGs keep all
// coefficients); beyond it decoding stops with "too large".
constexpr long kJpegWorkMemory = 1L << 30;

struct JpegErrorManager {
  jpeg_error_mgr pub;  // first member: libjpeg hands back its address
  std::jmp_buf jump;
  int code = 0;  // message code of the failure
};

[[noreturn]] void jumpBack(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
  err->code = cinfo->err->msg_code;
  std::longjmp(err->jump, 1);
}

// Warnings are silent, except those that mean picture data is missing or
// garbled: such a file is refused instead of shown with grey or noisy rows.
void onMessage(j_common_ptr cinfo, int level) {
  int code = cinfo->err->msg_code;
  if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HUFF_BAD_CODE || code == JWRN_ARITH_BAD_CODE))
    jumpBack(cinfo);
}

void noOutput(j_common_ptr) {}

void installErrorManager(JpegErrorManager& err) {
  jpeg_std_error(&err.pub);
  err.pub.error_exit = jumpBack;
  err.pub.emit_message = onMessage;
  err.pub.output_message = noOutput;
}

const char* messageFor(int code) {
  switch (code) {
    case JERR_OUT_OF_MEMORY:
    case JERR_NO_BACKING_STORE:
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW:
      return kErrTooLarge;
    case JERR_BAD_PRECISION:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_NOT_COMPILED:
    case JERR_ARITH_NOTIMPL:
      return kErrUnsupported;
    case JERR_NO_SOI:
      return kErrUnknownFormat;
    default:
      return kErrDamaged;
  }
}

int32_t pelsPerMeter(int unit, int density) {
  if (density <= 0) return 0;
  if (unit == 1) return int32_t(density * 10000L / 254 + (density * 10000L % 254 >= 127));  // dpi
  if (unit == 2) return density * 100;                                                     // dpcm
  return 0;
}

struct JpegReader {
  jpeg_decompress_struct cinfo{};
  JpegErrorManager err{};
  bool created = false;
  const char* refusal = nullptr;  // set by our own checks
  TPictureRec pic;
  std::vector<uint8_t> cmykRow;
  JpegReader() = default;
  JpegReader(const JpegReader&) = delete;
  JpegReader& operator=(const JpegReader&) = delete;
  ~JpegReader() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
};

bool refuse(JpegReader& r, const char* message) {
  r.refusal = message;
  return false;
}

// A Huffman-coded scan spends at least one bit on every block of every
// component, so a header promising more blocks than the data has bits is
// damaged; this stops a few bytes from demanding gigabytes. Arithmetic coding
// compresses flat areas further, hence its looser bound.
bool plausibleSize(const jpeg_decompress_struct& cinfo, size_t size) {
  uint64_t blocks = 0;
  for (int c = 0; c < cinfo.num_components; ++c)
    blocks += uint64_t(cinfo.comp_info[c].width_in_blocks) * cinfo.comp_info[c].height_in_blocks;
  return blocks <= uint64_t(size) * (cinfo.arith_code ? 256 : 8);
}

void cmykToBgr(const uint8_t* cmyk, uint8_t* bgr, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    uint32_t c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    bgr[0] = uint8_t((y * k + 127) / 255);
    bgr[1] = uint8_t((m * k + 127) / 255);
    bgr[2] = uint8_t((c * k + 127) / 255);
  }
}

bool decodeSteps(JpegReader& r, const uint8_t* data, size_t size) {
  jpeg_decompress_struct& cinfo = r.cinfo;
  jpeg_create_decompress(&cinfo);
  r.created = true;
  cinfo.mem->max_memory_to_use = kJpegWorkMemory;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  if (uint64_t(cinfo.image_width) * cinfo.image_height > kMaxPixels) return refuse(r, kErrTooLarge);
  if (!plausibleSize(cinfo, size)) return refuse(r, kErrDamaged);

  int bitCount = 24;
  bool cmyk = false;
  switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
      cinfo.out_color_space = JCS_GRAYSCALE;
      bitCount = 8;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      cinfo.out_color_space = JCS_CMYK;
      cmyk = true;
      break;
    default:
      cinfo.out_color_space = JCS_EXT_BGR;
      break;
  }
  jpeg_start_decompress(&cinfo);
  int width = int(cinfo.output_width), height = int(cinfo.output_height);
  if (!newdib(r.pic, width, height, bitCount)) return refuse(r, kErrNoMemory);
  if (cmyk) r.cmykRow.resize(size_t(width) * 4);

  uint8_t* bits = r.pic.mutablePixels();
  while (cinfo.output_scanline < cinfo.output_height) {
    uint8_t* row = bits + size_t(r.pic.RowBytes) * (size_t(height) - 1 - cinfo.output_scanline);
    JSAMPROW target = cmyk ? r.cmykRow.data() : row;
    if (jpeg_read_scanlines(&cinfo, &target, 1) != 1) return refuse(r, kErrDamaged);
    // Adobe applications store CMYK inverted and say so with their marker.
    if (cmyk) cmykToBgr(target, row, width, cinfo.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&cinfo);

  if (cinfo.saw_JFIF_marker) {
    int32_t x = pelsPerMeter(cinfo.density_unit, cinfo.X_density);
    int32_t y = pelsPerMeter(cinfo.density_unit, cinfo.Y_density);
    if (x > 0) r.pic.Header.biXPelsPerMeter = x;
    if (y > 0) r.pic.Header.biYPelsPerMeter = y;
  }
  return true;
}

bool decode(JpegReader& r, const uint8_t* data, size_t size) {
  installErrorManager(r.err);
  r.cinfo.err = &r.err.pub;
  if (setjmp(r.err.jump)) return false;
  return decodeSteps(r, data, size);
}

struct JpegWriter {
  jpeg_compress_struct cinfo{};
  JpegErrorManager err{};
  bool created = false;
  unsigned char* buffer = nullptr;  // malloc'ed by libjpeg's memory destination
  unsigned long bufferSize = 0;
  std::vector<uint8_t> row;
  JpegWriter() = default;
  JpegWriter(const JpegWriter&) = delete;
  JpegWriter& operator=(const JpegWriter&) = delete;
  ~JpegWriter() {
    if (created) jpeg_destroy_compress(&cinfo);
    std::free(buffer);
  }
};

bool encodeSteps(JpegWriter& w, const TPictureRec& pic, int quality) {
  jpeg_compress_struct& cinfo = w.cinfo;
  jpeg_create_compress(&cinfo);
  w.created = true;
  jpeg_mem_dest(&cinfo, &w.buffer, &w.bufferSize);
  int bits = pic.Header.biBitCount;
  cinfo.image_width = JDIMENSION(pic.width());
  cinfo.image_height = JDIMENSION(pic.height());
  // 24 and 32-bit rows go to libjpeg as they are; other depths are expanded
  // row by row.
  bool direct = bits == 24 || bits == 32;
  cinfo.input_components = bits == 32 ? 4 : 3;
  cinfo.in_color_space = bits == 32 ? JCS_EXT_BGRX : JCS_EXT_BGR;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  cinfo.density_unit = 1;
  int32_t ppm = pic.Header.biXPelsPerMeter > 0 ? pic.Header.biXPelsPerMeter : kDefaultPelsPerMeter;
  int dpi = int((int64_t(ppm) * 254 + 5000) / 10000);
  cinfo.X_density = cinfo.Y_density = uint16_t(dpi < 1 ? 1 : dpi > 65535 ? 65535 : dpi);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    int y = int(cinfo.next_scanline);
    JSAMPROW source;
    if (direct) {
      // libjpeg only reads the row; its interface merely lacks the const.
      source = const_cast<uint8_t*>(rowAt(pic, y));
    } else {
      readRowBgr(pic, y, w.row.data());
      source = w.row.data();
    }
    jpeg_write_scanlines(&cinfo, &source, 1);
  }
  jpeg_finish_compress(&cinfo);
  return true;
}

bool encode(JpegWriter& w, const TPictureRec& pic, int quality) {
  installErrorManager(w.err);
  w.cinfo.err = &w.err.pub;
  if (setjmp(w.err.jump)) return false;
  return encodeSteps(w, pic, quality);
}

}  // namespace

bool readJpeg(const uint8_t* data, size_t size, TPictureRec& out, std::string& error) {
  JpegReader reader;
  if (!decode(reader, data, size)) {
    error = reader.refusal ? reader.refusal : messageFor(reader.err.code);
    return false;
  }
  out = std::move(reader.pic);
  return true;
}

}  // namespace vendaro::dib

namespace vendaro {

bool EncodeDibJpeg(const TPictureRec& pic, std::vector<uint8_t>& out, int quality) {
  out.clear();
  if (!dib::isConsistent(pic)) return false;
  if (quality <= 0) quality = 90;
  if (quality > 100) quality = 100;
  try {
    dib::JpegWriter writer;
    int bits = pic.Header.biBitCount;
    if (bits != 24 && bits != 32) writer.row.resize(size_t(pic.width()) * 3);
    if (!dib::encode(writer, pic, quality)) return false;
    out.assign(writer.buffer, writer.buffer + writer.bufferSize);
  } catch (const std::bad_alloc&) {
    out.clear();
    return false;
  }
  return true;
}

}  // namespace vendaro
