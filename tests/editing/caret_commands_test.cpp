#include <gtest/gtest.h>

#include "document/caret_moves.h"
#include "editing/editor.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

// Remembers each tool bar update and whether the editor's guard was set.
class ToolbarHost : public test::RecordingHost {
 public:
  void toolbarFontChanged(const ToolbarFontState& state) override {
    states.push_back(state);
    guarded += editor->ToolbarSyncGuard ? 1 : 0;
  }
  const Editor* editor = nullptr;
  std::vector<ToolbarFontState> states;
  int guarded = 0;
};

// A new document whose first line holds `cells` cells in `font`.
struct CaretCommands : ::testing::Test {
  void SetUp() override {
    host.editor = &editor;
    editor.FormCreate();
  }
  TLineRec& firstLine(size_t cells, const TFontRec& font) {
    TLineRec& line = editor.doc().Fields[0].Lines[0];
    line.Chars.resize(cells);
    for (TCharRec& cell : line.Chars) cell.FontIndex = editor.doc().GetNewFontIndex(font);
    return line;
  }

  ToolbarHost host;
  Editor editor{host};
};

TEST_F(CaretCommands, OvertakeFontTakesTheFontBeforeTheCaretAndUpdatesTheToolbar) {
  Document& doc = editor.doc();
  TFontRec italic = defaultCurFont();
  italic.Style = 2;
  TLineRec& line = firstLine(2, italic);
  line.Para.Alignment = 2;
  line.Para.ListKind = 1;
  editor.FreeVorlagen();
  TStyleRec style;
  style.Name = "Standard";
  editor.AddVorlage(style);

  setCaret(doc, {0, 0, 1});
  editor.OvertakeFont();
  EXPECT_EQ(doc.CurFont.Style, 2);
  ASSERT_EQ(host.states.size(), 1u);
  EXPECT_FALSE(editor.ToolbarSyncGuard);
  EXPECT_TRUE(host.states[0].italic());
  EXPECT_FALSE(host.states[0].bold());
  EXPECT_EQ(host.states[0].alignment, 2);
  EXPECT_EQ(host.states[0].listKind, 1);
  EXPECT_EQ(host.states[0].styleNames, std::vector<std::string>{"Standard"});

  doc.CurFont.Size = 33;  // the toolbar alone follows the input format
  editor.SmallOvertakeFont();
  EXPECT_EQ(host.states.back().font.Size, 33);
  EXPECT_EQ(host.guarded, 2);
}

TEST_F(CaretCommands, AnOpenedDocumentTypesInTheFontAtItsRestoredCaret) {
  Document& doc = editor.doc();
  TFontRec text = defaultCurFont();
  text.Size = 14;
  firstLine(3, text);
  // What a reader leaves: the caret where the file had it, and the input
  // font the file (or the start template) stored.
  setCaret(doc, {0, 0, 2});
  setAnchor(doc, {0, 0, 2});
  doc.CurFont.Size = 48;
  editor.documentLoaded();
  EXPECT_EQ(doc.CurFont.Size, 14);
  ASSERT_FALSE(host.states.empty());
  EXPECT_EQ(host.states.back().font.Size, 14);
}

}  // namespace
}  // namespace vendaro
