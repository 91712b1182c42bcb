#include "dib_test_images.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>
#include <png.h>

namespace vendaro::test {

int channelDistance(uint32_t a, uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8)
    worst = std::max(worst, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
  return worst;
}

uint32_t patternColour(int x, int y) {
  uint32_t r = uint32_t(x * 37 + y * 11) & 0xFF, g = uint32_t(y * 53) & 0xFF, b = uint32_t(x * y + 90) & 0xFF;
  return r | g << 8 | b << 16;
}

TPictureRec patternBitmap(int width, int height, int bitCount) {
  TPictureRec pic;
  EXPECT_TRUE(newdib(pic, width, height, bitCount));
  for (size_t i = 0; i < pic.Palette.size(); ++i) {
    uint32_t c = patternColour(int(i), int(i / 3));
    pic.Palette[i] = (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
  }
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) setpixel(pic, x, y, patternColour(x, y));
  return pic;
}

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> makeBmp(const BmpSpec& s) {
  bool core = s.infoSize == 12;
  size_t paletteBytes = s.palette.size() * (core ? 3 : 4);
  uint32_t offBits = uint32_t(14 + s.infoSize + 4 * s.masks.size() + paletteBytes);
  std::vector<uint8_t> out{'B', 'M'};
  put32(out, uint32_t(offBits + s.pixels.size()));
  put32(out, 0);
  put32(out, offBits);
  put32(out, s.infoSize);
  if (core) {
    put16(out, uint32_t(s.width));
    put16(out, uint32_t(s.height));
    put16(out, 1);
    put16(out, s.bitCount);
  } else {
    for (uint32_t v : {uint32_t(s.width), uint32_t(s.height)}) put32(out, v);
    put16(out, 1);
    put16(out, s.bitCount);
    for (uint32_t v : {s.compression, uint32_t(s.pixels.size()), 2835u, 2835u, s.clrUsed, 0u}) put32(out, v);
    if (s.infoSize >= 52) {  // larger headers hold the masks themselves
      for (uint32_t m : s.masks) put32(out, m);
      offBits -= uint32_t(4 * s.masks.size());
      out[10] = uint8_t(offBits);
    }
    out.resize(14 + s.infoSize, 0);
    if (s.infoSize < 52)
      for (uint32_t m : s.masks) put32(out, m);
  }
  for (uint32_t c : s.palette) {
    out.insert(out.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
    if (!core) out.push_back(0);
  }
  out.insert(out.end(), s.pixels.begin(), s.pixels.end());
  return out;
}

std::vector<uint8_t> makePng(const PngSpec& s) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, size_t length) {
        auto* target = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
        target->insert(target->end(), data, data + length);
      },
      nullptr);
  png_set_IHDR(png, info, s.width, s.height, s.bitDepth, s.colourType,
               s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (uint32_t c : s.palette) palette.push_back({uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), int(palette.size()));
  if (!s.paletteAlpha.empty())
    png_set_tRNS(png, info, s.paletteAlpha.data(), int(s.paletteAlpha.size()), nullptr);
  png_set_pHYs(png, info, 5906, 5906, PNG_RESOLUTION_METER);
  png_write_info(png, info);
  if (s.bitDepth == 16) png_set_swap(png);  // rows hold little-endian samples
  std::vector<png_bytep> rows;
  for (const auto& row : s.rows) rows.push_back(const_cast<png_bytep>(row.data()));
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::vector<uint8_t> makeJpeg(int width, int height, int components, const std::vector<uint8_t>& pixel,
                              bool progressive) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row;
  for (int x = 0; x < width; ++x) row.insert(row.end(), pixel.begin(), pixel.end());
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&cinfo, &p, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

}  // namespace vendaro::test
