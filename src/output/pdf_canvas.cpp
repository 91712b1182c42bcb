#include "output/pdf_canvas.h"

#include <algorithm>
#include <cstdlib>

#include "output/pdf_font_objects.h"
#include "output/pdf_format.h"
#include "output/pdf_images.h"
#include "platform/font_engine.h"

namespace vendaro {

namespace {

constexpr int kProcSetObject = 1;
constexpr int kFirstContentObject = 2;
// PDF 1.3 viewers take pages up to 14,400 units (200 inches) on a side.
// A larger page counts in units of several points (PDF 1.6's /UserUnit).
constexpr int kLargestPageUnits = 14400;
constexpr std::string_view kHeader = "%PDF-1.3";
constexpr std::string_view kLargePageHeader = "%PDF-1.6";  // as long as kHeader
constexpr int kScaleDecimals = 8;

int userUnitFor(int width, int height) {
  const int longest = std::max(std::abs(width), std::abs(height));
  return longest <= kLargestPageUnits ? 1 : (longest + kLargestPageUnits - 1) / kLargestPageUnits;
}

constexpr const char* kOutOfMemoryMessage = "Fehler: nicht genug Speicher für diese Operation!";

FontSpec measuringSpec(const CanvasFont& font) {
  FontSpec spec;
  spec.faceName = font.name;
  spec.pixelSize = std::max(1, font.size);  // 72 pixels per inch: pixels are points
  spec.bold = font.bold;
  spec.italic = font.italic;
  spec.charset = font.charset;
  return spec;
}

bool measuresAlike(const CanvasFont& a, const CanvasFont& b) {
  return a.size == b.size && a.bold == b.bold && a.italic == b.italic && a.charset == b.charset &&
         a.name == b.name;
}

// Right and bottom lie just outside a Windows rectangle, so the last point
// drawn is one short of them: the extent shrinks by one toward zero, for
// reversed corners as well. Images are placed the same way.
int spanOf(int from, int to) { return to > from ? to - from - 1 : to - from + 1; }
int shrinkToward0(int extent) { return extent >= 1 ? extent - 1 : extent + 1; }

void appendDash(std::string& out, PenStyle style) {
  switch (style) {
    case PenStyle::dash: out += "[3] 0 d\n"; break;
    case PenStyle::dot: out += "[1] 0 d\n"; break;
    case PenStyle::dashDot: out += "[3 1 1 1] 0 d\n"; break;
    case PenStyle::dashDotDot: out += "[3 1 1 1 1 1] 0 d\n"; break;
    case PenStyle::solid:
    case PenStyle::insideFrame: out += "[ ] 0 d\n"; break;
    case PenStyle::clear: break;
  }
}

}  // namespace

TPDFCanvas::TPDFCanvas() : TPDFCanvas(FontEngine::shared()) {}

TPDFCanvas::TPDFCanvas(FontEngine& engine) : engine_(engine) {}

TPDFCanvas::~TPDFCanvas() {
  if (open_) EndDoc();
}

bool TPDFCanvas::BeginDoc(const std::filesystem::path& path) {
  if (open_) return false;
  resetDocument();
  error_.clear();
  if (!file_.create(path)) {
    error_ = file_.error();
    return false;
  }
  file_.writeLine(kHeader);
  objects_.beginObject(file_);
  file_.writeLine("[/PDF /Text /ImageB /ImageC /ImageI]");
  objects_.endObject(file_);
  open_ = true;
  openPage();
  return true;
}

void TPDFCanvas::NewPage() {
  if (!open_) return;
  endPage();
  openPage();
}

bool TPDFCanvas::EndDoc() {
  if (!open_) return false;
  endPage();
  const std::vector<int> fontObjects = writeFonts();
  const int pagesObject = objects_.nextNumber();
  writePageTree(pagesObject, fontObjects);
  const int catalogObject = objects_.nextNumber();
  writeCatalog(pagesObject);
  writeImages();
  objects_.writeXrefAndTrailer(file_, catalogObject);
  const bool large = std::any_of(pageSizes_.begin(), pageSizes_.end(),
                                 [](const PageSize& size) { return userUnitFor(size.width, size.height) > 1; });
  if (large) file_.overwrite(0, kLargePageHeader);
  const bool written = file_.commit();
  error_ = file_.error();
  open_ = false;
  resetDocument();
  return written;
}

void TPDFCanvas::openPage() {
  const int contentObject = objects_.beginObject(file_);
  std::string line = "<< /Length ";
  appendInt(line, contentObject + 1);
  line += " 0 R /Filter /FlateDecode >>";
  file_.writeLine(line);
  file_.writeLine("stream");
  // Every page states its pen, brush and font anew.
  invalidateState();
  clipped_ = false;
  strokingText_ = false;
  content_.clear();
}

void TPDFCanvas::invalidateState() {
  penValid_ = false;
  brushValid_ = false;
  fontValid_ = false;
  emboldenValid_ = false;
}

void TPDFCanvas::endPage() {
  ResetClip();
  const int unit = userUnitFor(PageWidthPt, PageHeightPt);
  if (unit > 1) {
    // The drawing keeps counting in points.
    std::string scale;
    appendDecimal(scale, 1.0 / unit, kScaleDecimals);
    content_.insert(0, scale + " 0 0 " + scale + " 0 0 cm\n");
  }
  const uint64_t compressedLength = file_.writeDeflated(content_);
  content_.clear();
  file_.writeLine("");
  file_.writeLine("endstream");
  objects_.endObject(file_);
  objects_.beginObject(file_);
  std::string length;
  appendInt(length, static_cast<long long>(compressedLength));
  file_.writeLine(length);
  objects_.endObject(file_);
  pageSizes_.push_back({PageWidthPt, PageHeightPt});
}

std::vector<int> TPDFCanvas::writeFonts() {
  std::vector<int> numbers;
  for (const PdfFontEntry& font : fonts_.entries()) numbers.push_back(writePdfFont(file_, objects_, font, engine_));
  return numbers;
}

void TPDFCanvas::writePageTree(int pagesObject, const std::vector<int>& fontObjects) {
  const int pageCount = static_cast<int>(pageSizes_.size());
  objects_.beginObject(file_);
  std::string text = "<<\n/Type /Pages\n/Count ";
  appendInt(text, pageCount);
  text += "\n/Kids [";
  for (int k = 0; k < pageCount; ++k) {
    if (k > 0) text += ' ';
    appendInt(text, pagesObject + 1 + k);
    text += " 0 R";
  }
  text += "]\n>>\n";
  file_.write(text);
  objects_.endObject(file_);

  // Every page lists every font and every image of the document.
  std::string resources = "/Resources <</XObject << ";
  const int firstImageObject = pagesObject + pageCount + 3;
  for (size_t i = 0; i < images_.size(); ++i) {
    resources += "/Im";
    appendInt(resources, static_cast<long long>(i));
    resources += ' ';
    appendInt(resources, firstImageObject + static_cast<long long>(i));
    resources += " 0 R";
  }
  resources += " >>\n/Font << ";
  for (size_t j = 1; j <= fontObjects.size(); ++j) {
    resources += "/F";
    appendInt(resources, static_cast<long long>(j));
    resources += ' ';
    appendInt(resources, fontObjects[j - 1]);
    resources += " 0 R";
  }
  resources += ">> /ProcSet ";
  appendInt(resources, kProcSetObject);
  resources += " 0 R\n>>\n";

  for (int k = 0; k < pageCount; ++k) {
    objects_.beginObject(file_);
    std::string page = "<<\n/Type /Page\n/Parent ";
    appendInt(page, pagesObject);
    page += " 0 R\n";
    page += resources;
    const int unit = userUnitFor(pageSizes_[k].width, pageSizes_[k].height);
    page += "/MediaBox [0 0 ";
    appendDecimal(page, static_cast<double>(pageSizes_[k].width) / unit);
    page += ' ';
    appendDecimal(page, static_cast<double>(pageSizes_[k].height) / unit);
    page += "]\n";
    if (unit > 1) {
      page += "/UserUnit ";
      appendInt(page, unit);
      page += '\n';
    }
    page += "/Contents ";
    appendInt(page, kFirstContentObject + 2 * k);
    page += " 0 R\n>>\n";
    file_.write(page);
    objects_.endObject(file_);
  }
}

void TPDFCanvas::writeCatalog(int pagesObject) {
  const int catalogObject = objects_.beginObject(file_);
  std::string text = "<<\n/Type /Catalog\n/Pages ";
  appendInt(text, pagesObject);
  text += " 0 R\n/Outlines ";
  appendInt(text, catalogObject + 1);
  text += " 0 R\n>>\n";
  file_.write(text);
  objects_.endObject(file_);

  objects_.beginObject(file_);
  file_.write("<<\n/Type /Outlines\n/Count 0\n>>\n");
  objects_.endObject(file_);
}

void TPDFCanvas::writeImages() {
  bool outOfMemory = false;
  for (const TPictureRec& image : images_) {
    objects_.beginObject(file_);
    if (!writeImageObjectBody(file_, image)) outOfMemory = true;
    objects_.endObject(file_);
  }
  if (outOfMemory && ShowMessage) ShowMessage(kOutOfMemoryMessage);
}

int TPDFCanvas::imageNumberFor(const TPictureRec& bitmap) {
  for (size_t i = 0; i < images_.size(); ++i) {
    if (isSamePicture(images_[i], bitmap)) return static_cast<int>(i);
  }
  images_.push_back(bitmap);  // shares the pixel rows
  return static_cast<int>(images_.size()) - 1;
}

void TPDFCanvas::resetDocument() {
  objects_.clear();
  fonts_.clear();
  pageSizes_.clear();
  images_.clear();
  content_.clear();
  numberedFont_ = 0;
  penX_ = 0;
  penY_ = 0;
}

void TPDFCanvas::applyPen() {
  if (penValid_ && Pen == lastPen_) return;
  appendDash(content_, Pen.style);
  penClear_ = Pen.style == PenStyle::clear;
  if (!penClear_) {
    appendInt(content_, Pen.width);
    content_ += " w\n";
    appendColour(content_, Pen.color, "RG\n");
  }
  lastPen_ = Pen;
  penValid_ = true;
  emboldenValid_ = false;  // the line width and stroke colour are the pen's now
}

void TPDFCanvas::applyBrush() {
  if (brushValid_ && Brush == lastBrush_) return;
  brushClear_ = Brush.style == BrushStyle::clear;
  if (!brushClear_) appendColour(content_, Brush.color, "rg\n");
  lastBrush_ = Brush;
  brushValid_ = true;
}

void TPDFCanvas::applyFont() {
  // Text and fills share the fill colour.
  if (!brushValid_ || lastBrush_.color != Font.color) {
    appendColour(content_, Font.color, "rg\n");
    lastBrush_.color = Font.color;
    brushValid_ = true;
  }
  const uint8_t styles = pdfFontStyles(Font);
  if (numberedFont_ == 0 || styles != numberedStyles_ || Font.name != numberedFace_) {
    numberedFont_ = fonts_.numberFor(Font.name, styles);
    numberedFace_ = Font.name;
    numberedStyles_ = styles;
    const ResolvedFace resolved = engine_.resolve(Font.name, Font.bold, Font.italic);
    numberedSyntheticBold_ = resolved.syntheticBold;
    numberedSyntheticItalic_ = resolved.syntheticItalic;
  }
  if (fontValid_ && numberedFont_ == lastFontNumber_ && Font.size == lastFontSize_) return;
  content_ += "/F";
  appendInt(content_, numberedFont_);
  content_ += ' ';
  appendInt(content_, Font.size);
  content_ += " Tf\n";
  lastFontNumber_ = numberedFont_;
  lastFontSize_ = Font.size;
  fontValid_ = true;
}

void TPDFCanvas::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

void TPDFCanvas::LineTo(int x, int y) {
  if (!open_) return;
  applyPen();
  if (!penClear_) strokeLine(penX_, penY_, x, y);
  penX_ = x;
  penY_ = y;
}

void TPDFCanvas::strokeLine(int x0, int y0, int x1, int y1) {
  appendInt(content_, x0);
  content_ += ' ';
  appendInt(content_, flipY(y0));
  content_ += " m\n";
  appendInt(content_, x1);
  content_ += ' ';
  appendInt(content_, flipY(y1));
  content_ += " l\nS\n";
}

void TPDFCanvas::appendRect(const CanvasRect& rect) {
  appendInt(content_, rect.left);
  content_ += ' ';
  appendInt(content_, flipY(rect.bottom) + 1);
  content_ += ' ';
  appendInt(content_, spanOf(rect.left, rect.right));
  content_ += ' ';
  appendInt(content_, spanOf(rect.top, rect.bottom));
  content_ += " re\n";
}

void TPDFCanvas::FillRect(const CanvasRect& rect) {
  if (!open_ || rect.right == rect.left || rect.bottom == rect.top) return;
  applyBrush();
  if (brushClear_) return;
  appendRect(rect);
  content_ += "f\n";
}

void TPDFCanvas::Rectangle(const CanvasRect& rect) {
  if (!open_) return;
  if (Pen.style == PenStyle::clear) {
    FillRect(rect);
    return;
  }
  if (rect.right == rect.left || rect.bottom == rect.top) return;
  applyPen();
  applyBrush();
  if (!brushClear_) {
    appendRect(rect);
    content_ += "B\n";
    return;
  }
  MoveTo(rect.left, rect.top);
  LineTo(rect.right - 1, rect.top);
  LineTo(rect.right - 1, rect.bottom - 1);
  LineTo(rect.left, rect.bottom - 1);
  LineTo(rect.left, rect.top);
}

void TPDFCanvas::Ellipse(const CanvasRect& rect) {
  if (!open_ || rect.right == rect.left || rect.bottom == rect.top) return;
  applyPen();
  applyBrush();
  if (penClear_ && brushClear_) return;
  // The box through the points Rectangle strokes: right and bottom one in.
  const double left = rect.left;
  const double right = rect.right > rect.left ? rect.right - 1 : rect.right + 1;
  const double top = flipY(rect.top);
  const double bottom = flipY(rect.bottom > rect.top ? rect.bottom - 1 : rect.bottom + 1);
  appendEllipsePath(content_, left, bottom, right, top);
  content_ += penClear_ ? "f\n" : brushClear_ ? "S\n" : "B\n";
}

void TPDFCanvas::SetClip(const CanvasRect& rect) {
  if (!open_) return;
  ResetClip();
  const int left = std::min(rect.left, rect.right);
  const int top = std::min(rect.top, rect.bottom);
  content_ += "q\n";
  strokingTextAtClip_ = strokingText_;
  appendInt(content_, left);
  content_ += ' ';
  appendInt(content_, flipY(std::max(rect.top, rect.bottom)));
  content_ += ' ';
  appendInt(content_, std::max(rect.left, rect.right) - left);
  content_ += ' ';
  appendInt(content_, std::max(rect.top, rect.bottom) - top);
  content_ += " re W n\n";
  clipped_ = true;
}

void TPDFCanvas::ResetClip() {
  if (!open_ || !clipped_) return;
  content_ += "Q\n";
  clipped_ = false;
  strokingText_ = strokingTextAtClip_;
  // Q brings back the pen, brush and font of before the clip.
  invalidateState();
}

void TPDFCanvas::TextOut(int x, int y, std::string_view text) {
  if (!open_) return;
  const int baseline = TextBaseline(y);
  content_ += "BT\n";
  applyFont();
  applyTextRendering();
  PdfFontEntry& font = fonts_.entry(numberedFont_);
  for (char ch : text) font.used[static_cast<uint8_t>(ch)] = true;
  appendTextPosition(x, flipY(baseline));
  content_ += " (";
  appendEscapedText(content_, text);
  content_ += ") Tj\nET\n";
}

void TPDFCanvas::applyTextRendering() {
  if (numberedSyntheticBold_ != strokingText_) {
    content_ += numberedSyntheticBold_ ? "2 Tr\n" : "0 Tr\n";
    strokingText_ = numberedSyntheticBold_;
  }
  if (!numberedSyntheticBold_) return;
  if (emboldenValid_ && emboldenSize_ == Font.size && emboldenColour_ == Font.color) return;
  // The outline grows by 1/24 em, half of it on either side of each stroke.
  appendDecimal(content_, Font.size / 24.0);
  content_ += " w\n";
  appendColour(content_, Font.color, "RG\n");
  emboldenValid_ = true;
  emboldenSize_ = Font.size;
  emboldenColour_ = Font.color;
  penValid_ = false;
}

// A face without an italic file is slanted by 12°, as the font engine
// measures and the screen draws it.
void TPDFCanvas::appendTextPosition(int x, int baseline) {
  if (numberedSyntheticItalic_) {
    content_ += "1 0 0.213 1 ";  // tan 12°
    appendInt(content_, x);
    content_ += ' ';
    appendInt(content_, baseline);
    content_ += " Tm";
    return;
  }
  appendInt(content_, x);
  content_ += ' ';
  appendInt(content_, baseline);
  content_ += "  Td";
}

int TPDFCanvas::TextWidth(std::string_view text) {
  return engine_.textWidth(measuringSpec(Font), text);
}

int TPDFCanvas::TextHeight(std::string_view /*text*/) { return fontMetrics().height; }

int TPDFCanvas::TextBaseline(int top) { return top + fontMetrics().ascent; }

const FontMetrics& TPDFCanvas::fontMetrics() {
  if (!measured_ || !measuresAlike(Font, measuredFont_)) {
    measuredMetrics_ = engine_.metrics(measuringSpec(Font));
    measuredFont_ = Font;
    measured_ = true;
  }
  return measuredMetrics_;
}

void TPDFCanvas::DrawDib(int x, int y, int width, int height, const TPictureRec& bitmap) {
  if (!open_ || width == 0 || height == 0 || !showableAsTrueColour(bitmap)) return;
  const int number = imageNumberFor(bitmap);
  const int scaledWidth = shrinkToward0(width);
  const int scaledHeight = shrinkToward0(height);
  content_ += "q\n";
  appendInt(content_, scaledWidth);
  content_ += " 0 0 ";
  appendInt(content_, scaledHeight);
  content_ += ' ';
  appendInt(content_, x);
  content_ += ' ';
  appendInt(content_, flipY(y) - scaledHeight);
  content_ += " cm\n/Im";
  appendInt(content_, number);
  content_ += " Do\nQ\n";
}

}  // namespace vendaro
