// layout_fixture.h — documents for the layout tests built cell by cell with
// fixed widths, so that every break position is known beforehand, and a
// layout run with a one-pattern hyphenation table: "a-b" (a break between
// an a and a following b).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "layout/hyphen_pattern_file.h"
#include "layout/hyphen_test_patterns.h"
#include "layout/hyphenation.h"
#include "layout/line_breaking.h"
#include "support/temp_dir.h"

namespace vendaro::test {

inline constexpr double kCellWidth = 5.0;
inline constexpr double kCellHeight = 4.0;

inline TCharRec textCell(char ch, double width = kCellWidth, double height = kCellHeight) {
  TCharRec cell;
  cell.Ch = static_cast<uint8_t>(ch);
  cell.CharWidth = width;
  cell.CharHeight = height;
  return cell;
}

// A dirty line of plain cells of equal width.
inline TLineRec textLine(std::string_view text, int32_t lineEnd = kLineEndParagraph, double width = kCellWidth) {
  TLineRec line;
  for (char c : text) line.Chars.push_back(textCell(c, width));
  line.LineEnd = lineEnd;
  line.Dirty = 1;
  return line;
}

inline std::string lineText(const TLineRec& line) {
  std::string text;
  for (const TCharRec& cell : line.Chars) text.push_back(static_cast<char>(cell.Ch));
  return text;
}

inline std::vector<std::string> frameTexts(const TFieldRec& frame) {
  std::vector<std::string> texts;
  for (const TLineRec& line : frame.Lines) texts.push_back(lineText(line));
  return texts;
}

class LayoutFixture {
 public:
  // Frame 0 is a body whose text area is 100 mm wide and 200 mm high; cells
  // use font 0, a small one, so that an empty line is lower than a cell.
  LayoutFixture() : library_(writePatterns(patterns_.path())), hyphenation(library_, HyphenationLibrary::kGerman) {
    TFieldRec& frame = doc.NewPage(false);
    frame.Right = 100;
    frame.Bottom = 200;
    frame.RightFromRight = frame.BottomFromBottom = 0;
    frame.MarginLeft = frame.MarginTop = frame.MarginRight = frame.MarginBottom = 0;
    SetPCharText(doc.CurFont.Name, "Arial");
    doc.CurFont.Size = 6;
    doc.GetNewFontIndex(doc.CurFont);
  }

  void run(std::function<bool(std::string_view)> spelling = {}, std::function<bool(Document&)> fields = {}) {
    MakeSoftEnters(LayoutContext{doc, hyphenation, std::move(spelling), std::move(fields)});
  }
  TFieldRec& body() { return doc.Fields[0]; }
  TFieldRec& frame(int32_t index) { return doc.Fields[static_cast<size_t>(index)]; }
  // A text box with the given absolute edges and no margins; its index.
  int32_t addTextBox(double left, double top, double right, double bottom) {
    TFieldRec& box = doc.NewPage(false);
    box.FieldType = kFieldTextBox;
    box.Left = left;
    box.Top = top;
    box.Right = right;
    box.Bottom = bottom;
    return doc.FieldCount() - 1;
  }
  void link(int32_t first, int32_t second) {
    frame(first).NextField = second;
    frame(second).PrevField = first;
  }
  void placeCaret(int32_t field, int32_t line, int32_t cell) {
    doc.CurField = doc.MarkField = field;
    doc.CurLine = doc.MarkLine = line;
    doc.CurChar = doc.MarkChar = cell;
  }

 private:
  static std::filesystem::path writePatterns(const std::filesystem::path& folder) {
    writeFileBytes(folder / HyphenationLibrary::patternFileName(HyphenationLibrary::kGerman),
                   serializePatternFile(groupsOf({makePattern("ab", {{1, 1}})})));
    return folder;
  }

  TempDir patterns_;
  HyphenationLibrary library_;

 public:
  Document doc;
  DocumentHyphenation hyphenation;
};

}  // namespace vendaro::test
