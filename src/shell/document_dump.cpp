#include "shell/document_dump.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include <nlohmann/json.hpp>

#include "layout/line_geometry.h"
#include "platform/code_pages.h"

namespace vendaro {
namespace {

using nlohmann::json;

std::string utf8(std::string_view cp1252) { return cp1252ToUtf8(cp1252); }

json paraJson(const TParaFormat& p) {
  json tabs = json::array();
  for (const TTabStop& t : p.Tabs) tabs.push_back({{"Pos", t.Pos}, {"TabAlign", t.TabAlign}, {"Leader", t.Leader}});
  json j = {{"Alignment", p.Alignment},       {"LineSpacing", p.LineSpacing},
            {"LineSpacingMode", p.LineSpacingMode}, {"SpaceBefore", p.SpaceBefore},
            {"SpaceAfter", p.SpaceAfter},     {"LeftIndent", p.LeftIndent},
            {"RightIndent", p.RightIndent},   {"FirstLineIndent", p.FirstLineIndent},
            {"DefaultTabWidth", p.DefaultTabWidth}, {"TabCount", p.TabCount()},
            {"Tabs", tabs},                   {"ListIndent", p.ListIndent},
            {"ListKind", p.ListKind},         {"BulletChar", p.BulletChar},
            {"ListNumber", p.ListNumber}};
  j["BulletFont"] = p.BulletFont ? json(utf8(*p.BulletFont)) : json(nullptr);
  return j;
}

json cellJson(const TCharRec& c) {
  json j = {{"Kind", c.Kind},           {"Ch", c.Ch},
            {"FontIndex", c.FontIndex}, {"CharFlags", c.CharFlags},
            {"CharWidth", c.CharWidth}, {"CharHeight", c.CharHeight}};
  if (c.Ch == kTabChar) j["TabLeader"] = c.TabLeader;
  if (c.Kind == kCellPicture) j["PictureIndex"] = c.PictureIndex;
  if (c.Kind == kCellNoteRef || c.Kind == kCellNoteNumber) {
    j["ShownNumber"] = c.ShownNumber;
    j["NoteID"] = c.NoteID;
  }
  if (c.Text) j["Text"] = utf8(*c.Text);
  if (c.Code) j["Code"] = utf8(*c.Code);
  if (c.FlowShift != 0) j["FlowShift"] = c.FlowShift;
  return j;
}

json cellDesignJson(const TCellDesign& d) {
  return {{"BorderWidth", d.BorderWidth}, {"BorderColor", d.BorderColor},
          {"BorderPresent", d.BorderPresent}, {"BackColor", d.BackColor},
          {"BackTransparent", d.BackTransparent}};
}

// `edges` is the line's box as layout places it (mm from the text area's
// left): for a table line its cell, whose width relative weights leave open.
json lineJson(const TLineRec& l, const LineGeometry* edges) {
  json cells = json::array();
  for (const TCharRec& c : l.Chars) cells.push_back(cellJson(c));
  json j = {{"text", lineTextForDump(l)},   {"CharCount", l.CharCount()},
            {"LineEnd", l.LineEnd},         {"Hyphenated", l.Hyphenated},
            {"LineHeight", l.LineHeight},   {"Dirty", l.Dirty},
            {"InTable", l.InTable},         {"Para", paraJson(l.Para)},
            {"ColumnCount", l.ColumnCount}, {"ColumnLines", l.ColumnLines},
            {"ColumnGap", l.ColumnGap},     {"ColumnIndex", l.ColumnIndex},
            {"ColumnX", l.ColumnX},         {"ColumnTop", l.ColumnTop},
            {"ColumnBottom", l.ColumnBottom}, {"ColumnBreaks", l.ColumnBreaks}};
  if (l.AnchorID != 0) j["AnchorID"] = l.AnchorID;
  if (l.InTable) {
    j["CellFirstLine"] = l.CellFirstLine;
    j["CellLastLine"] = l.CellLastLine;
    j["RowCells"] = l.RowCells;
    j["CellIndex"] = l.CellIndex;
    j["CellWidthWeight"] = l.CellWidthWeight;
    j["RowLeft"] = l.RowLeft;
    j["RowRight"] = l.RowRight;
    j["CellDesign"] = cellDesignJson(l.CellDesign);
    if (edges != nullptr) {
      j["CellLeft"] = edges->boxLeft;
      j["CellRight"] = edges->boxRight;
    }
  }
  j["Chars"] = std::move(cells);
  return j;
}

// Stands for a frame's lines in the document's JSON until they are written
// one by one in its place.
std::string linesMarker(int32_t field) { return "@@lines of frame " + std::to_string(field) + "@@"; }
constexpr std::string_view kLinesKey = "\"Lines\": \"";

json fieldJson(const TFieldRec& f, int32_t index) {
  const json lines = linesMarker(index);
  return {{"index", index},
          {"FieldType", f.FieldType},
          {"Left", f.Left}, {"Top", f.Top}, {"Right", f.Right}, {"Bottom", f.Bottom},
          {"MarginLeft", f.MarginLeft}, {"MarginTop", f.MarginTop},
          {"MarginRight", f.MarginRight}, {"MarginBottom", f.MarginBottom},
          {"TopFromBottom", f.TopFromBottom}, {"BottomFromBottom", f.BottomFromBottom},
          {"RightFromRight", f.RightFromRight},
          {"ShowOn", f.ShowOn}, {"WrapText", f.WrapText}, {"MoveWithText", f.MoveWithText},
          {"WrapMode", f.WrapMode}, {"TextDistX", f.TextDistX}, {"TextDistY", f.TextDistY},
          {"BorderWidth", f.BorderWidth}, {"BorderColor", f.BorderColor},
          {"BackColor", f.BackColor}, {"Transparent", f.Transparent},
          {"KeepAspect", f.KeepAspect}, {"LineFlip", f.LineFlip},
          {"PageNo", f.PageNo}, {"PrevField", f.PrevField}, {"NextField", f.NextField},
          {"FootnoteNo", f.FootnoteNo}, {"AnchorID", f.AnchorID},
          {"AnchorDX", f.AnchorDX}, {"AnchorDY", f.AnchorDY},
          {"LineCount", f.LineCount()}, {"Lines", lines}};
}

json fontJson(const TFontRec& f) {
  return {{"Name", utf8(f.name())}, {"Size", f.Size}, {"Color", f.Color}, {"Style", f.Style},
          {"Charset", f.Charset}, {"BackColor", f.BackColor}, {"ShadowColor", f.ShadowColor},
          {"OutlineColor", f.OutlineColor}, {"BackTransparent", f.BackTransparent}, {"Attr", f.Attr}};
}

json styleJson(const TStyleRec& s) {
  return {{"Name", utf8(s.Name)}, {"Kind", s.Kind}, {"Para", paraJson(s.Para)}, {"FontIndex", s.Char.FontIndex}};
}

// The checksum (CRC-32 of the pixel rows as stored) tells whether two
// runs produced the same picture without printing its pixels.
json pictureJson(const TPictureRec& p) {
  char checksum[9] = "00000000";
  if (p.hasPixels()) {
    const uLong crc = crc32(crc32(0, nullptr, 0), p.pixels(), static_cast<uInt>(p.pixelBytes()));
    std::snprintf(checksum, sizeof checksum, "%08lx", static_cast<unsigned long>(crc));
  }
  return {{"Width", p.width()}, {"Height", p.height()}, {"BitCount", p.Header.biBitCount},
          {"HasPixels", p.hasPixels()}, {"Checksum", checksum}};
}

std::string cellToken(const TCharRec& c) {
  switch (c.Kind) {
    case kCellChar:
      if (c.Ch == kTabChar) return "[TAB]";
      return utf8(std::string_view(reinterpret_cast<const char*>(&c.Ch), 1));
    case kCellPicture: return "[PICTURE " + std::to_string(c.PictureIndex) + "]";
    case kCellNoteRef: return "[FOOTNOTE " + std::to_string(c.ShownNumber) + "]";
    case kCellNoteNumber: return "[FOOTNOTE NUMBER " + std::to_string(c.ShownNumber) + "]";
    case kCellField: return "[FIELD " + utf8(textOf(c.Code)) + ": " + utf8(textOf(c.Text)) + "]";
    default: return "[KIND " + std::to_string(c.Kind) + "]";
  }
}

}  // namespace

std::string lineTextForDump(const TLineRec& line) {
  std::string text;
  for (const TCharRec& c : line.Chars) text += cellToken(c);
  return text;
}

namespace {

void writeIndented(std::ostream& out, std::string_view text, size_t indent) {
  const std::string spaces(indent, ' ');
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    out << spaces << text.substr(start, end - start);
    if (end == text.size()) break;
    out << '\n';
    start = end + 1;
  }
}

// The lines of a frame as the array the whole document's JSON would hold at
// this indentation, each line turned into JSON only when it is written.
void writeLines(std::ostream& out, const Document& doc, int32_t field, size_t indent) {
  const LineList& lines = doc.Fields[static_cast<size_t>(field)].Lines;
  if (lines.empty()) {
    out << "[]";
    return;
  }
  // Geometry only for frames with tables: it is all the dump needs it for.
  const bool holdsTable = std::ranges::any_of(lines, [](const TLineRec& line) { return line.InTable != 0; });
  const FrameGeometry geometry = holdsTable ? frameGeometry(doc, field) : FrameGeometry{};
  out << "[\n";
  for (size_t i = 0; i < lines.size(); ++i) {
    const LineGeometry* edges = i < geometry.lines.size() ? &geometry.lines[i] : nullptr;
    writeIndented(out, lineJson(lines[i], edges).dump(2, ' ', false, json::error_handler_t::replace), indent + 2);
    out << (i + 1 < lines.size() ? ",\n" : "\n");
  }
  out << std::string(indent, ' ') << ']';
}

}  // namespace

