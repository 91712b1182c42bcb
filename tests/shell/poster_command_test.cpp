// The options of --poster-pdf: paper names and sizes, landscape, margin,
// the line and overlap switches, one sheet by column and row, and the calls
// that are refused.
#include "shell/poster_command.h"

#include <gtest/gtest.h>

namespace vendaro {
namespace {

std::optional<PosterPdfOptions> parse(std::vector<std::string> middle, std::string* error = nullptr) {
  std::vector<std::string> args{"--poster-pdf", "out.pdf"};
  args.insert(args.end(), middle.begin(), middle.end());
  args.push_back("plakat.lpx");
  std::string message;
  std::optional<PosterPdfOptions> options = parsePosterPdfArguments(args, message);
  if (error) *error = message;
  return options;
}

TEST(PosterPdfArguments, DefaultsAreA4WithFiveMillimetresAndTheDialogsSettings) {
  const std::optional<PosterPdfOptions> options = parse({});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->output, "out.pdf");
  EXPECT_EQ(options->document, "plakat.lpx");
  EXPECT_EQ(options->sheetWidthMm, 210.0);
  EXPECT_EQ(options->sheetHeightMm, 297.0);
  EXPECT_EQ(options->marginMm, 5.0);
  EXPECT_EQ(options->settings, PosterSettings{});
}

TEST(PosterPdfArguments, SheetsMarginAndSwitches) {
  const std::optional<PosterPdfOptions> a0 = parse({"--sheet", "A0", "--landscape", "--margin", "0"});
  ASSERT_TRUE(a0);
  EXPECT_EQ(a0->sheetWidthMm, 1189.0);
  EXPECT_EQ(a0->sheetHeightMm, 841.0);
  EXPECT_EQ(a0->marginMm, 0.0);
  const std::optional<PosterPdfOptions> own = parse({"--sheet", "300x450.5"});
  ASSERT_TRUE(own);
  EXPECT_EQ(own->sheetWidthMm, 300.0);
  EXPECT_EQ(own->sheetHeightMm, 450.5);

  const std::optional<PosterPdfOptions> switched =
      parse({"--no-overlap", "--no-cut-lines", "--no-glue-lines", "--edge-lines", "--only", "2,3"});
  ASSERT_TRUE(switched);
  PosterSettings expected;
  expected.glueMargin = false;
  expected.cutLines = false;
  expected.glueLines = false;
  expected.noEdgeLines = false;
  expected.allSheets = false;
  expected.column = 2;
  expected.row = 3;
  EXPECT_EQ(switched->settings, expected);
}

TEST(PosterPdfArguments, WrongCallsAreRefusedWithAReason) {
  const std::vector<std::vector<std::string>> wrong{
      {"--sheet", "B5"},      {"--sheet", "100x"},     {"--sheet", "5x5"},     {"--sheet", "9000x300"},
      {"--margin", "fünf"},   {"--margin", "-1"},      {"--margin", "101"},    {"--only", "1"},
      {"--only", "-1,0"},     {"--only", "1.5,0"},     {"--colour"},           {"--sheet"}};
  for (const std::vector<std::string>& middle : wrong) {
    std::string error;
    EXPECT_FALSE(parse(middle, &error)) << middle[0];
    EXPECT_FALSE(error.empty()) << middle[0];
  }
  std::string error;
  EXPECT_FALSE(parsePosterPdfArguments({"--poster-pdf", "out.pdf"}, error));
  EXPECT_FALSE(parsePosterPdfArguments({"--poster-pdf", "out.pdf", "--landscape"}, error));
}

}  // namespace
}  // namespace vendaro
