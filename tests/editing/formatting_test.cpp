// Character and paragraph formatting and styles on a real editor, with the
// dialogs answered by script: what reaches the cells and lines, what stays,
// and the undo steps taken.
#include <gtest/gtest.h>

#include <random>

#include "document/caret_moves.h"
#include "document/paragraph_format.h"
#include "editing/editor.h"
#include "editing/format_dialog_rules.h"
#include "support/keyboard_driver.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

using test::flowText;
using test::typeKeys;

struct FormattingTest : ::testing::Test {
  FormattingTest() {
    editor.FormCreate();
    SetPCharText(doc().CurFont.Name, "Times New Roman");
    doc().CurFont.Size = 12;
  }
  Document& doc() { return editor.doc(); }
  TLineRec& line(int32_t index) { return doc().Fields[0].Lines.at(static_cast<size_t>(index)); }
  const TFontRec& fontOf(const TCharRec& cell) { return doc().Fonts[cell.FontIndex]; }
  int32_t undoSteps() const { return editor.undoHistory().UndoCount(); }
  void at(const TextPos& pos) {
    setCaret(doc(), pos);
    setAnchor(doc(), pos);
  }
  void select(const TextPos& from, const TextPos& to) {
    setAnchor(doc(), from);
    setCaret(doc(), to);
  }
  // Each cell of the body in text order, with its font.
  std::vector<std::pair<char, TFontRec>> cells() {
    std::vector<std::pair<char, TFontRec>> all;
    for (const TLineRec& l : doc().Fields[0].Lines)
      for (const TCharRec& cell : l.Chars) all.emplace_back(static_cast<char>(cell.Ch), fontOf(cell));
    return all;
  }
  // Which characters of the body are bold: "x" for bold, "." for not.
  std::string boldMap() {
    std::string map;
    for (const auto& [ch, font] : cells()) map.push_back(GettingOpsB(font.Style, 0) ? 'x' : '.');
    return map;
  }

  test::RecordingHost host;
  Editor editor{host};
};

TEST_F(FormattingTest, BoldOnMixedFacesAndSizesChangesOnlyTheWeight) {
  typeKeys(editor, "ab");
  doc().CurFont.Size = 20;
  SetPCharText(doc().CurFont.Name, "Arial");
  doc().CurFont.Color = 0x0000FF;
  typeKeys(editor, "cd");
  select({0, 0, 0}, {0, 0, 4});
  editor.getkeysKeyDown(kKeyF, kCtrl | kShift);
  const auto all = cells();
  ASSERT_EQ(all.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_TRUE(GettingOpsB(all[i].second.Style, 0));
    EXPECT_EQ(all[i].second.Size, i < 2 ? 12 : 20);
    EXPECT_EQ(all[i].second.name(), i < 2 ? "Times New Roman" : "Arial");
    EXPECT_EQ(all[i].second.Color, i < 2 ? 0 : 0x0000FF);
  }
  EXPECT_EQ(undoSteps(), 2);  // the typing and "Zeichenformat"
  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(boldMap(), "....");
}

TEST_F(FormattingTest, TheWordRuleCrossesSoftWrapsButNoParagraphEnd) {
  typeKeys(editor, "eins zwei\ndrei");
  // The word "zwei" wrapped in two, as a narrow column would.
  TLineRec first = line(0);
  first.Chars.resize(7);  // "eins zw"
  first.LineEnd = kLineEndSoft;
  TLineRec second = line(0);
  second.Chars.erase(second.Chars.begin(), second.Chars.begin() + 7);  // "ei"
  doc().Fields[0].Lines[0] = second;
  doc().Fields[0].Lines.insert(doc().Fields[0].Lines.begin(), first);
  at({0, 1, 1});  // inside "ei"
  editor.toggleCharacterStyle(0);
  EXPECT_EQ(flowText(doc()), "eins zwei\ndrei");
  EXPECT_EQ(boldMap(), ".....xxxx....");

  // At the first paragraph's end (wherever layout wrapped it): "drei"
  // beyond the paragraph end stays.
  at({0, 0, line(0).CharCount()});
  ASSERT_EQ(line(0).LineEnd, kLineEndParagraph);
  editor.toggleCharacterStyle(1);
  std::string italic;
  for (const auto& [ch, font] : cells()) italic.push_back(GettingOpsB(font.Style, 1) ? 'x' : '.');
  EXPECT_EQ(italic, ".....xxxx....");
}

