// Undo steps that share unchanged lines with the document: random edits
// restore exactly what was recorded, later edits never reach a stored step,
// a typing step copies only the lines it changed, and the memory bound.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "document/caret_moves.h"
#include "document/page_setup.h"
#include "editing/editor.h"
#include "shell/document_dump.h"
#include "support/keyboard_driver.h"
#include "support/property_seeds.h"
#include "support/recording_canvas.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

// The state a stored step brings back, read without touching the editor.
Document stepState(const Editor& editor, int32_t index) {
  Document scratch = editor.doc();
  editor.undoHistory().load(index, scratch);
  return scratch;
}

// Empty when the dumps are equal, else the first line that differs with the
// lines before it (the dumps of whole documents are long).
std::string firstDifference(const std::string& got, const std::string& wanted) {
  size_t start = 0;
  size_t context = 0;  // where the last three lines began
  for (int line = 0; start < got.size() || start < wanted.size(); ++line) {
    const size_t gotEnd = std::min(got.find('\n', start), got.size());
    const size_t wantedEnd = std::min(wanted.find('\n', start), wanted.size());
    if (got.compare(start, gotEnd - start, wanted, start, wantedEnd - start) != 0)
      return got.substr(context, gotEnd - context) + "\n  wanted: " + wanted.substr(start, wantedEnd - start);
    if (line % 3 == 0) context = start;
    start = gotEnd + 1;
  }
  return "";
}

// The font table (it only grows) and the caret's side of a soft line end
// are no part of a step: `wanted` is compared with those `got` has now.
std::string differenceFrom(const Document& got, Document wanted) {
  wanted.Fonts = got.Fonts;
  wanted.CaretAtLineEnd = got.CaretAtLineEnd;
  return firstDifference(dumpDocumentJson(got), dumpDocumentJson(wanted));
}

TextPos randomPos(const Document& doc, std::mt19937& random) {
  const LineList& lines = doc.Fields[0].Lines;
  const auto line = static_cast<int32_t>(random() % lines.size());
  return {0, line, static_cast<int32_t>(random() % (lines[static_cast<size_t>(line)].Chars.size() + 1))};
}

// One command of the kinds that change lines, frames and the paper, with
// the caret placed first; `before` gets the state the command starts from.
void randomEdit(Editor& editor, std::mt19937& random, Document& before) {
  Document& doc = editor.doc();
  const auto select = [&] {
    setAnchor(doc, randomPos(doc, random));
    setCaret(doc, randomPos(doc, random));
  };
  const auto act = [&](auto command) {
    before = doc;
    command();
  };
  switch (random() % 8) {
    case 0:
    case 1: {
      const std::string word(1 + random() % 6, static_cast<char>('a' + random() % 26));
      act([&] { test::typeKeys(editor, word + " "); });
      break;
    }
    case 2:
      act([&] { test::typeKeys(editor, "\n"); });
      break;
    case 3:
      act([&] { test::typeKeys(editor, "\b\b"); });
      break;
    case 4:  // a selection deleted, across paragraphs and table cells
      select();
      act([&] { editor.getkeysKeyDown(kKeyDelete, 0); });
      break;
    case 5:
      select();
      act([&] { editor.toggleCharacterStyle(0); });
      break;
    case 6: {
      PageSetupValues setup = currentPageSetup(doc);
      setup.PageWidth = 150 + static_cast<double>(random() % 100);
      setup.MarginLeft = 10 + static_cast<double>(random() % 20);
      act([&] {
        editor.MakeCopyForUndo("Seite einrichten");
        applyPageSetup(doc, setup, true);
        editor.CompleteRefresh();
      });
      break;
    }
    default: {  // the caret elsewhere, which ends a run of typing
      const TextPos pos = randomPos(doc, random);
      setCaret(doc, pos);
      setAnchor(doc, pos);
      break;
    }
  }
}

// Random edits with a snapshot before each command; undoing k steps gives
// the state recorded k steps earlier, redoing the later ones, and edits made
// after an undo leave every step that is kept as it was recorded.
TEST(UndoSharing, RandomEditsUndoAndRedoExactlyWhatWasRecorded) {
  const unsigned seeds = test::propertySeeds(100);
  for (unsigned seed = 1; seed <= seeds && !::testing::Test::HasFailure(); ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    test::RecordingHost host;
    Editor editor(host);
    editor.FormCreate();
    editor.setMaxUndoSteps(1000);
    Document& doc = editor.doc();
    test::appendTextLine(doc, 0, "Erste Zeile mit etwas Text, der umbricht, wenn die Seite schmal wird.");
    test::appendTableRow(doc, {{"links oben", 2.0}, {"rechts", 1.0}});
    test::appendTextLine(doc, 0, "Danach");
    editor.CompleteRefresh();

    std::vector<Document> recorded;  // the state each step holds
    for (int round = 0; round < 3 && !::testing::Test::HasFailure(); ++round) {
      for (int edit = 0; edit < 12; ++edit) {
        Document before;
        const int32_t position = editor.undoHistory().UndoPos();
        randomEdit(editor, random, before);
        // A step taken lands at the position, after dropping the redo part.
        if (editor.undoHistory().UndoPos() != position) {
          recorded.resize(static_cast<size_t>(editor.undoHistory().UndoPos() - 1));
          recorded.push_back(before);
        }
      }
      const int32_t count = editor.undoHistory().UndoCount();
      ASSERT_EQ(static_cast<size_t>(count), recorded.size());
      for (int32_t i = 0; i < count; ++i) ASSERT_EQ(differenceFrom(stepState(editor, i), recorded[static_cast<size_t>(i)]), "") << "step " << i;
      if (count == 0) continue;

      const Document present = doc;
      const auto k = static_cast<int32_t>(random() % static_cast<unsigned>(count));
      editor.RestoreCopyFromUndo(k);
      ASSERT_EQ(differenceFrom(doc, recorded[static_cast<size_t>(count - 1 - k)]), "");
      editor.RestoreBeforeRestoreCopyFromUndo(k);
      ASSERT_EQ(differenceFrom(doc, present), "");  // back at the end
      editor.RestoreCopyFromUndo(k);
      if (k > 0) {
        editor.RestoreBeforeRestoreCopyFromUndo(0);
        ASSERT_EQ(differenceFrom(doc, recorded[static_cast<size_t>(count - k)]), "");
        editor.RestoreCopyFromUndo(0);
      }
      ASSERT_EQ(differenceFrom(doc, recorded[static_cast<size_t>(count - 1 - k)]), "");
      // The edits of the next round start from the restored state; the
      // steps before it must survive them unchanged.
      recorded.push_back(present);  // the state kept by the first undo
    }
  }
}

