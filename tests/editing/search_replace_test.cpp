// The search dialog through a real editor with a scripted host: case and
// umlaut folding, whole words, what a match may not cross, going to a
// page, replacing one match or all of them, and the search's walk compared
// with a plain string search on random text.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "document/text_case.h"
#include "editing/editor.h"
#include "support/keyboard_driver.h"
#include "support/property_seeds.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

class SearchHost : public test::RecordingHost {
 public:
  using Step = std::function<int(TSearchForm&)>;
  int showSearchForm(TSearchForm& form) override {
    pagesShown.push_back(form.page);
    selectionsShown.push_back(whatIsSelected ? whatIsSelected() : std::string());
    if (steps.empty()) return kSearchCancel;
    const Step step = steps.front();
    steps.pop_front();
    return step(form);
  }
  void showMessage(const std::string& text, MessageIcon icon, const std::string& caption) override {
    RecordingHost::showMessage(text, icon, caption);
    captions.push_back(caption);
  }
  std::deque<Step> steps;
  std::function<std::string()> whatIsSelected;
  std::vector<int> pagesShown;
  std::vector<std::string> selectionsShown;
  std::vector<std::string> captions;
};

SearchOptions fromStart(const std::string& text) {
  SearchOptions options;
  options.text = text;
  options.fromStart = true;
  return options;
}

SearchOptions wholeWords(SearchOptions options) {
  options.wholeWords = true;
  return options;
}

SearchHost::Step find(const SearchOptions& options) {
  return [options](TSearchForm& form) {
    form.search = options;
    return int{kSearchFindNext};
  };
}

SearchHost::Step replaceWith(const SearchOptions& options, const std::string& replacement, int code) {
  return [=](TSearchForm& form) {
    form.replace = options;
    form.replacement = replacement;
    return code;
  };
}

class SearchReplace : public ::testing::Test {
 protected:
  SearchReplace() : editor(host) {
    editor.FormCreate();
    SetPCharText(editor.doc().CurFont.Name, "Arial");
    editor.doc().CurFont.Size = 12;
    host.whatIsSelected = [this] { return selectedText(); };
  }

  void write(int32_t field, const std::string& text, int32_t lineEnd = kLineEndParagraph) {
    test::appendTextLine(editor.doc(), field, text, lineEnd);
  }
  void writeLaidOut(const std::string& text) {
    write(0, text);
    editor.RefreshContent();
  }

  // The selected characters, lines joined as they stand.
  std::string selectedText() {
    const Document& doc = editor.doc();
    if (!isThereAmarking(doc)) return {};
    const SelectionRange sel = FindMarkingStart(doc);
    std::string text;
    for (TextPos p{sel.SelStartField, sel.SelStartLine, 0}; p.line <= sel.SelEndLine; ++p.line) {
      const TLineRec& line = *lineAt(doc, p);
      const int32_t from = p.line == sel.SelStartLine ? sel.SelStartChar : 0;
      const int32_t to = p.line == sel.SelEndLine ? sel.SelEndChar : line.CharCount();
      for (int32_t c = from; c < to; ++c) text.push_back(static_cast<char>(line.Chars[static_cast<size_t>(c)].Ch));
    }
    return text;
  }
  std::string frameText(int32_t field = 0) const { return test::flowText(editor.doc(), field); }
  // What each showing of the dialog after the first found selected.
  std::vector<std::string> foundInTurn() const {
    return {host.selectionsShown.begin() + 1, host.selectionsShown.end()};
  }
  bool finishedWithMessage() const {
    return !host.messages.empty() && host.messages.back().text == "Der Suchvorgang innerhalb des Dokuments ist abgeschlossen." &&
           host.messages.back().icon == MessageIcon::information && host.captions.back() == "Suchvorgang";
  }
  // Searches with the same options until nothing more is found.
  void findAll(const SearchOptions& first, int times) {
    SearchOptions later = first;
    later.fromStart = false;
    host.selectionsShown.clear();
    host.steps = {find(first)};
    for (int i = 1; i < times; ++i) host.steps.push_back(find(later));
    editor.SuchenErsetzen(0);
  }