TEST_F(FormattingTest, TheCaretBetweenSpacesFormatsNothingButTheInputFont) {
  typeKeys(editor, "a  b");
  at({0, 0, 2});
  editor.toggleCharacterStyle(0);
  EXPECT_EQ(boldMap(), "....");
  EXPECT_TRUE(GettingOpsB(doc().CurFont.Style, 0));
}

TEST_F(FormattingTest, UnderlineSetsTheStyleBitAndTheAttribute) {
  typeKeys(editor, "Wort");
  editor.getkeysKeyDown(kKeyU, kCtrl | kShift);
  for (const auto& [ch, font] : cells()) {
    EXPECT_TRUE(GettingOpsB(font.Style, 2));
    EXPECT_TRUE(GettingOps(font.Attr, kAttrUnderline));
  }
  editor.getkeysKeyDown(kKeyU, kCtrl | kShift);
  for (const auto& [ch, font] : cells()) EXPECT_EQ(font.Style | font.Attr, 0);
}

TEST_F(FormattingTest, TheSizeBoxTakesOneTo999AndOtherwiseShowsTheInputSize) {
  typeKeys(editor, "Wort");
  for (const char* refused : {"abc", "0", "1000", "nan", "inf", "", "12pt"}) {
    EXPECT_EQ(editor.setFontSizeFromBox(refused), "12") << refused;
  }
  EXPECT_EQ(undoSteps(), 1);
  EXPECT_EQ(editor.setFontSizeFromBox("14,5"), "14,5");
  EXPECT_EQ(editor.setFontSizeFromBox("999"), "999");
  for (const auto& [ch, font] : cells()) EXPECT_EQ(font.Size, 999);
  editor.ToolbarSyncGuard = true;  // the box is being filled from the caret
  EXPECT_EQ(editor.setFontSizeFromBox("20"), "999");
  editor.setFontNameFromBox("Arial");
  editor.ToolbarSyncGuard = false;
  EXPECT_EQ(undoSteps(), 3);
  editor.setFontNameFromBox("Arial");
  for (const auto& [ch, font] : cells()) EXPECT_EQ(font.name(), "Arial");
}

TEST_F(FormattingTest, TheCharacterDialogAppliesOnlyWhatTheUserChanged) {
  typeKeys(editor, "ab");
  doc().CurFont.Size = 20;
  doc().CurFont.Color = 0x00FF00;
  typeKeys(editor, "cd");
  ZeichenDialog shown;
  host.zeichen = [&](ZeichenDialog& d) {
    shown = d;
    d.attributes[1] = true;  // "Kursiv"
    d.changed.attributes[1] = true;
    d.attributes[5] = true;  // ticked but not changed: left alone
    d.size = "30";
    d.backColor = 0x808080;
    d.transparent = true;  // not offered on grey
    d.changed.transparent = true;
    return true;
  };
  select({0, 0, 0}, {0, 0, 4});
  editor.zeichenformatieren();
  EXPECT_EQ(shown.size, "20");
  EXPECT_EQ(shown.color, 0x00FF00);
  for (const auto& [ch, font] : cells()) {
    EXPECT_TRUE(GettingOpsB(font.Style, 1));
    EXPECT_TRUE(GettingOps(font.Attr, kAttrItalic));
    EXPECT_FALSE(GettingOps(font.Attr, kAttrDoubleUnderline));
    EXPECT_EQ(font.Size, ch <= 'b' ? 12 : 20);
    EXPECT_EQ(font.Color, ch <= 'b' ? 0 : 0x00FF00);
    EXPECT_EQ(font.BackColor, 0x808080);  // with its transparency flag
    EXPECT_EQ(font.BackTransparent, 0);
  }
  EXPECT_EQ(doc().CurFont.Size, 30);  // the input font takes every value
  ASSERT_FALSE(host.toolbarStates.empty());
  EXPECT_EQ(host.toolbarStates.back().font.Size, 30);

  host.zeichen = nullptr;  // cancelled: nothing changes
  const int32_t steps = undoSteps();
  const auto before = cells();
  editor.zeichenformatieren();
  EXPECT_EQ(undoSteps(), steps);
  EXPECT_EQ(cells().size(), before.size());
  EXPECT_EQ(doc().CurFont.Size, 30);
}

TEST_F(FormattingTest, BulletsTwiceEndTheList) {
  typeKeys(editor, "eins");
  line(0).Para.BulletChar = 'o';
  editor.aufzaehlung(1);
  EXPECT_EQ(line(0).Para.ListKind, 1);
  editor.aufzaehlung(1);
  EXPECT_EQ(line(0).Para.ListKind, 0);
  EXPECT_EQ(line(0).Para.BulletChar, kDefaultBulletChar);
}

