// poster_command.h — "vendaro --poster-pdf": the poster's sheets as one
// multi-page PDF file, cut as printing cuts them, without a printer,
// display or window library.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "output/poster_plan.h"

namespace vendaro {

struct PosterPdfOptions {
  std::filesystem::path output;
  std::filesystem::path document;
  double sheetWidthMm = 210.0;  // A4 upright
  double sheetHeightMm = 297.0;
  double marginMm = 5.0;        // unprinted border of each sheet
  PosterSettings settings;      // the poster dialog's defaults
};

// Reads "--poster-pdf OUT.pdf [--sheet A4|A3|A0|WxH] [--landscape]
// [--margin MM] [--no-overlap] [--no-cut-lines] [--no-glue-lines]
// [--edge-lines] [--only C,R] FILE"; on a wrong call, nothing and the German
// reason in `error`.
std::optional<PosterPdfOptions> parsePosterPdfArguments(const std::vector<std::string>& args, std::string& error);

// Runs the command; returns the exit status. The sheet count goes to
// standard output, a failure to standard error, and no file is left then.
int runPosterPdf(const std::vector<std::string>& args);

}  // namespace vendaro
