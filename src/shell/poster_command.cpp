#include "shell/poster_command.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "editing/editor.h"
#include "output/pdf_poster_printer.h"
#include "output/poster_printing.h"
#include "shell/command_support.h"
#include "shell/headless_host.h"

namespace vendaro {
namespace {

struct NamedSheet {
  const char* name;
  double widthMm, heightMm;
};
constexpr NamedSheet kNamedSheets[] = {{"A4", 210.0, 297.0}, {"A3", 297.0, 420.0}, {"A0", 841.0, 1189.0}};

// Sheets from 1 cm to 5 m; the printable part at least 1 cm each way.
constexpr double kMinSheetMm = 10.0;
constexpr double kMaxSheetMm = 5000.0;
// More sheets than anyone glues together: a mistyped size, not a poster.
constexpr double kMaxSheets = 10000.0;

std::optional<double> parseNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> parseIndex(const std::string& text) {
  const std::optional<double> value = parseNumber(text);
  if (!value || *value < 0 || *value > 1e6 || *value != std::floor(*value)) return std::nullopt;
  return static_cast<int>(*value);
}

bool parseSheet(const std::string& text, PosterPdfOptions& options) {
  for (const NamedSheet& sheet : kNamedSheets) {
    if (text == sheet.name) {
      options.sheetWidthMm = sheet.widthMm;
      options.sheetHeightMm = sheet.heightMm;
      return true;
    }
  }
  const size_t cross = text.find('x');
  if (cross == std::string::npos) return false;
  const std::optional<double> width = parseNumber(text.substr(0, cross));
  const std::optional<double> height = parseNumber(text.substr(cross + 1));
  if (!width || !height) return false;
  options.sheetWidthMm = *width;
  options.sheetHeightMm = *height;
  return true;
}

bool parseOnly(const std::string& text, PosterSettings& settings) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  const std::optional<int> column = parseIndex(text.substr(0, comma));
  const std::optional<int> row = parseIndex(text.substr(comma + 1));
  if (!column || !row) return false;
  settings.allSheets = false;
  settings.column = *column;
  settings.row = *row;
  return true;
}

bool sizesAcceptable(const PosterPdfOptions& options, std::string& error) {
  const auto inRange = [](double mm) { return mm >= kMinSheetMm && mm <= kMaxSheetMm; };
  if (!inRange(options.sheetWidthMm) || !inRange(options.sheetHeightMm)) {
    error = "Das Blatt muss zwischen 10 und 5000 mm breit und hoch sein.";
    return false;
  }
  const double printable = std::min(options.sheetWidthMm, options.sheetHeightMm) - 2 * options.marginMm;
  if (options.marginMm < 0 || printable < kMinSheetMm) {
    error = "Der Rand lässt vom Blatt zu wenig übrig.";
    return false;
  }
  return true;
}

// A flag without a value, or false when `arg` is none.
bool applyFlag(const std::string& arg, PosterPdfOptions& options, bool& landscape) {
  PosterSettings& s = options.settings;
  if (arg == "--landscape") landscape = true;
  else if (arg == "--no-overlap") s.glueMargin = false;
  else if (arg == "--no-cut-lines") s.cutLines = false;
  else if (arg == "--no-glue-lines") s.glueLines = false;
  else if (arg == "--edge-lines") s.noEdgeLines = false;
  else return false;
  return true;
}

// An option with a value; false (with `error` set) when it is wrong.
bool applyValueOption(const std::string& arg, const std::string& value, PosterPdfOptions& options,
                      std::string& error) {
  if (arg == "--sheet" && parseSheet(value, options)) return true;
  if (arg == "--only" && parseOnly(value, options.settings)) return true;
  if (arg == "--margin") {
    if (const std::optional<double> margin = parseNumber(value)) {
      options.marginMm = *margin;
      return true;
    }
  }
  error = "Ungültiger Wert für " + arg + ": " + value;
  return false;
}

// The sheets a plan of this poster would need, counted before planning.
double estimatedSheets(const Document& doc, const PosterPdfOptions& options) {
  const double stepWidth = (options.sheetWidthMm - 2 * options.marginMm) * 0.95;
  const double stepHeight = (options.sheetHeightMm - 2 * options.marginMm) * 0.95;
  return std::ceil(doc.PageWidth / stepWidth + 1) * std::ceil(doc.PageHeight / stepHeight + 1);
}

}  // namespace

std::optional<PosterPdfOptions> parsePosterPdfArguments(const std::vector<std::string>& args, std::string& error) {
  if (args.size() < 3 || isOption(args[1]) || isOption(args.back())) {
    error = "--poster-pdf erwartet eine PDF-Datei, Angaben zum Blatt und eine Datei.";
    return std::nullopt;
  }
  PosterPdfOptions options;
  options.output = args[1];
  options.document = args.back();
  bool landscape = false;
  for (size_t i = 2; i + 1 < args.size(); ++i) {
    const std::string& arg = args[i];
    if (applyFlag(arg, options, landscape)) continue;
    const bool takesValue = arg == "--sheet" || arg == "--margin" || arg == "--only";
    if (!takesValue) {
      error = "Unbekannte Angabe: " + arg;
      return std::nullopt;
    }
    if (i + 2 >= args.size()) {
      error = arg + " erwartet einen Wert.";
      return std::nullopt;
    }
    if (!applyValueOption(arg, args[++i], options, error)) return std::nullopt;
  }
  if (landscape) std::swap(options.sheetWidthMm, options.sheetHeightMm);
  if (!sizesAcceptable(options, error)) return std::nullopt;
  return options;
}

int runPosterPdf(const std::vector<std::string>& args) {
  std::string error;
  std::optional<PosterPdfOptions> options = parsePosterPdfArguments(args, error);
  if (!options) return usageError(error);
  HeadlessHost host;
  Editor editor(host);
  if (!openForCommand(editor, options->document)) return kExitFailure;
  if (estimatedSheets(editor.doc(), *options) > kMaxSheets)
    return failure("Das Poster bräuchte mehr als 10000 Blätter; bitte ein größeres Blatt wählen.");
  PdfPosterPrinter printer(options->output, editor.doc().fontEngine(), options->sheetWidthMm,
                           options->sheetHeightMm, options->marginMm);
  const PosterOutcome outcome = printPoster(editor, printer, options->settings);
  if (!outcome.succeeded) return failure(outcome.failure);
  // Printing reports an empty job; a command asked for a file fails.
  if (outcome.printedSheets == 0) {
    return failure("Das gewählte Blatt liegt außerhalb des Posters (" + std::to_string(outcome.columns) + " x " +
                   std::to_string(outcome.rows) + " Blätter); es wurde keine Datei geschrieben.");
  }
  std::printf("%s\n", posterReport(outcome.printedSheets, outcome.columns, outcome.rows).c_str());
  return std::fflush(stdout) == 0 ? 0 : kExitFailure;
}

}  // namespace vendaro