// Two paragraphs, each with its own indent, list and tab stops.
struct TwoParagraphs : FormattingTest {
  TwoParagraphs() {
    typeKeys(editor, "eins\nzwei");
    line(0).Para.LeftIndent = 10;
    line(0).Para.ListKind = 1;
    line(0).Para.Tabs = {{20, 0, 0}};
    line(1).Para.LeftIndent = 30;
    line(1).Para.FirstLineIndent = -5;
    line(1).Para.Tabs = {{40, 2, 1}, {60, 3, 2}};
    SetPCharText(line(1).Para.BulletFont, "Symbol");
    before = {line(0).Para, line(1).Para};
    select({0, 0, 0}, {0, 1, 4});
  }
  // Each paragraph's format as before, but for the `changed` values.
  void expectKept(const std::function<void(TParaFormat&)>& changed) {
    for (int i = 0; i < 2; ++i) {
      TParaFormat expected = before[static_cast<size_t>(i)];
      changed(expected);
      expected.ListNumber = line(i).Para.ListNumber;  // a layout result
      EXPECT_EQ(line(i).Para, expected) << "paragraph " << i;
    }
  }
  std::vector<TParaFormat> before;
};

TEST_F(TwoParagraphs, CentringKeepsEachParagraphsIndentsListsAndTabs) {
  const int32_t steps = undoSteps();
  editor.getkeysKeyDown(kKeyE, kCtrl);
  expectKept([](TParaFormat& p) { p.Alignment = 1; });
  editor.ZeilenAbstandEinEinhalbfach();
  expectKept([](TParaFormat& p) { p.Alignment = 1; p.LineSpacing = 1.5; });
  EXPECT_EQ(undoSteps(), steps + 2);
  editor.RestoreCopyFromUndo(1);
  expectKept([](TParaFormat&) {});
}

TEST_F(TwoParagraphs, TheParagraphDialogWritesOnlyTheFieldsTheUserChanged) {
  line(1).Para.LineSpacing = 1.25;
  before[1].LineSpacing = 1.25;
  AbsatzDialog shown;
  host.absatz = [&](AbsatzDialog& d) {
    shown = d;
    d.alignment = 3;
    d.rightIndent = "2.5";  // a decimal point is read as well
    d.spaceBefore = "nan";  // refused: the value stays
    return true;
  };
  setCaret(doc(), {0, 1, 1});  // the caret's paragraph fills the dialog
  editor.absatzformatieren();
  EXPECT_EQ(shown.spacingChoice, kSpacingMultiple);
  EXPECT_EQ(std::string(kLineSpacingNames[shown.spacingChoice]), "Mehrfach");
  EXPECT_EQ(shown.measure, "1,25");
  EXPECT_EQ(shown.leftIndent, "3");
  EXPECT_EQ(shown.firstLineIndent, "-0,5");
  expectKept([](TParaFormat& p) { p.Alignment = 3; p.RightIndent = 25; });

  host.absatz = [](AbsatzDialog& d) {
    d.spacingChoice = kSpacingExactly;
    d.measure = "6";
    return true;
  };
  editor.absatzformatieren();
  expectKept([](TParaFormat& p) { p.Alignment = 3; p.RightIndent = 25; p.LineSpacingMode = 2; p.LineSpacing = 6; });
}

TEST_F(TwoParagraphs, TabsAndListsFromTheirDialogs) {
  host.tabulator = [](TabulatorDialog& d) {
    d.stops.push_back({5, 1, 3});
    return true;
  };
  setCaret(doc(), {0, 1, 1});
  editor.tabulator();
  // The caret paragraph's list of stops, with the new one, goes to both.
  const std::vector<TTabStop> tabs{{40, 2, 1}, {50, 1, 3}, {60, 3, 2}};
  expectKept([&](TParaFormat& p) { p.Tabs = tabs; });

  host.nummerierung = [](NummerierungDialog& d) {
    EXPECT_EQ(d.bulletFont, "Symbol");
    d.listKind = 2;
    d.bullet.clear();
    d.bulletFont = "Wingdings";
    return true;
  };
  editor.NummerierungundAufzaehlungen();
  EXPECT_EQ(line(0).Para.ListKind, 2);
  EXPECT_EQ(line(1).Para.ListKind, 2);
  EXPECT_FALSE(line(1).Para.BulletFont);
  EXPECT_EQ(line(1).Para.BulletChar, kDefaultBulletChar);
  EXPECT_EQ(line(1).Para.LeftIndent, 30);
}

