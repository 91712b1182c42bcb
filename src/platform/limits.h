// limits.h — every size the program refuses to take in, in one place: file
// bytes per kind of file, picture pixels, metafile records and the images it
// paints. Readers check against these before they allocate, report the
// refusal to the user in German and leave the open document as it was.
// Values that are brought into range instead of refused (lengths, font
// sizes, paper) live with the record rules in document/record_ranges.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace vendaro {

// --- files --------------------------------------------------------------

// A native document holds the largest picture the program takes (400
// megapixels at 32 bits is 1.6 GB) with room to spare for the text.
inline constexpr uint64_t kMaxLpxFileBytes = uint64_t(2) << 30;
// A text beyond this is no page layout, and every byte becomes a measured
// cell of about a hundred bytes.
inline constexpr uint64_t kMaxTxtFileBytes = uint64_t(16) << 20;
// settings.dat holds a few kilobytes.
inline constexpr uint64_t kMaxSettingsFileBytes = 1 << 20;
// user.spe: a user word file beyond this size is taken as none.
inline constexpr uint64_t kMaxUserWordFileBytes = 16 << 20;
// Word lists: forty times the German list.
inline constexpr uint64_t kMaxWordListFileBytes = 64 << 20;

// --- documents ----------------------------------------------------------

// Cells (characters, pictures, fields) of all frames together: a cell takes
// about a hundred bytes in memory, so this is some 2 GB — far beyond any
// page, and refused before it is allocated.
inline constexpr uint64_t kMaxDocumentCells = 20'000'000;
// Frames of a document (page parts, text boxes, drawing objects).
inline constexpr int32_t kMaxDocumentFrames = 100'000;

// --- pictures -----------------------------------------------------------

// Larger pictures are refused before anything is allocated: 400 megapixels
// are 1.2 GB at 24 bits, already more than a page can sensibly hold.
inline constexpr uint64_t kMaxPixels = 400'000'000;
// A picture file beyond 2 GiB is refused before it is read.
inline constexpr uint64_t kMaxPictureFileBytes = uint64_t{1} << 31;
// A page rendered to an image: beyond this it would need gigabytes; a 10 m
// poster at full size is asked for with a smaller zoom instead.
inline constexpr double kMaxPageImagePixels = 200e6;

// Metafiles: bytes read, records played and the size of the object table.
inline constexpr size_t kMaxMetafileBytes = size_t{64} << 20;
inline constexpr uint32_t kMaxMetafileRecords = 1'000'000;
inline constexpr uint32_t kMaxMetafileObjects = 65'535;

// The refusal of a file beyond `maxBytes`, naming it and the limit:
// "Die Datei … ist zu groß (höchstens … MB)."
std::string fileTooLargeMessage(const std::filesystem::path& path, uint64_t maxBytes);
// The refusal of a document holding more cells or frames than the limits.
std::string tooManyCellsMessage(const std::filesystem::path& path);
std::string tooManyFramesMessage(const std::filesystem::path& path);
// The refusal of a document holding a picture beyond kMaxPixels.
std::string pictureTooLargeMessage(const std::filesystem::path& path);
// Whether the regular file at `path` holds more than `maxBytes`; false when
// it cannot be looked at (opening it reports that).
bool fileExceeds(const std::filesystem::path& path, uint64_t maxBytes);

}  // namespace vendaro