  SearchHost host;
  Editor editor;
};

TEST_F(SearchReplace, WithoutCaseMatchingLettersFoldUmlautsIncluded) {
  write(0, "Haus und HAUS und haus");
  write(0, "\xc4pfel und \xe4pfel");
  findAll(fromStart("haus"), 4);
  EXPECT_EQ(foundInTurn(), (std::vector<std::string>{"Haus", "HAUS", "haus"}));
  EXPECT_TRUE(finishedWithMessage());

  findAll(fromStart("\xe4PFEL"), 3);
  EXPECT_EQ(foundInTurn(), (std::vector<std::string>{"\xc4pfel", "\xe4pfel"}));

  host.selectionsShown.clear();
  SearchOptions exact = fromStart("haus");
  exact.matchCase = true;
  findAll(exact, 2);
  EXPECT_EQ(foundInTurn(), (std::vector<std::string>{"haus"}));
}

TEST_F(SearchReplace, WholeWordsStandBetweenBlanksOrParagraphEdges) {
  write(0, "Hausbau");
  write(0, "Haus.");
  write(0, "das Haus steht");
  write(0, "Haus am Anfang im Haus");
  findAll(wholeWords(fromStart("haus")), 4);
  // The second paragraph's start and the fourth's start and end.
  EXPECT_EQ(foundInTurn(), (std::vector<std::string>{"Haus", "Haus", "Haus"}));
  const TextPos found = caretPos(editor.doc());
  EXPECT_EQ(found, (TextPos{0, 3, 22}));
  // A search text with a blank is found as it is.
  findAll(wholeWords(fromStart("s st")), 2);
  EXPECT_EQ(foundInTurn(), (std::vector<std::string>{"s st"}));
}

TEST_F(SearchReplace, NoMatchAcrossFieldsParagraphsCellsOrFrames) {
  write(0, "vor Ha");
  write(0, "us nach");                    // a paragraph end inside
  write(0, "Ha", kLineEndSoft);           // a soft line end inside
  write(0, "us steht");
  test::appendTableRow(editor.doc(), {{"Ha", 1.0}, {"us", 1.0}});
  write(0, "Hau#s");
  TLineRec& withField = editor.doc().Fields[0].Lines.back();
  withField.Chars[3].Kind = kCellField;
  write(0, "zuletzt Ha");
  write(1, "us im Kopf");                 // the next frame walked
  SearchOptions everywhere = fromStart("haus");
  everywhere.allFrames = true;
  findAll(everywhere, 2);
  EXPECT_EQ(foundInTurn(), (std::vector<std::string>{"Haus"}));
  EXPECT_EQ(FindMarkingStart(editor.doc()).start(), (TextPos{0, 2, 0}));
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 3, 2}));

  // The walk does reach the other frame, and with whole words the edges of
  // paragraphs, table cells and frames count as blanks.
  host.selectionsShown.clear();
  everywhere.text = "us";
  findAll(wholeWords(everywhere), 4);
  EXPECT_EQ(foundInTurn(), (std::vector<std::string>{"us", "us", "us"}));
  EXPECT_EQ(caretPos(editor.doc()).field, 1);
}

// Text flowing on into the next frame of a chain is another frame all
// the same.
TEST_F(SearchReplace, NoMatchIntoTheNextFrameOfAChain) {
  Document& doc = editor.doc();
  write(0, "vor Ha", kLineEndSoft);
  TFieldRec next = doc.Fields[0];
  next.Lines.clear();
  next.PageNo = 1;
  next.PrevField = 0;
  doc.Fields.push_back(next);
  doc.Fields[0].NextField = doc.FieldCount() - 1;
  write(doc.FieldCount() - 1, "us nach");
  findAll(fromStart("haus"), 2);
  EXPECT_EQ(foundInTurn(), std::vector<std::string>{});
  findAll(fromStart("nach"), 2);
  EXPECT_EQ(foundInTurn(), std::vector<std::string>{"nach"});
}