// A long text: 200 paragraphs of ten lines each.
void fillLongText(Editor& editor) {
  editor.FormCreate();
  Document& doc = editor.doc();
  const std::string words = "Ein Absatz mit genug Worten, dass er in zwei oder drei Zeilen umbricht, "
                            "wenn die Seite ihre gewohnte Breite hat und die Schrift elf Punkt misst. ";
  doc.Fields[0].Lines.clear();
  for (int i = 0; i < 200; ++i) test::appendTextLine(doc, 0, words);
  setCaret(doc, {0, 100, 10});
  setAnchor(doc, {0, 100, 10});
  editor.CompleteRefresh();
}

size_t linesNotShared(const Document& doc, const Document& step) {
  const LineList& lines = doc.Fields[0].Lines;
  const LineList& stored = step.Fields[0].Lines;
  size_t changed = 0;
  for (size_t i = 0; i < lines.size(); ++i) changed += i >= stored.size() || lines.identity(i) != stored.identity(i) ? 1 : 0;
  return changed;
}

// Typing, layout, painting and the spelling marks write only the lines
// whose content changed (the edited paragraph from the key on is wrapped
// again): the other 1,990 lines stay shared with the step.
TEST(UndoSharing, ATypingStepCopiesOnlyTheLinesItChanged) {
  test::RecordingHost host;
  Editor editor(host);
  editor.setSpellingHook([](std::string_view word) { return word.size() % 3 != 0; });
  fillLongText(editor);
  editor.paintState().viewport = PaintViewport{0, 0, 2000, 1400, 1980, 1380, 16, 16, true, true};
  const auto typeAndPaint = [&editor](std::string_view keys) {
    test::typeKeys(editor, keys);
    test::RecordingCanvas canvas;
    editor.DrawPages(canvas, false);
    editor.DrawPages(canvas, false);
  };
  typeAndPaint("x");  // the first key takes the step
  Document snapshot = editor.doc();
  editor.undoHistory().load(editor.undoHistory().UndoCount() - 1, snapshot);
  ASSERT_EQ(editor.doc().Fields[0].LineCount(), 2000);
  EXPECT_LE(linesNotShared(editor.doc(), snapshot), 10u);
  typeAndPaint("yz");
  EXPECT_LE(linesNotShared(editor.doc(), snapshot), 10u);

  // The next step settles what this one holds alone: those lines.
  editor.getkeysKeyDown(kKeyEnter, 0);
  const size_t held = editor.undoHistory().heldBytes();
  EXPECT_LT(held, 100u * 1024) << held;
}

// Every step centres or aligns left all paragraphs, so that each holds all
// lines alone once the next is taken.
TEST(UndoSharing, TheOldestStepsGoWhenTheStepsHoldTooMuch) {
  test::RecordingHost host;
  Editor editor(host);
  fillLongText(editor);
  editor.setMaxUndoSteps(1000);
  Document& doc = editor.doc();
  setAnchor(doc, {0, 0, 0});
  setCaret(doc, {0, doc.Fields[0].LineCount() - 1, 0});
  std::vector<Document> recorded;
  const auto realign = [&](int i) {
    recorded.push_back(editor.doc());
    if (i % 2 == 0) editor.formatcenter();
    else editor.formatleft();
  };
  realign(0);
  realign(1);
  const size_t oneStep = editor.undoHistory().heldBytes();
  ASSERT_GT(oneStep, 100u * 1024);
  const size_t limit = oneStep * 3 + oneStep / 2;
  editor.setUndoMemoryLimit(limit);
  for (int i = 2; i < 12; ++i) realign(i);
  EXPECT_LE(editor.undoHistory().heldBytes(), limit);
  const int32_t kept = editor.undoHistory().UndoCount();
  EXPECT_GE(kept, 3);
  EXPECT_LE(kept, 5);
  // The oldest step kept is the state before the command `kept` back.
  editor.RestoreCopyFromUndo(kept - 1);
  EXPECT_EQ(differenceFrom(editor.doc(), recorded[recorded.size() - static_cast<size_t>(kept)]), "");
}

}  // namespace
}  // namespace vendaro
