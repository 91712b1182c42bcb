// Tab widths: explicit stops of every alignment with their leaders, and the
// default stops beyond the last one.
#include <gtest/gtest.h>

#include "layout/layout_fixture.h"
#include "layout/tab_stops.h"

namespace vendaro {
namespace {

using test::textCell;

// Width of a tab at `x` followed by 5 mm cells `after`.
double tabWidth(const std::string& after, std::vector<TTabStop> stops, double x, uint8_t* leader = nullptr) {
  std::vector<TCharRec> cells{textCell('\t', 12.5, -1.0)};
  for (char c : after) cells.push_back(textCell(c));
  if (!after.empty() && after[0] == ',') cells[1].Kind = kCellPicture;  // not text: no comma
  TParaFormat para;
  para.Tabs = std::move(stops);
  measureTabCell(cells, 0, x, para);
  if (leader) *leader = cells[0].TabLeader;
  return cells[0].CharWidth;
}

TEST(TabStops, AlignTheTextThatFollowsAndCopyTheLeader) {
  uint8_t leader = 9;
  EXPECT_DOUBLE_EQ(tabWidth("abc", {{30, 0, 3}}, 10, &leader), 20);
  EXPECT_EQ(leader, 3);
  EXPECT_DOUBLE_EQ(tabWidth("abc", {{50, 1, 0}}, 10), 32.5);  // centred: half of the 15 mm
  EXPECT_DOUBLE_EQ(tabWidth("abc", {{50, 2, 0}}, 10), 25);
  EXPECT_DOUBLE_EQ(tabWidth("12,50", {{50, 3, 0}}, 10), 30);  // decimal: up to the comma
  EXPECT_DOUBLE_EQ(tabWidth(",1,", {{50, 3, 0}}, 10), 30);
  EXPECT_DOUBLE_EQ(tabWidth("abc\tdefgh", {{50, 2, 0}}, 10), 25);  // only up to the next tab
  EXPECT_DOUBLE_EQ(tabWidth(std::string(20, 'w'), {{50, 2, 0}}, 10), 0);
}

TEST(TabStops, DefaultStopsBeyondTheLastStop) {
  uint8_t leader = 9;
  EXPECT_DOUBLE_EQ(tabWidth("a", {{20, 0, 1}}, 26, &leader), 11.5);  // to 37.5
  EXPECT_EQ(leader, 0);
  EXPECT_DOUBLE_EQ(tabWidth("a", {}, 25), 12.5);

  test::LayoutFixture f;
  f.body().Lines = {test::textLine("ab\tcd")};
  f.body().Lines[0].Chars[2] = textCell('\t', 12.5, -1.0);
  f.body().Lines[0].Para.Tabs = {{95, 2, 2}};
  f.run();
  EXPECT_DOUBLE_EQ(f.body().Lines[0].Chars[2].CharWidth, 75);
  EXPECT_DOUBLE_EQ(f.body().Lines[0].LineHeight, test::kCellHeight);  // the tab's −1 is no height
}

}  // namespace
}  // namespace vendaro
