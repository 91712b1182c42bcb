// The shared line vector: copies share elements until one side writes one,
// reading never copies, the moves between vectors keep every line, and each
// place knows whether its line was written since it was settled.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "document/records.h"
#include "document/shared_lines.h"
#include "spelling/test_word_lists.h"

namespace vendaro {
namespace {

using test::lineOf;

std::string textOf(const TLineRec& line) {
  std::string text;
  for (const TCharRec& cell : line.Chars) text.push_back(static_cast<char>(cell.Ch));
  return text;
}

std::string textOf(const LineList& lines) {
  std::string text;
  for (const TLineRec& line : lines) text += textOf(line) + "|";
  return text;
}

TEST(SharedVector, AWriteCopiesOnlyTheLineWrittenAndNeverReachesTheCopy) {
  LineList lines{lineOf("ab"), lineOf("cd"), lineOf("ef")};
  const LineList copy = lines;
  const LineList& reader = lines;
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(reader.identity(i), copy.identity(i));
  EXPECT_EQ(textOf(reader), "ab|cd|ef|");  // reading copies nothing
  EXPECT_FALSE(lines.ownsAlone(0));

  lines[1].Chars[0].Ch = 'X';
  lines.back().Dirty = 1;
  EXPECT_EQ(textOf(copy), "ab|cd|ef|");
  EXPECT_EQ(copy[2].Dirty, 0);
  EXPECT_EQ(textOf(reader), "ab|Xd|ef|");
  EXPECT_EQ(reader.identity(0), copy.identity(0));
  EXPECT_NE(reader.identity(1), copy.identity(1));
  EXPECT_TRUE(lines.ownsAlone(1));
  // A second write to a line held alone does not copy it again.
  const void* before = reader.identity(1);
  lines[1].Dirty = 1;
  EXPECT_EQ(reader.identity(1), before);
  EXPECT_FALSE(lines == copy);
  lines[1] = copy[1];
  lines[2].Dirty = 0;
  EXPECT_TRUE(lines == copy);
}

TEST(SharedVector, EqualNewLinesShareOneRecordUntilWritten) {
  LineList lines;
  lines.assign(3, lineOf("x"));
  EXPECT_EQ(std::as_const(lines).identity(0), std::as_const(lines).identity(2));
  for (TLineRec& line : lines) line.Chars.push_back(lineOf("y").Chars[0]);
  EXPECT_EQ(textOf(lines), "xy|xy|xy|");
  EXPECT_NE(lines.identity(0), lines.identity(2));
  lines.resize(1);
  lines.resize(2);
  EXPECT_EQ(textOf(lines), "xy||");
}

TEST(SharedVector, MovesBetweenVectorsKeepTheLinesAndTheirSharing) {
  LineList first{lineOf("a"), lineOf("b"), lineOf("c")};
  const LineList snapshot = first;
  LineList tail = first.takeFrom(1);
  EXPECT_EQ(textOf(first), "a|");
  EXPECT_EQ(textOf(tail), "b|c|");
  EXPECT_EQ(tail.identity(0), snapshot.identity(1));  // moved, not copied
  LineList other{lineOf("d")};
  other.prepend(std::move(tail));
  EXPECT_EQ(textOf(other), "b|c|d|");
  EXPECT_TRUE(tail.empty());
  first.append(std::move(other));
  EXPECT_EQ(textOf(first), "a|b|c|d|");
  const LineList middle = first.slice(1, 3);
  EXPECT_EQ(textOf(middle), "b|c|");
  first.insert(first.begin() + 1, lineOf("new"));
  first.erase(first.begin() + 3, first.end());
  EXPECT_EQ(textOf(first), "a|new|b|");
  EXPECT_EQ(textOf(snapshot), "a|b|c|");
  EXPECT_EQ(textOf(middle), "b|c|");
}

// What a settled place notes holds exactly while nothing writes its line:
// any non-const access, a copy made for a write, a new line and a line put
// in its place all count as changes; copies and moves keep the marks, and
// a change in one copy leaves the other's marks alone.
TEST(SharedVector, PlacesKnowWhetherTheirLineWasWrittenSinceSettled) {
  LineList lines{lineOf("a"), lineOf("b"), lineOf("c")};
  const LineList& reader = lines;
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(lines.changed(i));
  for (size_t i = 0; i < lines.size(); ++i) lines.settle(i, static_cast<uint8_t>(i + 1));
  EXPECT_EQ(reader[1].Dirty + reader.front().Dirty + reader.begin()->Dirty, 0);  // reading changes nothing
  EXPECT_FALSE(lines.changed(0));
  EXPECT_EQ(lines.marks(2), 3);
  const void* before = reader.identity(1);
  lines.settle(1, 2);
  EXPECT_EQ(reader.identity(1), before);  // settling never copies

  LineList copy = lines;
  (void)*(lines.begin() + 1);  // a write through an iterator, shared: copied and changed
  EXPECT_TRUE(lines.changed(1));
  EXPECT_EQ(lines.marks(1), 0);
  EXPECT_FALSE(copy.changed(1));
  EXPECT_EQ(copy.marks(1), 2);
  lines.back().Dirty = 1;
  EXPECT_TRUE(lines.changed(2));
  EXPECT_FALSE(lines.changed(0));

  // Inserting, erasing and cutting move the marks with their lines.
  lines.insert(lines.begin(), lineOf("new"));
  EXPECT_TRUE(lines.changed(0));
  EXPECT_EQ(lines.marks(1), 1);
  lines.erase(lines.begin());
  LineList tail = copy.takeFrom(1);
  EXPECT_EQ(tail.marks(0), 2);
  EXPECT_EQ(tail.marks(1), 3);
  copy.append(std::move(tail));
  EXPECT_EQ(copy.marks(2), 3);
  lines[2] = copy[2];
  EXPECT_TRUE(lines.changed(2));
  EXPECT_TRUE(lines == copy);
}

TEST(SharedLines, CountsWhatACopyDoesNotShare) {
  std::vector<TFieldRec> document(1);
  document[0].Lines = LineList{lineOf(std::string(100, 'a')), lineOf("b"), lineOf("c")};
  const std::vector<TFieldRec> step = document;
  const size_t arrays = step.capacity() * sizeof(TFieldRec) + 3 * sizeof(void*);
  EXPECT_EQ(bytesNotShared(step, document), arrays);
  document[0].Lines[0].Dirty = 1;  // the document's own copy now
  document[0].Lines.erase(document[0].Lines.begin() + 2);
  EXPECT_EQ(bytesNotShared(step, document), arrays + heapBytesOf(step[0].Lines[0]) + heapBytesOf(step[0].Lines[2]));
  EXPECT_GE(heapBytesOf(step[0].Lines[0]), 100 * sizeof(TCharRec));
}

}  // namespace
}  // namespace vendaro