TEST_F(FormattingTest, TheColumnsDialogTakesOneToTenColumns) {
  typeKeys(editor, "Text");
  std::string count = "0";
  host.spalten = [&](SpaltenDialog& d) {
    d.count = count;
    d.lines = true;
    d.gap = "1,5";
    return true;
  };
  for (const char* kept : {"0", "11", "-2", "zwei"}) {
    count = kept;
    editor.spaltenformat();
    EXPECT_EQ(line(0).ColumnCount, 0) << kept;
    EXPECT_EQ(line(0).ColumnLines, 0) << kept;
  }
  count = "3,7";  // truncated
  editor.spaltenformat();
  EXPECT_EQ(line(0).ColumnCount, 3);
  EXPECT_EQ(line(0).ColumnLines, 1);
  EXPECT_DOUBLE_EQ(line(0).ColumnGap, 15);
}

TEST_F(FormattingTest, ANewDocumentHasTheFiveStandardStyles) {
  std::vector<std::string> names;
  for (const TStyleRec& s : doc().Styles) names.push_back(s.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Standard", "\xDC" "berschrift 1", "\xDC" "berschrift 2",
                                             "\xDC" "berschrift 3", "Standardschrfitart"}));
  const TFontRec& heading = doc().Fonts[doc().Styles[2].Char.FontIndex];
  EXPECT_EQ(heading.name(), "Arial");
  EXPECT_EQ(heading.Size, 12);
  EXPECT_EQ(heading.Style, 3);
  EXPECT_EQ(heading.Charset, 1);
  EXPECT_EQ(doc().Styles[4].Kind, kCharacterStyle);
}

TEST_F(FormattingTest, AHeadingStyleFormatsTheParagraphButOnlyTheWordAtTheCaret) {
  typeKeys(editor, "ein Wort hier");
  doc().Styles[1].Para.Alignment = 1;
  doc().Styles[1].Para.SpaceAfter = 4;
  at({0, 0, 6});
  editor.useVorlage(1);
  EXPECT_EQ(line(0).Para.Alignment, 1);
  EXPECT_EQ(line(0).Para.SpaceAfter, 4);
  const auto all = cells();
  for (size_t i = 0; i < all.size(); ++i) {
    const bool inWord = i >= 4 && i < 8;  // "Wort"
    EXPECT_EQ(all[i].second.name(), inWord ? "Arial" : "Times New Roman") << i;
    EXPECT_EQ(all[i].second.Size, inWord ? 14 : 12) << i;
    EXPECT_EQ(GettingOpsB(all[i].second.Style, 0), inWord) << i;
  }
  editor.RestoreCopyFromUndo(0);  // one step takes back both
  EXPECT_EQ(line(0).Para.Alignment, 0);
  for (const auto& [ch, font] : cells()) EXPECT_EQ(font.name(), "Times New Roman");
  const int32_t steps = undoSteps();
  editor.useVorlage(5);
  editor.useVorlage(-1);
  EXPECT_EQ(undoSteps(), steps);
}

TEST_F(FormattingTest, AStyleWhoseFontIsMissingAppliesItsParagraphFormatOnly) {
  typeKeys(editor, "Wort");
  TStyleRec broken = doc().Styles[0];
  broken.Para.Alignment = 2;
  broken.Char.FontIndex = 9999;
  editor.AddVorlage(broken);
  editor.useVorlage(5);
  EXPECT_EQ(line(0).Para.Alignment, 2);
  for (const auto& [ch, font] : cells()) EXPECT_EQ(font.name(), "Times New Roman");
}