TEST_F(SearchReplace, BackwardsFromTheEndTheCaretStandsBeforeTheMatch) {
  write(0, "eins Haus zwei Haus drei");
  SearchOptions back = fromStart("haus");
  back.backwards = true;
  host.steps = {find(back)};
  editor.SuchenErsetzen(0);
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 15}));
  EXPECT_EQ(anchorPos(editor.doc()), (TextPos{0, 0, 19}));
  findAll(back, 3);
  EXPECT_EQ(foundInTurn(), (std::vector<std::string>{"Haus", "Haus"}));
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 5}));
}

TEST_F(SearchReplace, StartsAtTheSelectionOrCaretAndEndsOnEmptyTextOrCancel) {
  write(0, "Haus eins Haus zwei Haus");
  setCaret(editor.doc(), {0, 0, 5});
  setAnchor(editor.doc(), {0, 0, 5});
  SearchOptions here;
  here.text = "haus";
  findAll(here, 3);
  EXPECT_EQ(foundInTurn(), (std::vector<std::string>{"Haus", "Haus"}));
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 24}));

  host.messages.clear();
  host.steps = {find(SearchOptions{})};
  editor.SuchenErsetzen(0);
  EXPECT_TRUE(host.messages.empty());

  host.steps = {};
  editor.SuchenErsetzen(1);
  EXPECT_EQ(host.pagesShown.back(), 1);
  EXPECT_TRUE(finishedWithMessage());
}

TEST_F(SearchReplace, GoesToAPageOrTheChainsLastFrame) {
  Document& doc = editor.doc();
  write(0, "Seite 1");
  int32_t previous = 0;
  for (int32_t page = 1; page < 5; ++page) {
    TFieldRec frame = doc.Fields[0];
    frame.PageNo = page;
    frame.PrevField = previous;
    frame.NextField = -1;
    doc.Fields.push_back(frame);
    const auto added = static_cast<int32_t>(doc.Fields.size() - 1);
    doc.Fields[static_cast<size_t>(previous)].NextField = added;
    previous = added;
  }
  const auto goTo = [](int32_t number) {
    return [number](TSearchForm& form) {
      form.pageNumber = number;
      return int{kSearchGoToPage};
    };
  };
  const int32_t third = doc.Fields[static_cast<size_t>(doc.Fields[0].NextField)].NextField;
  host.steps = {goTo(3)};
  editor.SuchenErsetzen(2);
  EXPECT_EQ(caretPos(doc), (TextPos{third, 0, 0}));
  EXPECT_FALSE(isThereAmarking(doc));
  EXPECT_GT(host.caretScrolls, 0);

  host.steps = {goTo(9)};
  editor.SuchenErsetzen(2);
  EXPECT_EQ(caretPos(doc), (TextPos{previous, 0, 0}));

  // A chain that runs back into itself still ends.
  doc.Fields[static_cast<size_t>(previous)].NextField = 0;
  host.steps = {goTo(9)};
  editor.SuchenErsetzen(2);
  EXPECT_EQ(caretPos(doc).cell, 0);
  EXPECT_EQ(host.pagesShown, (std::vector<int>{2, 2, 2, 2, 2, 2}));
}

TEST_F(SearchReplace, ReplacingOneMatchThenTheNext) {
  writeLaidOut("Haus und Haus und Haus");
  const SearchOptions options = fromStart("haus");
  SearchOptions later = options;
  later.fromStart = false;
  host.steps = {replaceWith(options, "Heim", kSearchReplaceNext), replaceWith(later, "Heim", kSearchReplace),
                replaceWith(later, "Heim", kSearchReplaceNext)};
  editor.SuchenErsetzen(1);
  // The first is replaced, the second passed by, the third found.
  EXPECT_EQ(frameText(), "Heim und Haus und Haus\n");
  EXPECT_EQ(foundInTurn(), (std::vector<std::string>{"Haus", "Haus", "Haus"}));
  EXPECT_NE(editor.undoHistory().undoMenuItem().text.find("Ersetzen"), std::string::npos);
}

