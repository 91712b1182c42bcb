// Documents at the edges of size, one of each family at a size the suite
// can afford: each is written, opened, laid out until it settles, painted on
// screen and in print, saved and opened again with all its text. A tab stop
// beyond any paper is brought back to the widest paper as it is read.
#include <gtest/gtest.h>

#include "document/record_ranges.h"
#include "editing/editor.h"
#include "editing/settle_layout.h"
#include "formats/lpx_file.h"
#include "shell/document_files.h"
#include "support/extreme_documents.h"
#include "support/recording_canvas.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::ExtremeFamily;

int64_t cellCount(const Document& doc) {
  int64_t cells = 0;
  for (const TFieldRec& frame : doc.Fields)
    for (const TLineRec& line : std::as_const(frame.Lines)) cells += line.CharCount();
  return cells;
}

struct Case {
  ExtremeFamily family;
  int64_t size;
};

constexpr Case kCases[] = {
    {ExtremeFamily::farTabLeader, 150'000'000}, {ExtremeFamily::emptyLines, 3000},
    {ExtremeFamily::giantWord, 20'000},         {ExtremeFamily::longText, 30'000},
    {ExtremeFamily::longTable, 300},            {ExtremeFamily::tabsOnly, 3000},
    {ExtremeFamily::boxChain, 40},              {ExtremeFamily::tenMetrePage, 5000},
    {ExtremeFamily::bitmapPicture, 3000},       {ExtremeFamily::truecolourPicture, 600},
};

TEST(ExtremeDocuments, EachFamilyOpensSettlesPaintsAndKeepsItsText) {
  test::TempDir dir;
  for (const Case& c : kCases) {
    SCOPED_TRACE(test::extremeFamilyName(c.family));
    const Document built = test::extremeDocument(c.family, c.size);
    std::string message;
    ASSERT_TRUE(SaveLPXFile(built, dir.file("extrem.lpx"), message)) << message;

    test::RecordingHost host;
    Editor editor(host);
    editor.FormCreate();
    ASSERT_TRUE(openNativeFile(editor, dir.file("extrem.lpx"), true));
    EXPECT_FALSE(settleLayout(editor).wantsLayout());
    editor.paintState().viewport = PaintViewport{0, 0, 2000, 1400, 1980, 1380, 16, 16, true, true};
    test::RecordingCanvas screen(96, {0, 0, 1980, 1380});
    editor.DrawPages(screen, false);
    test::RecordingCanvas printed(24, {0, 0, 20000, 20000});
    editor.DrawPages(printed, true, 0, 0, 0);
    EXPECT_FALSE(printed.calls.empty());

    ASSERT_TRUE(saveNativeFile(editor, dir.file("wieder.lpx"), true));
    test::RecordingHost againHost;
    Editor again(againHost);
    again.FormCreate();
    ASSERT_TRUE(openNativeFile(again, dir.file("wieder.lpx"), true));
    EXPECT_EQ(cellCount(again.doc()), cellCount(built));
    EXPECT_EQ(again.doc().PictureCount(), built.PictureCount());
    EXPECT_TRUE(host.messages.empty() && againHost.messages.empty());
  }
}

TEST(ExtremeDocuments, ATabStopBeyondAnyPaperIsReadAtTheWidestPaper) {
  const Document built = test::extremeDocument(ExtremeFamily::farTabLeader, 150'000'000);
  const std::vector<uint8_t> bytes = encodeLpx(built);
  Document read;
  ASSERT_TRUE(decodeLpx(bytes.data(), bytes.size(), read));
  ASSERT_EQ(read.Fields[0].Lines[0].Para.Tabs.size(), 1u);
  EXPECT_EQ(read.Fields[0].Lines[0].Para.Tabs[0].Pos, kMaxPaperMm);
}

}  // namespace
}  // namespace vendaro
