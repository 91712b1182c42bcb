// Compound files: streams come back whole from regular and mini sectors, and
// damaged tables end a walk or hide a stream without leaving the bytes.
#include "formats/compound_file.h"

#include <gtest/gtest.h>

#include "support/compound_file_builder.h"

namespace vendaro {
namespace {

using testing::CompoundFileBuilder;

std::vector<uint8_t> bytesOf(std::optional<std::span<const uint8_t>> stream) {
  return stream ? std::vector<uint8_t>(stream->begin(), stream->end()) : std::vector<uint8_t>{};
}

std::vector<uint8_t> pattern(size_t size, uint8_t seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7 + i / 251);
  return bytes;
}

struct Sample {
  CompoundFileBuilder builder;
  std::vector<uint8_t> small = pattern(300, 1), large = pattern(5000, 2);
  std::vector<uint8_t> bytes;
  explicit Sample(size_t padding = 0) {
    builder.add("WordDocument", large);
    builder.add("1Table", small);
    builder.padSectors(padding);
    bytes = builder.build();
  }
  std::optional<CompoundFile> open() const { return CompoundFile::open(bytes); }
};

TEST(CompoundFile, StreamsComeBackWholeByNameInAnyCase) {
  {
    Sample sample;
    auto file = sample.open();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->streamNames(), (std::vector<std::string>{"WordDocument", "1Table"}));
    ASSERT_TRUE(file->stream("worddocument"));
    EXPECT_EQ(bytesOf(file->stream("WORDDOCUMENT")), sample.large);
    ASSERT_TRUE(file->stream("1table"));
    EXPECT_EQ(bytesOf(file->stream("1Table")), sample.small);
    EXPECT_FALSE(file->stream("Data"));
  }
}

TEST(CompoundFile, SectorTablesBeyondTheHeaderAreFoundThroughTheirChain) {
  // Enough sectors that 109 table sectors do not cover them: the streams
  // lie where only the chained table sectors describe them.
  Sample sample(15000);
  ASSERT_FALSE(sample.builder.difatSectors.empty());
  auto file = sample.open();
  ASSERT_TRUE(file && file->stream("WordDocument"));
  EXPECT_EQ(bytesOf(file->stream("WordDocument")), sample.large);
  EXPECT_EQ(bytesOf(file->stream("1Table")), sample.small);

  // A chain of table sectors that returns to itself ends; what it gave stays.
  CompoundFileBuilder::put32(sample.bytes, CompoundFileBuilder::offsetOf(sample.builder.difatSectors[0]) + 508,
                             sample.builder.difatSectors[0]);
  CompoundFileBuilder::put32(sample.bytes, 0x48, 1000);
  EXPECT_TRUE(sample.open());
}

TEST(CompoundFile, NotACompoundFileIsRefused) {
  Sample sample;
  std::vector<uint8_t> wrong = sample.bytes;
  wrong[0] = 'x';
  EXPECT_FALSE(CompoundFile::open(wrong));
  EXPECT_FALSE(CompoundFile::open(std::vector<uint8_t>(sample.bytes.begin(), sample.bytes.begin() + 100)));
  std::vector<uint8_t> badShift = sample.bytes;
  CompoundFileBuilder::put16(badShift, 0x1E, 30);
  EXPECT_FALSE(CompoundFile::open(badShift));
}

TEST(CompoundFile, DamagedChainsAreCutToWhatTheyHold) {
  Sample sample;
  const uint32_t first = sample.builder.streamStart(0);  // 10 sectors of 512
  struct Damage { uint32_t link; size_t expected; };
  // A cycle back to the start, a link past the end of the file and a link
  // far outside the table each end the chain after the sectors read so far.
  for (const Damage damage : {Damage{first, 3 * 512u}, Damage{0x00FFFFFF, 3 * 512u}, Damage{first + 2, 3 * 512u}}) {
    std::vector<uint8_t> bytes = sample.bytes;
    CompoundFileBuilder::put32(bytes, sample.builder.fatEntryOffset(first + 2), damage.link);
    auto file = CompoundFile::open(bytes);
    ASSERT_TRUE(file && file->stream("WordDocument"));
    const std::vector<uint8_t> content = bytesOf(file->stream("WordDocument"));
    ASSERT_EQ(content.size(), damage.expected);
    EXPECT_TRUE(std::equal(content.begin(), content.end(), sample.large.begin()));
  }
  // A chain that skips sectors is read in its own order.
  std::vector<uint8_t> skipping = sample.bytes;
  CompoundFileBuilder::put32(skipping, sample.builder.fatEntryOffset(first + 2), first + 5);
  auto skipped = CompoundFile::open(skipping);
  ASSERT_TRUE(skipped);
  std::vector<uint8_t> expected(sample.large.begin(), sample.large.begin() + 3 * 512);
  expected.insert(expected.end(), sample.large.begin() + 5 * 512, sample.large.end());
  expected.resize(8 * 512, 0);  // the declared size, cut to the eight sectors left
  EXPECT_EQ(bytesOf(skipped->stream("WordDocument")), expected);

  // A declared size far beyond the chain is cut to it.
  std::vector<uint8_t> huge = sample.bytes;
  CompoundFileBuilder::put32(huge, sample.builder.entryOffset(1) + 0x78, 0xFFFFFFF0);
  auto file = CompoundFile::open(huge);
  ASSERT_TRUE(file && file->stream("WordDocument"));
  EXPECT_EQ(file->stream("WordDocument")->size(), 10 * 512u);
}

TEST(CompoundFile, DamagedMiniSectorsAndDirectoryLinksEndTheWalk) {
  Sample sample;
  // The small stream's mini sectors: its chain made into a cycle.
  std::vector<uint8_t> cycle = sample.bytes;
  const uint32_t miniFatSector = sample.bytes[0x3C] | sample.bytes[0x3D] << 8;
  const uint32_t smallStart = sample.builder.streamStart(1);
  CompoundFileBuilder::put32(cycle, CompoundFileBuilder::offsetOf(miniFatSector) + 4 * (smallStart + 1), smallStart);
  auto file = CompoundFile::open(cycle);
  ASSERT_TRUE(file && file->stream("1Table"));
  EXPECT_EQ(file->stream("1Table")->size(), 128u);

  // Sibling links in a circle, and a child link out of range.
  std::vector<uint8_t> loop = sample.bytes;
  CompoundFileBuilder::put32(loop, sample.builder.entryOffset(2) + 0x48, 1);
  CompoundFileBuilder::put32(loop, sample.builder.entryOffset(2) + 0x44, 0);
  file = CompoundFile::open(loop);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->streamNames().size(), 2u);
  CompoundFileBuilder::put32(loop, sample.builder.entryOffset(0) + 0x4C, 77777);
  file = CompoundFile::open(loop);
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->streamNames().empty());
}

}  // namespace
}  // namespace vendaro