TEST_F(SearchReplace, ReplaceAllIsOneUndoStepAndNeverLoops) {
  writeLaidOut("Haus und Haus, kein Hausbau");
  write(0, "Das HAUS");
  editor.RefreshContent();
  const std::string before = frameText();
  host.steps = {replaceWith(fromStart("haus"), "Haushalt", kSearchReplaceAll)};
  editor.SuchenErsetzen(1);
  EXPECT_EQ(frameText(), "Haushalt und Haushalt, kein Haushaltbau\nDas Haushalt\n");
  EXPECT_TRUE(finishedWithMessage());
  EXPECT_EQ(host.pagesShown.size(), 1u);
  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(frameText(), before);

  // Backwards, the search goes on before the inserted text.
  SearchOptions back = fromStart("haus");
  back.backwards = true;
  back.wholeWords = true;
  host.steps = {replaceWith(back, "Hausboot Haus", kSearchReplaceAll)};
  editor.SuchenErsetzen(1);
  EXPECT_EQ(frameText(), "Hausboot Haus und Haus, kein Hausbau\nDas Hausboot Haus\n");
}

TEST_F(SearchReplace, AnEmptyReplacementDeletesEveryMatch) {
  writeLaidOut("ab xx cd xx");
  host.steps = {replaceWith(fromStart("xx"), "", kSearchReplaceAll)};
  editor.SuchenErsetzen(1);
  EXPECT_EQ(frameText(), "ab  cd \n");
}

TEST_F(SearchReplace, ReplaceAllOverEveryFrameEnds) {
  writeLaidOut("Haus im Text");
  write(1, "Haus im Kopf");
  editor.RefreshContent();
  SearchOptions everywhere = fromStart("haus");
  everywhere.allFrames = true;
  editor.doc().CurFont.Size = 30;
  host.steps = {replaceWith(everywhere, "Haus Haus", kSearchReplaceAll)};
  editor.SuchenErsetzen(1);
  EXPECT_EQ(frameText(0), "Haus Haus im Text\n");
  EXPECT_EQ(frameText(1), "Haus Haus im Kopf\n");
  // The replacement takes the format of the replaced text.
  const TLineRec& line = editor.doc().Fields[0].Lines[0];
  EXPECT_EQ(line.Chars[5].FontIndex, line.Chars[10].FontIndex);
}

// Paragraphs of a, b and blanks: successive searches find exactly what a
// plain left-to-right string search of each paragraph finds.
TEST_F(SearchReplace, PropertyRepeatedSearchesMatchAPlainStringSearch) {
  for (unsigned seed = 1; seed <= test::propertySeeds(100); ++seed) {
    std::mt19937 random(seed);
    SearchHost freshHost;
    Editor fresh(freshHost);
    fresh.FormCreate();
    std::vector<std::string> paragraphs(1 + random() % 6);
    std::string expected;
    for (std::string& paragraph : paragraphs) {
      const size_t length = random() % 30;
      for (size_t i = 0; i < length; ++i) paragraph.push_back("aAb "[random() % 4]);
      test::appendTextLine(fresh.doc(), 0, paragraph);
    }
    setCaret(fresh.doc(), {0, 0, 0});
    setAnchor(fresh.doc(), {0, 0, 0});
    std::string pattern;
    for (size_t i = 1 + random() % 3; i > 0; --i) pattern.push_back("ab"[random() % 2]);
    std::vector<TextPos> want;
    std::string folded;
    for (size_t p = 0; p < paragraphs.size(); ++p) {
      folded = toUpper1252(paragraphs[p]);
      const std::string target = toUpper1252(pattern);
      for (size_t at = folded.find(target); at != std::string::npos; at = folded.find(target, at + target.size()))
        want.push_back({0, static_cast<int32_t>(p), static_cast<int32_t>(at + target.size())});
    }
    std::vector<TextPos> got;
    SearchOptions options = fromStart(pattern);
    freshHost.steps.push_back(find(options));
    options.fromStart = false;
    for (size_t i = 0; i < want.size() + 1; ++i) freshHost.steps.push_back(find(options));
    freshHost.whatIsSelected = [&] {
      if (isThereAmarking(fresh.doc())) got.push_back(caretPos(fresh.doc()));
      return std::string();
    };
    fresh.SuchenErsetzen(0);
    ASSERT_EQ(got, want) << "seed " << seed << " pattern " << pattern;
  }
}

}  // namespace
}  // namespace vendaro