TEST_F(FormattingTest, NewStylesAndTheManagerMarkTheDocumentChanged) {
  typeKeys(editor, "Wort");
  editor.SetFileChanged(false);
  std::string offered;
  host.vorlagenName = [&](VorlagenNameDialog& d) {
    offered = d.name;
    d.name = "Mein Stil";
    return true;
  };
  at({0, 0, 1});
  editor.NeueVorlage(kCharacterStyle);
  EXPECT_EQ(offered, "Formatvorlage 6");
  ASSERT_EQ(doc().StyleCount(), 6);
  EXPECT_EQ(doc().Styles[5].Kind, kCharacterStyle);
  EXPECT_EQ(doc().Styles[5].Char.FontIndex, line(0).Chars[1].FontIndex);
  EXPECT_TRUE(doc().Modified);
  EXPECT_EQ(host.toolbarStates.back().styleNames.back(), "Mein Stil");

  host.vorlagenName = [](VorlagenNameDialog& d) {
    d.name = std::string(256, 'x');  // too long: no style
    return true;
  };
  editor.NeueVorlage(kParagraphStyle);
  EXPECT_EQ(doc().StyleCount(), 6);

  editor.SetFileChanged(false);
  host.vorlagenVerwalten = [](VorlagenVerwaltenDialog& d) {
    renameStyleEntry(d, 0, "Normal");
    removeStyleEntry(d, 1);
    return false;  // closed without OK: the changes stay, no style applied
  };
  const int32_t steps = undoSteps();
  editor.VorlagenVerwalten();
  EXPECT_EQ(doc().Styles[0].Name, "Normal");
  EXPECT_EQ(doc().Styles[1].Name, "\xDC" "berschrift 2");
  EXPECT_EQ(doc().StyleCount(), 5);
  EXPECT_TRUE(doc().Modified);
  EXPECT_EQ(undoSteps(), steps);

  editor.SetFileChanged(false);
  host.vorlagenVerwalten = [](VorlagenVerwaltenDialog& d) {
    d.selected = -1;  // nothing selected: rename and delete do nothing
    renameStyleEntry(d, d.selected, "X");
    removeStyleEntry(d, d.selected);
    return true;
  };
  editor.VorlagenVerwalten();
  EXPECT_EQ(doc().StyleCount(), 5);
  EXPECT_FALSE(doc().Modified);
}

TEST_F(FormattingTest, CommandsInAShapeChangeNothingAndTakeNoUndoStep) {
  typeKeys(editor, "Wort");
  TFieldRec shape = doc().Fields[0];
  shape.FieldType = kFieldRectangle;
  shape.PrevField = shape.NextField = -1;
  doc().Fields.push_back(shape);
  at({doc().FieldCount() - 1, 0, 2});
  const TFontRec input = doc().CurFont;
  const int32_t steps = undoSteps();
  editor.toggleCharacterStyle(0);
  editor.formatcenter();
  editor.aufzaehlung(1);
  editor.ZeilenAbstandZweifach();
  editor.useVorlage(1);
  editor.absatzformatieren();
  EXPECT_EQ(undoSteps(), steps);
  EXPECT_EQ(host.dialogsShown, 0);
  EXPECT_TRUE(doc().CurFont == input);
  EXPECT_EQ(doc().Fields.back().Lines[0].Para, doc().Fields[0].Lines[0].Para);
}

// Random text in four fonts, random selections and random apply flags: each
// selected cell must end with its own font changed in exactly the flagged
// properties (the command changes each font once and reuses the result).
TEST_F(FormattingTest, RandomSelectionsChangeExactlyTheFlaggedPropertiesOfEachCell) {
  for (unsigned seed = 1; seed <= 100; ++seed) {
    std::mt19937 random(seed);
    editor.FormCreate();
    Document& d = doc();
    std::vector<int32_t> fonts;
    for (int i = 0; i < 4; ++i) {
      TFontRec font = defaultCurFont();
      SetPCharText(font.Name, i % 2 ? "Arial" : "Times New Roman");
      font.Size = 8 + 3 * i;
      font.Style = static_cast<uint8_t>(random() % 16);
      font.Attr = static_cast<uint16_t>(random() % 0x4000);
      font.Color = static_cast<int32_t>(random() % 0x1000000);
      fonts.push_back(d.GetNewFontIndex(font));
    }
    auto& lines = d.Fields[0].Lines;
    lines.assign(3 + random() % 6, TLineRec{});
    for (TLineRec& l : lines) {
      l.LineEnd = random() % 3 ? kLineEndSoft : kLineEndParagraph;
      for (size_t n = random() % 12; n-- > 0;) {
        TCharRec cell;
        cell.Ch = static_cast<uint8_t>(random() % 4 ? 'a' + random() % 26 : ' ');
        cell.FontIndex = fonts[random() % fonts.size()];
        d.RenderChar(cell);
        l.Chars.push_back(cell);
      }
    }
    lines.back().LineEnd = kLineEndParagraph;
    // Flow positions in order; the selection runs between two of them.
    std::vector<TextPos> positions;
    for (int32_t i = 0; i < static_cast<int32_t>(lines.size()); ++i)
      for (int32_t c = 0; c <= lines[static_cast<size_t>(i)].CharCount(); ++c) positions.push_back({0, i, c});
    size_t a = random() % positions.size(), b = random() % positions.size();
    if (a == b) b = (a + 1) % positions.size();  // a selection, not the word rule
    select(positions[a], positions[b]);
    const TextPos from = positions[std::min(a, b)], to = positions[std::max(a, b)];
    std::vector<std::pair<TFontRec, bool>> expected;
    for (int32_t i = 0; i < static_cast<int32_t>(lines.size()); ++i)
      for (int32_t c = 0; c < lines[static_cast<size_t>(i)].CharCount(); ++c) {
        const bool selected = std::make_pair(i, c) >= std::make_pair(from.line, from.cell) &&
                              std::make_pair(i, c) < std::make_pair(to.line, to.cell);
        expected.emplace_back(fontOf(lines[static_cast<size_t>(i)].Chars[static_cast<size_t>(c)]), selected);
      }

    CharacterApply apply;
    apply.name = random() % 2;
    apply.size = random() % 2;
    apply.attributes = static_cast<uint16_t>(random() % 0x4000);
    apply.bold = random() % 2;
    apply.strikeOut = random() % 2;
    apply.color = random() % 2;
    d.CurFont.Style = static_cast<uint8_t>(random() % 16);
    d.CurFont.Attr = static_cast<uint16_t>(random() % 0x4000);
    d.CurFont.Size = 30;
    editor.formatieren(apply);

    const auto after = cells();
    ASSERT_EQ(after.size(), expected.size()) << "seed " << seed;
    for (size_t i = 0; i < after.size(); ++i) {
      TFontRec want = expected[i].first;
      if (expected[i].second) applyCharacterProperties(want, d.CurFont, apply);
      EXPECT_TRUE(after[i].second == want) << "seed " << seed << " cell " << i;
    }
  }
}

