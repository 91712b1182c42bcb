// dib_file.cpp — loading and saving picture files: recognises the format
// from the contents and hands the bytes to the BMP, JPEG or PNG code.
#include <cstring>
#include <filesystem>
#include <new>

#include "platform/dib.h"
#include "platform/dib_bmp.h"
#include "platform/dib_jpeg.h"
#include "platform/dib_png.h"
#include "platform/dib_support.h"
#include "platform/file_io.h"

namespace vendaro {

using namespace dib;

namespace {

// Picture files larger than this are refused before they are read.

int detectFormat(const uint8_t* data, size_t size) {
  static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (size >= 8 && std::memcmp(data, kPng, 8) == 0) return kDibPng;
  if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return kDibJpeg;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return kDibBmp;
  return kDibAuto;
}

std::string baseName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace

// The contents decide which reader runs; the format number only tells what
// the caller expects, and a picture labelled wrongly still loads.
bool OpenDibFromMemory(TPictureRec& out, const uint8_t* data, size_t size, [[maybe_unused]] int format) {
  TPictureRec pic;
  std::string error = kErrUnknownFormat;
  bool ok = false;
  try {
    switch (data ? detectFormat(data, size) : kDibAuto) {
      case kDibBmp: ok = readBmp(data, size, pic, error); break;
      case kDibJpeg: ok = readJpeg(data, size, pic, error); break;
      case kDibPng: ok = readPng(data, size, pic, error); break;
      default: break;
    }
  } catch (const std::bad_alloc&) {
    ok = false;
    error = kErrNoMemory;
  }
  if (!ok) {
    out = TPictureRec{};
    out.ErrorText = error;
    return false;
  }
  out = std::move(pic);
  return true;
}

bool OpenDib(TPictureRec& out, const std::string& path, int format) {
  out = TPictureRec{};
  std::error_code ec;
  uintmax_t length = std::filesystem::file_size(path, ec);
  if (!ec && length > kMaxPictureFileBytes) {
    out.ErrorText = fileTooLargeMessage(path, kMaxPictureFileBytes);
    return false;
  }
  FileBytes bytes;
  bool read = false;
  try {
    read = !ec && readWholeFile(path, bytes);
  } catch (const std::bad_alloc&) {
    out.ErrorText = kErrNoMemory;
    return false;
  }
  if (!read) {
    out.ErrorText = "Konnte Datei " + baseName(path) + " nicht öffnen!";
    return false;
  }
  return OpenDibFromMemory(out, bytes.data(), bytes.size(), format);
}

int SaveDib(const TPictureRec& pic, const std::string& path, int format, int quality) {
  std::vector<uint8_t> bytes;
  try {
    if (format == kDibJpeg) {
      if (!EncodeDibJpeg(pic, bytes, quality)) return 0;
    } else {
      bytes = writeBmp(pic);
    }
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return !bytes.empty() && writeFileAtomically(path, bytes) ? 1 : 0;
}

std::string GetDIBOpenFilter() {
  return "Alle Bilder (*.bmp *.dib *.jpg *.jpeg *.jpe *.png);;Windows-Bitmap (*.bmp *.dib);;"
         "JPEG-Bild (*.jpg *.jpeg *.jpe);;PNG-Bild (*.png);;Alle Dateien (*)";
}

}  // namespace vendaro
