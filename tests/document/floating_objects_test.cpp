#include <gtest/gtest.h>

#include "document/floating_objects.h"
#include "document/paint_side_lists.h"
#include "document/picture_list.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

TEST(FloatingObjects, ShowOnRulesOverTheFirstSevenPages) {
  // Rows: ShowOn 0 (frame on page 2), 1, 2, 3, 4, 5, 6, 99; columns: pages 0–6.
  const char* expected[] = {"0010000", "1111111", "0111111", "0101010", "1010101", "0101010", "0010101", "0000000"};
  const uint8_t showOn[] = {0, 1, 2, 3, 4, 5, 6, 99};
  for (int row = 0; row < 8; ++row)
    for (int page = 0; page < 7; ++page)
      EXPECT_EQ(istOnAllPagesGedeckt(showOn[row], 2, page), expected[row][page] == '1')
          << "ShowOn " << int(showOn[row]) << " page " << page;
}

TFieldRec& addBox(Document& doc, double x1, double y1, double x2, double y2) {
  TFieldRec& box = doc.NewPage(true);
  box.FieldType = kFieldTextBox;
  box.Left = x1;
  box.Top = y1;
  box.Right = x2;
  box.Bottom = y2;
  box.RightFromRight = box.BottomFromBottom = box.TopFromBottom = 0;
  box.TextDistX = box.TextDistY = 2.0;
  box.ShowOn = 0;
  return box;
}

TEST(FloatingObjects, FreeAnchorIdsSkipTakenOnes) {
  Document doc = test::newWindowDocument();
  EXPECT_EQ(getFreeAnkerID(doc), 100);
  addBox(doc, 0, 0, 1, 1).AnchorID = 101;
  addBox(doc, 0, 0, 1, 1).AnchorID = 100;
  addBox(doc, 0, 0, 1, 1).AnchorID = 103;
  EXPECT_EQ(getFreeAnkerID(doc), 102);
  doc.Fields[8].MoveWithText = 0;  // an object that does not move with text holds no id
  EXPECT_EQ(getFreeAnkerID(doc), 100);
  EXPECT_EQ(getfieldWithAnkerID(doc, 0, 101), 7);
  EXPECT_EQ(getfieldWithAnkerID(doc, 8, 101), -1);
  EXPECT_EQ(getfieldWithAnkerID(doc, 50, 103), -1);
}

FlowCell cellAt(double x, double y) {
  FlowCell c;
  c.field = 0;
  c.line = 0;
  c.x = x;
  c.width = 5;
  c.y = y;
  c.height = 5;
  c.anchorCandidate = true;
  return c;
}

TEST(FloatingObjects, TextFlowsRightOfObjectsByWrapMode) {
  Document doc = test::newWindowDocument();
  TFieldRec& box = addBox(doc, 50, 50, 80, 80);
  FlowCell inside = cellAt(60, 60);
  EXPECT_TRUE(iscolladingwithfield(doc, inside));
  EXPECT_EQ(inside.x, 82.0);
  FlowCell leftOfIt = cellAt(20, 60);
  EXPECT_FALSE(iscolladingwithfield(doc, leftOfIt));
  FlowCell below = cellAt(60, 90);
  EXPECT_FALSE(iscolladingwithfield(doc, below));

  doc.Fields[7].WrapMode = 1;  // text only above and below: any overlapping row moves
  FlowCell farLeft = cellAt(20, 60);
  EXPECT_TRUE(iscolladingwithfield(doc, farLeft));
  EXPECT_EQ(farLeft.x, 82.0);

  doc.Fields[7].WrapMode = 2;  // text only left of the object: cells right of it move too
  FlowCell rightOfIt = cellAt(90, 60);
  EXPECT_FALSE(iscolladingwithfield(doc, rightOfIt));  // beyond x2 + distance
  FlowCell leftEdge = cellAt(20, 60);
  EXPECT_TRUE(iscolladingwithfield(doc, leftEdge));

  doc.Fields[7].WrapMode = 3;  // text only right of it: any cell beside it counts as colliding
  FlowCell farRight = cellAt(150, 60);
  EXPECT_TRUE(iscolladingwithfield(doc, farRight));
  FlowCell leftOfBox = cellAt(20, 60);
  EXPECT_FALSE(iscolladingwithfield(doc, leftOfBox));

  doc.Fields[7].WrapText = 0;
  FlowCell covered = cellAt(60, 60);
  EXPECT_FALSE(iscolladingwithfield(doc, covered));
  EXPECT_EQ(covered.x, 60.0);
  (void)box;
}

TEST(FloatingObjects, AnchoredObjectsRecordTheNearestLine) {
  Document doc = test::newWindowDocument();
  test::appendTextLine(doc, 0, "x");
  test::appendTextLine(doc, 0, "y");
  addBox(doc, 50, 50, 80, 80).WrapText = 0;
  resetAnchorSearch(doc);
  FlowCell far = cellAt(10, 10);
  iscolladingwithfield(doc, far);
  FlowCell near = cellAt(40, 40);
  near.line = 1;
  near.lineX = 25;
  near.lineY = 40;
  iscolladingwithfield(doc, near);
  FlowCell farAgain = cellAt(0, 0);
  iscolladingwithfield(doc, farAgain);
  EXPECT_EQ(doc.Fields[7].AnchorLineIdx, 1);
  EXPECT_EQ(doc.Fields[7].NewAnchorDX, 25.0);
  EXPECT_EQ(doc.Fields[7].NewAnchorDY, 10.0);
}

TEST(PictureList, PicturesStayWhileTextOrUndoUsesThem) {
  Document doc = test::richDocument();  // its text uses picture 2 only
  Document snapshot = doc;
  snapshot.Fields[0].Lines[0].Chars[snapshot.Fields[0].Lines[0].CharCount() - 3].PictureIndex = 1;
  const Document* snapshots[] = {&snapshot};
  FreeBildInListeIfNotNeeded(doc, snapshots);
  EXPECT_FALSE(doc.Pictures[0].hasPixels());
  EXPECT_TRUE(doc.Pictures[1].hasPixels());
  EXPECT_TRUE(doc.Pictures[2].hasPixels());
  FreeBildInListeIfNotNeeded(doc);
  EXPECT_FALSE(doc.Pictures[1].hasPixels());
  EXPECT_TRUE(doc.Pictures[2].hasPixels());
  EXPECT_EQ(doc.PictureCount(), 3);  // entries stay so indices stay valid
  EXPECT_TRUE(snapshot.Pictures[0].hasPixels());  // a snapshot keeps its own bitmaps
  FreeBildInListe(doc, 17);
  FreeBilderListe(doc);
  EXPECT_EQ(doc.PictureCount(), 0);
}

TEST(PaintSideLists, EqualTableTracksAreStoredOnce) {
  PaintSideLists lists;
  EXPECT_EQ(lists.AddTableTrack(0, 4, 1), 0);
  EXPECT_EQ(lists.AddTableTrack(0, 5, 1), 1);
  EXPECT_EQ(lists.AddTableTrack(0, 4, 1), 0);
  EXPECT_EQ(lists.TableTracks.size(), 2u);
  lists.AddMouseObj(3, 1, 2, 3, 4);
  lists.FreeMouseObjs();
  EXPECT_TRUE(lists.MouseObjs.empty());
}

}  // namespace
}  // namespace vendaro
