// rtf_writer.cpp — the order of an RTF file: header and tables, document
// information, page line, header and footer groups, then the body; and
// saving it.
#include <array>

#include "formats/lpx_file.h"
#include "formats/rtf_export.h"
#include "formats/rtf_file.h"
#include "platform/file_io.h"

namespace vendaro {
namespace {

constexpr int32_t kBodyFrame = 0;

struct HeaderGroup {
  const char* opening;
  int32_t field;
};

// The header and footer groups by frame 6's ShowOn: a different first
// page, facing pages, both, or one header and footer for all pages.
std::vector<HeaderGroup> headerGroups(uint8_t showOn) {
  switch (showOn) {
    case kShowOnNotFirst:
      return {{"\\titlepg{\\headerf", 1}, {"{\\footerf", 2}, {"{\\header", 5}, {"{\\footer", 6}};
    case kShowOnOdd:
      return {{"\\facingp{\\headerl", 3}, {"{\\footerl", 4}, {"{\\headerr", 5}, {"{\\footerr", 6}};
    case kShowOnOddNotFirst:
      return {{"\\facingp\\titlepg{\\headerf", 1}, {"{\\footerf", 2}, {"{\\headerl", 3},
              {"{\\footerl", 4},                   {"{\\headerr", 5}, {"{\\footerr", 6}};
    default: return {{"{\\header", 5}, {"{\\footer", 6}};
  }
}

}  // namespace

RtfExport::RtfExport(const Document& doc, RtfSink sink)
    : doc_(doc), out_(std::move(sink)), fonts_(doc), colours_(doc),
      frameWritten_(doc.Fields.size(), false), shapeWritten_(doc.Fields.size(), false) {
  findObjects();
}

void RtfExport::writeDocument() {
  out_.raw("{\\rtf1\\ansi");
  fonts_.write(out_);
  colours_.write(out_);
  writeInfo();
  writePageLine();
  writeHeadersAndFooters();
  writeFrame(kBodyFrame);
  out_.raw("}");
  out_.endLine();
}

void RtfExport::writeInfo() {
  static constexpr std::array<const char*, kDocPropCount> kGroups = {
      "{\\title ", "{\\subject ", "{\\author ", "{\\operator ", "{\\company ", "{\\category ", "{\\keywords ",
      "{\\comment "};
  out_.raw("{\\info");
  for (size_t i = 0; i < kGroups.size(); ++i) out_.raw(kGroups[i]).text(doc_.DocProps[i]).raw("}");
  out_.raw("}");
  out_.endLine();
}

int32_t RtfExport::frameValue(int32_t field, double TFieldRec::*value) const {
  if (field >= doc_.FieldCount()) return 0;
  return mmToTwips(doc_.Fields[static_cast<size_t>(field)].*value);
}

void RtfExport::writePageLine() {
  out_.word("\\paperw", mmToTwips(doc_.PageWidth)).word("\\paperh", mmToTwips(doc_.PageHeight));
  out_.word("\\margl", frameValue(kBodyFrame, &TFieldRec::MarginLeft));
  out_.word("\\margr", frameValue(kBodyFrame, &TFieldRec::MarginRight));
  out_.word("\\margt", frameValue(kBodyFrame, &TFieldRec::MarginTop));
  out_.word("\\margb", frameValue(kBodyFrame, &TFieldRec::MarginBottom));
  out_.raw("\\sectd").word("\\headery", frameValue(1, &TFieldRec::MarginTop));
  out_.word("\\footery", frameValue(2, &TFieldRec::MarginBottom));
  out_.raw("\\deftab720\\ftnbj\\sbknone");
  out_.endLine();
}

void RtfExport::writeHeadersAndFooters() {
  const uint8_t showOn = doc_.FieldCount() > 6 ? doc_.Fields[6].ShowOn : uint8_t{kShowOnAllPages};
  for (const HeaderGroup& group : headerGroups(showOn)) {
    out_.raw(group.opening);
    writeFrame(group.field);
    out_.raw("}");
  }
}

void writeRtf(const Document& doc, const RtfSink& sink) { RtfExport(doc, sink).writeDocument(); }

std::string encodeRtf(const Document& doc) {
  std::string bytes;
  writeRtf(doc, [&bytes](std::string_view piece) { bytes += piece; });
  return bytes;
}

bool SaveRTFFile(const Document& doc, const std::filesystem::path& path, std::string& message) {
  AtomicFileWriter file;
  if (file.open(path)) {
    writeRtf(doc, [&file](std::string_view piece) { file.write(piece); });
    if (file.commit()) return true;
  }
  message = cannotCreateMessage(path);
  return false;
}

}  // namespace vendaro
