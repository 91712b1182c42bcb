#include "layout/ruler_artwork.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace vendaro {
namespace {

constexpr uint32_t kOutline = 0x000000;
constexpr uint32_t kMarkerFill = 0xC0C0C0;

// '#' outline, '+' marker fill, anything else transparent. Tab images keep
// six empty rows on top so that every image of the ruler is placed at the
// same y as the others of its row.
constexpr std::string_view kFirstLine[] = {
    "#########", "#+++++++#", "#+++++++#", "#+++++++#", " #+++++# ", "  #+++#  ", "   #+#   ", "    #    "};
constexpr std::string_view kLeftIndent[] = {
    "    #    ", "   #+#   ", "  #+++#  ", " #+++++# ", "#+++++++#", "#+++++++#", "#########",
    "#+++++++#", "#+++++++#", "#+++++++#", "#+++++++#", "#+++++++#", "#+++++++#", "#########"};
constexpr std::string_view kRightIndent[] = {
    "    #    ", "   #+#   ", "  #+++#  ", " #+++++# ", "#+++++++#", "#+++++++#", "#+++++++#", "#########"};
constexpr std::string_view kTabLeft[] = {
    "", "", "", "", "", "", "       ##", "       ##", "       ##", "       ##", "       ##", "       #######",
    "       #######"};
constexpr std::string_view kTabCentred[] = {
    "", "", "", "", "", "", "          ##", "          ##", "          ##", "          ##", "          ##",
    "       ########", "       ########"};
constexpr std::string_view kTabRight[] = {
    "", "", "", "", "", "", "       ##", "       ##", "       ##", "       ##", "       ##", "  #######",
    "  #######"};
constexpr std::string_view kTabDecimal[] = {
    "", "", "", "", "", "", "        ##", "        ##  ##", "        ##  ##", "        ##", "        ##",
    "     ########", "     ########"};

struct Art {
  const std::string_view* rows;
  size_t count;
  int hotSpot;
};

template <size_t N>
constexpr Art art(const std::string_view (&rows)[N], int hotSpot) {
  return {rows, N, hotSpot};
}

const Art& artOf(RulerImage image) {
  static const std::array<Art, 7> kArt = {art(kFirstLine, 4),  art(kLeftIndent, 4), art(kRightIndent, 4),
                                          art(kTabLeft, 7),    art(kTabCentred, 10), art(kTabRight, 8),
                                          art(kTabDecimal, 8)};
  return kArt[static_cast<size_t>(image)];
}

// Horizontal runs of one colour, worked out once per image.
struct Run {
  int x, y, length;
  uint32_t color;
};

std::vector<Run> runsOf(const Art& a) {
  std::vector<Run> runs;
  for (size_t y = 0; y < a.count; ++y) {
    const std::string_view row = a.rows[y];
    for (size_t x = 0; x < row.size();) {
      const char c = row[x];
      size_t end = x;
      while (end < row.size() && row[end] == c) ++end;
      if (c == '#' || c == '+')
        runs.push_back({static_cast<int>(x), static_cast<int>(y), static_cast<int>(end - x), c == '#' ? kOutline : kMarkerFill});
      x = end;
    }
  }
  return runs;
}

const std::vector<Run>& runsOf(RulerImage image) {
  static const std::array<std::vector<Run>, 7> kRuns = [] {
    std::array<std::vector<Run>, 7> all;
    for (size_t i = 0; i < all.size(); ++i) all[i] = runsOf(artOf(static_cast<RulerImage>(i)));
    return all;
  }();
  return kRuns[static_cast<size_t>(image)];
}

}  // namespace

int tabHotSpot(int32_t kind) { return artOf(tabImage(kind)).hotSpot; }

int rulerImageWidth(RulerImage image) {
  size_t width = 0;
  const Art& a = artOf(image);
  for (size_t y = 0; y < a.count; ++y) width = std::max(width, a.rows[y].size());
  return static_cast<int>(width);
}

int rulerImageHeight(RulerImage image) { return static_cast<int>(artOf(image).count); }

void drawRulerImage(Canvas& canvas, RulerImage image, int x, int y) {
  for (const Run& run : runsOf(image)) canvas.fillRect({x + run.x, y + run.y, x + run.x + run.length, y + run.y + 1}, run.color);
}

}  // namespace vendaro