std::string dumpDocumentJson(const Document& doc) {
  std::ostringstream out;
  writeDocumentJson(doc, out);
  return std::move(out).str();
}

void writeDocumentJson(const Document& doc, std::ostream& out) {
  json fields = json::array();
  for (int32_t i = 0; i < doc.FieldCount(); ++i) fields.push_back(fieldJson(doc.Fields[static_cast<size_t>(i)], i));
  json fonts = json::array();
  for (const TFontRec& f : doc.Fonts.entries()) fonts.push_back(fontJson(f));
  json styles = json::array();
  for (const TStyleRec& s : doc.Styles) styles.push_back(styleJson(s));
  json pictures = json::array();
  for (const TPictureRec& p : doc.Pictures) pictures.push_back(pictureJson(p));
  json props = json::array();
  for (const std::string& p : doc.DocProps) props.push_back(utf8(p));

  json j = {{"PageWidth", doc.PageWidth},     {"PageHeight", doc.PageHeight},
            {"PrinterDPI", doc.PrinterDPI},   {"PageWidthPx", doc.PageWidthPx},
            {"PageHeightPx", doc.PageHeightPx}, {"ZoomPercent", doc.ZoomPercent},
            {"ZoomMode", doc.ZoomMode},       {"AutoHyphenate", doc.AutoHyphenate},
            {"DocLanguage", doc.DocLanguage}, {"FootnoteCounter", doc.FootnoteCounter},
            {"DocProps", props},
            {"Caret", {{"CurField", doc.CurField}, {"CurLine", doc.CurLine}, {"CurChar", doc.CurChar},
                       {"MarkField", doc.MarkField}, {"MarkLine", doc.MarkLine}, {"MarkChar", doc.MarkChar},
                       {"CaretPage", doc.CaretPage}, {"CaretAtLineEnd", doc.CaretAtLineEnd}}},
            {"FieldCount", doc.FieldCount()}, {"Fields", fields},
            {"Fonts", fonts},                 {"Styles", styles},
            {"Pictures", pictures}};
  // The frames' lines are written into the outline in their places, so the
  // JSON of a document of millions of cells never exists whole in memory.
  const std::string outline = j.dump(2, ' ', false, json::error_handler_t::replace);
  size_t written = 0;
  for (int32_t i = 0; i < doc.FieldCount(); ++i) {
    const std::string placeholder = std::string(kLinesKey) + linesMarker(i) + "\"";
    const size_t at = outline.find(placeholder, written);
    if (at == std::string::npos) continue;
    const size_t lineStart = outline.rfind('\n', at) + 1;
    out << std::string_view(outline).substr(written, at - written) << "\"Lines\": ";
    writeLines(out, doc, i, at - lineStart);
    written = at + placeholder.size();
  }
  out << std::string_view(outline).substr(written) << '\n';
}

}  // namespace vendaro
