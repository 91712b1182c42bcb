// The editor's layout wrappers with the program's real fonts and German
// hyphenation patterns, and what they ask of the window.
#include <gtest/gtest.h>

#include "editing/editor.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

TEST(EditorLayout, WrappersLayOutRepaintAndShowTheCaret) {
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  EXPECT_EQ(host.repaints, 1);
  EXPECT_EQ(host.caretScrolls, 1);
  Document& doc = editor.doc();
  for (char c : std::string("Die Silbentrennung der Zeilen")) {
    TCharRec* cell = doc.NewChar();
    cell->Ch = static_cast<uint8_t>(c);
    doc.RenderChar(*cell);
    doc.MarkChar = ++doc.CurChar;
  }
  doc.Fields[0].Lines[0].Dirty = 1;
  editor.RefreshDirtyContent();
  EXPECT_EQ(host.repaints, 2);
  EXPECT_EQ(host.caretScrolls, 2);
  const auto& lines = doc.Fields[0].Lines;
  ASSERT_GE(lines.size(), 2u);
  std::string first;
  for (const TCharRec& cell : lines[0].Chars) first.push_back(static_cast<char>(cell.Ch));
  EXPECT_TRUE(first == "Die Sil" || first == "Die Silben" || first == "Die Silbentren") << first;
  EXPECT_EQ(lines[0].Hyphenated, 1);
  EXPECT_EQ(doc.CurLine, static_cast<int32_t>(lines.size()) - 1);  // behind the last character typed
  EXPECT_EQ(doc.CurChar, lines.back().CharCount());

  // Every line is laid out again; only CompleteRefresh shows the caret.
  doc.Fields[5].Lines[0].LineHeight = 0;
  editor.RefreshContent();
  EXPECT_GT(doc.Fields[5].Lines[0].LineHeight, 0);
  EXPECT_EQ(host.repaints, 3);
  EXPECT_EQ(host.caretScrolls, 2);
  editor.CompleteRefresh();
  EXPECT_EQ(host.caretScrolls, 3);
}

}  // namespace
}  // namespace vendaro