// Random paragraph formats and random sets of fields: each line keeps its
// own values but for the fields written, which all take the new values.
TEST_F(FormattingTest, RandomFieldWritesChangeOnlyTheNamedFields) {
  for (unsigned seed = 1; seed <= 100; ++seed) {
    std::mt19937 random(seed);
    Document d = doc();
    auto& lines = d.Fields[0].Lines;
    lines.assign(2 + random() % 8, TLineRec{});
    for (TLineRec& l : lines) {
      l.LineEnd = random() % 2 ? kLineEndSoft : kLineEndParagraph;
      l.Chars.resize(3);
      l.Para.Alignment = static_cast<uint8_t>(random() % 4);
      l.Para.LeftIndent = random() % 50;
      l.Para.ListKind = static_cast<uint8_t>(random() % 3);
      l.Para.Tabs.assign(random() % 3, TTabStop{static_cast<double>(random() % 90 + 1), 0, 0});
      if (random() % 2) SetPCharText(l.Para.BulletFont, "Symbol");
      l.ColumnCount = static_cast<int32_t>(random() % 3);
    }
    const LineList before = lines;
    ParagraphValues values;
    values.Para.Alignment = 2;
    values.Para.LeftIndent = 77;
    values.Para.ListKind = 1;
    values.Para.Tabs = {{33, 1, 2}};
    values.BulletFontName = "Webdings";
    values.ColumnCount = 5;
    const uint32_t fields = static_cast<uint32_t>(random()) & (kParaAlignment | kParaLeftIndent | kParaListKind | kParaTabs | kParaBulletFont | kParaColumns);
    const int32_t last = static_cast<int32_t>(lines.size()) - 1;
    setAnchor(d, {0, 0, 0});
    setCaret(d, {0, last, 1});
    setParagraphFields(d, values, fields, false);
    for (size_t i = 0; i < lines.size(); ++i) {
      TLineRec want = before[i];
      if (fields & kParaAlignment) want.Para.Alignment = 2;
      if (fields & kParaLeftIndent) want.Para.LeftIndent = 77;
      if (fields & kParaListKind) want.Para.ListKind = 1;
      if (fields & kParaTabs) want.Para.Tabs = values.Para.Tabs;
      if (fields & kParaBulletFont) SetPCharText(want.Para.BulletFont, "Webdings");
      if (fields & kParaColumns) want.ColumnCount = 5;
      // A line is laid out again when its format changed, unless only its
      // alignment did (the breaks stay where they are).
      const bool changed = !(want.Para == before[i].Para) || (fields & kParaColumns);
      want.Dirty = changed && fields != kParaAlignment ? 1 : 0;
      EXPECT_TRUE(lines[i] == want) << "seed " << seed << " line " << i;
    }
  }
}

}  // namespace
}  // namespace vendaro
