// metafile_probe.h — a quick look at a file for vector pictures that only a
// raster target can turn into bitmaps, so that the command-line program can
// hand such files to the window program, which has one.
#pragma once

#include <filesystem>

namespace vendaro {

// True for an RTF file that holds a Windows metafile or enhanced metafile
// picture, and for a compound file (Word) that holds a picture stream.
// A false answer for anything unreadable: the reader reports that itself.
bool mayHoldMetafilePictures(const std::filesystem::path& path);

}  // namespace vendaro
