// Painting through a real editor onto a recording surface: the geometry the
// painter asks for (page, frames, effects, handles, leaders), what only the
// screen shows, and the layout work a paint hands back to the editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "document/caret_moves.h"
#include "editing/editor.h"
#include "layout/cell_drawing.h"
#include "layout/line_geometry.h"
#include "layout/page_painter.h"
#include "support/recording_canvas.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

using test::RecordingCanvas;
using Op = RecordingCanvas::Op;

constexpr uint32_t kSilver = 0xC0C0C0;
constexpr uint32_t kRed = 0x0000FF;

class Painting : public ::testing::Test {
 protected:
  Painting() : editor(host) {
    editor.FormCreate();
    editor.paintState().viewport = PaintViewport{0, 0, 2000, 1400, 1980, 1380, 16, 16, true, true};
  }

  Document& doc() { return editor.doc(); }

  // A paint as the window does it: a resized paint box paints again.
  PaintOutcome paint(RecordingCanvas& canvas) {
    PaintOutcome out = editor.DrawPages(canvas, false);
    if (out.resized) {
      canvas.calls.clear();
      out = editor.DrawPages(canvas, false);
    }
    return out;
  }

  int32_t fontWith(uint16_t attr, double size = 20.0) {
    TFontRec font = doc().CurFont;
    SetPCharText(font.Name, "Arial");
    font.Size = size;
    font.Attr = attr;
    return doc().GetNewFontIndex(font);
  }

  void setFont(int32_t field, int32_t font) {
    for (TLineRec& line : doc().Fields[static_cast<size_t>(field)].Lines)
      for (TCharRec& cell : line.Chars) {
        cell.FontIndex = font;
        doc().RenderChar(cell);
      }
    doc().SetAllDirtyFlags();
    editor.RefreshContent();
  }

  int32_t addTextBox(double left, double top, double right, double bottom) {
    TFieldRec& box = doc().NewPage(true);
    box.FieldType = kFieldTextBox;
    box.Left = left, box.Top = top, box.Right = right, box.Bottom = bottom;
    box.RightFromRight = box.BottomFromBottom = box.TopFromBottom = 0;
    box.BorderWidth = 0.75;
    box.Transparent = 0;
    box.MarginLeft = box.MarginRight = 2.5;
    box.MarginTop = box.MarginBottom = 1.3;
    return doc().FieldCount() - 1;
  }

  test::RecordingHost host;
  Editor editor;
};

TEST_F(Painting, PageIsSizedCentredOutlinedAndShadowed) {
  RecordingCanvas canvas;
  const PaintOutcome out = paint(canvas);
  const PaintState& s = editor.paintState();
  const int pw = static_cast<int>(std::trunc(doc().PageWidthPx * 96.0 / 600.0));
  const int ph = static_cast<int>(std::trunc(doc().PageHeightPx * 96.0 / 600.0));
  EXPECT_EQ(s.pageWidthPx, pw);
  // Narrower than the window: one pixel wider than the free width, centred.
  const int freeWidth = 2000 - 16 - 4;
  EXPECT_EQ(s.paintBoxWidth, freeWidth + 1);
  EXPECT_EQ(s.originX, 16 + (freeWidth - (pw + 36)) / 2);
  const auto rects = canvas.of(Op::rectangle);
  ASSERT_FALSE(rects.empty());
  EXPECT_EQ(rects[0]->rect, (CanvasRect{s.originX, s.originY, s.originX + pw + 2, s.originY + ph + 2}));
  bool rightShadow = false, bottomShadow = false;
  for (const auto* f : canvas.of(Op::fill)) {
    if (f->color != 0) continue;
    rightShadow |= f->rect == CanvasRect{s.originX + pw + 2, s.originY + 2, s.originX + pw + 4, s.originY + ph + 4};
    bottomShadow |= f->rect == CanvasRect{s.originX + 2, s.originY + ph + 2, s.originX + pw + 4, s.originY + ph + 4};
  }
  EXPECT_TRUE(rightShadow && bottomShadow);
  EXPECT_EQ(out.pageStatus, "S 1     1/1");
  EXPECT_EQ(out.lineStatus, "Ze 1     Sp 1");
  EXPECT_TRUE(s.caretShown);
  EXPECT_EQ(s.caret.width, 2);
}

TEST_F(Painting, ZoomFiftyHalvesPageAndGlyphs) {
  test::appendTextLine(doc(), 0, "Zoom");
  editor.RefreshContent();
  RecordingCanvas full;
  paint(full);
  const int fullWidth = editor.paintState().pageWidthPx;
  const auto fullText = full.texts("Zoom");
  ASSERT_FALSE(fullText.empty());
  doc().ZoomPercent = 50.0;
  RecordingCanvas half;
  paint(half);
  EXPECT_NEAR(editor.paintState().pageWidthPx, fullWidth / 2, 1);
  const auto halfText = half.texts("Zoom");
  ASSERT_FALSE(halfText.empty());
  EXPECT_NEAR(halfText[0]->font.pixelSize, fullText[0]->font.pixelSize / 2, 1);

  // Printing ignores the zoom.
  RecordingCanvas printed(96);
  editor.DrawPages(printed, true, 0, 0, 0);
  ASSERT_FALSE(printed.texts("Zoom").empty());
  EXPECT_EQ(printed.texts("Zoom")[0]->font.pixelSize, fullText[0]->font.pixelSize);
}

TEST_F(Painting, ScreenMarksNeverPrint) {
  test::appendTextLine(doc(), 0, "Ein\tWort");
  ViewOptions& o = editor.viewOptions();
  o.ShowAllMarks = true;
  o.CheckWhileTyping = true;
  for (TCharRec& cell : doc().Fields[0].Lines.back().Chars) SettingOpsB(cell.CharFlags, kFlagMisspelled, true);
  editor.RefreshContent();
  for (TCharRec& cell : doc().Fields[0].Lines.back().Chars) SettingOpsB(cell.CharFlags, kFlagMisspelled, true);

  RecordingCanvas screen;
  paint(screen);
  EXPECT_TRUE(screen.anyLineInColor(kSilver));          // guide lines of the margins
  EXPECT_TRUE(screen.anyLineInColor(kRed));             // zigzag
  EXPECT_FALSE(screen.texts("\xB6").empty());           // paragraph mark
  EXPECT_FALSE(screen.texts("\xAE").empty());           // tab mark

  RecordingCanvas printed;
  editor.DrawPages(printed, true, 0, 0, 0);
  EXPECT_FALSE(printed.anyLineInColor(kSilver));
  EXPECT_FALSE(printed.anyLineInColor(kRed));
  EXPECT_TRUE(printed.texts("\xB6").empty());
  EXPECT_TRUE(printed.texts("\xAE").empty());
  EXPECT_FALSE(printed.texts("Wort").empty());

  // The page preview keeps the marks but hides the helpers.
  o.PageView = true;
  RecordingCanvas preview;
  paint(preview);
  EXPECT_FALSE(preview.anyLineInColor(kSilver));
  EXPECT_FALSE(preview.anyLineInColor(kRed));
  EXPECT_FALSE(preview.texts("\xB6").empty());
}

TEST_F(Painting, EffectsHaveFixedOffsetsAndUnderlineGeometry) {
  test::appendTextLine(doc(), 0, "Abc");
  uint16_t attr = 0;
  SettingOps(attr, kAttrShadow, true);
  SettingOps(attr, kAttrOutline, true);
  SettingOps(attr, kAttrDoubleUnderline, true);
  setFont(0, fontWith(attr, 24.0));
  doc().ZoomPercent = 200.0;  // two pixels per point at 72 dpi
  RecordingCanvas canvas(72);
  paint(canvas);
  const auto runs = canvas.texts("Abc");
  ASSERT_EQ(runs.size(), 6u);  // shadow, four outlines, the text
  const int x = runs[5]->rect.left, y = runs[5]->rect.top;
  const int p = 2;
  EXPECT_EQ(runs[0]->rect, (CanvasRect{x + 3 * p, y + 3 * p, x + 3 * p, y + 3 * p}));
  EXPECT_EQ(runs[0]->color, 0x808080u);
  const int outline[4][2] = {{-p, -p}, {-p, 0}, {0, -p}, {0, 0}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(runs[1 + k]->rect.left, x + outline[k][0]);
    EXPECT_EQ(runs[1 + k]->rect.top, y + outline[k][1]);
  }
  // Underline: width trunc(24 × 2 / 12) = 4, at the text's height less the
  // width; the second line three widths up.
  std::vector<const RecordingCanvas::Call*> underlines;
  for (const auto* l : canvas.of(Op::line))
    if (l->pen.width == 4 && l->rect.top == l->rect.bottom) underlines.push_back(l);
  ASSERT_EQ(underlines.size(), 2u);
  const int height = doc().fontEngine().metrics(runs[5]->font).height;
  EXPECT_EQ(underlines[0]->rect.top, y + height - 4);
  EXPECT_EQ(underlines[1]->rect.top, y + height - 12);
  EXPECT_EQ(underlines[0]->rect.left, x - 1);
}

TEST_F(Painting, TabLeaderDrawsOnlyWholeCopies) {
  test::appendTextLine(doc(), 0, "a\tb");
  TLineRec& line = doc().Fields[0].Lines.back();
  line.Para.Tabs = {TTabStop{50.0, 0, 2}};
  editor.RefreshContent();
  RecordingCanvas canvas;
  paint(canvas);
  const TCharRec& tab = doc().Fields[0].Lines.back().Chars[1];
  ASSERT_EQ(tab.TabLeader, 2);
  const auto dots = canvas.texts("..");
  ASSERT_EQ(dots.size(), 1u);
  const int step = doc().fontEngine().charWidth(dots[0]->font, '.');
  const double mmPerPixel = editor.paintState().mmPerPixel;
  const int tabPixels = static_cast<int>(tab.CharWidth / mmPerPixel);
  EXPECT_LE(static_cast<int>(dots[0]->text.size()) * step, tabPixels + 1);
  EXPECT_GT((static_cast<int>(dots[0]->text.size()) + 1) * step, tabPixels - 1);
}

// A leader across a tab far wider than the view draws only the copies in
// view, on the same grid as if it were drawn whole: a tab stop metres away
// must not build millions of dots.
TEST_F(Painting, ALeaderFarBeyondTheViewDrawsOnlyWhatIsSeen) {
  test::appendTextLine(doc(), 0, "a\tb");
  doc().Fields[0].Lines.back().Para.Tabs = {TTabStop{9000.0, 0, 2}};
  editor.RefreshContent();
  const CanvasRect visible{0, 0, 1980, 1380};
  RecordingCanvas canvas(96, visible);
  paint(canvas);
  const auto dots = canvas.texts("..");
  ASSERT_EQ(dots.size(), 1u);
  const int step = doc().fontEngine().charWidth(dots[0]->font, '.');
  ASSERT_GT(step, 0);
  EXPECT_LE(static_cast<int>(dots[0]->text.size()), visible.right / step + 2);
  EXPECT_GE(dots[0]->rect.left + static_cast<int>(dots[0]->text.size()) * step, visible.right);
  // A view that starts inside the tab: the copies in view start within a
  // step of its left edge, a whole number of steps from where the leader
  // begins.
  RecordingCanvas unscrolled;
  paint(unscrolled);
  const int leaderStart = unscrolled.texts("..")[0]->rect.left;
  const CanvasRect scrolled{leaderStart + 301, 0, leaderStart + 500, 1380};
  RecordingCanvas far(96, scrolled);
  paint(far);
  const auto farDots = far.texts("..");
  ASSERT_EQ(farDots.size(), 1u);
  EXPECT_LE(farDots[0]->rect.left, scrolled.left);
  EXPECT_GT(farDots[0]->rect.left + step, scrolled.left);
  EXPECT_EQ((farDots[0]->rect.left - leaderStart) % step, 0);
}

TEST(VisibleRepeats, CopiesThatMeetTheViewOnly) {
  // Ten copies of 5 pixels from 100: [100, 150).
  EXPECT_EQ(visibleRepeats(100, 5, 10, 0, 1000).first, 0);
  EXPECT_EQ(visibleRepeats(100, 5, 10, 0, 1000).end, 10);
  // A copy cut by either edge of the view is drawn.
  EXPECT_EQ(visibleRepeats(100, 5, 10, 112, 118).first, 2);
  EXPECT_EQ(visibleRepeats(100, 5, 10, 112, 118).end, 4);
  // A start left of the view (negative distances round down).
  EXPECT_EQ(visibleRepeats(-100, 5, 100, -3, 3).first, 19);
  EXPECT_EQ(visibleRepeats(-100, 5, 100, -3, 3).end, 21);
  // Nothing in view, no step, or nothing to draw.
  const RepeatRange none = visibleRepeats(100, 5, 10, 150, 200);
  EXPECT_EQ(none.end - none.first, 0);
  EXPECT_EQ(visibleRepeats(100, 0, 10, 0, 1000).end, 0);
  EXPECT_EQ(visibleRepeats(100, 5, 0, 0, 1000).end, 0);
  // Huge counts stay exact.
  const RepeatRange huge = visibleRepeats(0, 3, int64_t{1} << 40, 2'000'000'000, 2'000'000'300);
  EXPECT_EQ(huge.end - huge.first, 101);
}

// A tab cell has no height of its own: its leader and its mark stand on the
// line with the text around them.
TEST_F(Painting, TabLeaderAndMarkStandOnTheirLine) {
  test::appendTextLine(doc(), 0, "a\tb");
  doc().Fields[0].Lines.back().Para.Tabs = {TTabStop{50.0, 0, 2}};
  doc().Fields[0].Lines.back().Chars[1].CharHeight = -1.0;  // as typed
  editor.viewOptions().ShowAllMarks = true;
  editor.RefreshContent();
  RecordingCanvas canvas;
  paint(canvas);
  const auto letters = canvas.texts("a");
  const auto dots = canvas.texts("..");
  const auto marks = canvas.texts("\xAE");
  ASSERT_FALSE(letters.empty());
  ASSERT_EQ(dots.size(), 1u);
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_EQ(dots[0]->rect.top, letters.back()->rect.top);
  EXPECT_EQ(marks[0]->rect.top, letters.back()->rect.top);
}

// The hyphen painted after an automatically hyphenated line counts when the
// line is aligned: right-aligned, it ends where the paragraph's last line
// ends; centred, it stays centred.
TEST_F(Painting, AHyphenatedLineIsAlignedWithItsHyphen) {
  for (const uint8_t alignment : {uint8_t{2}, uint8_t{1}}) {
    SCOPED_TRACE(int(alignment));
    doc().Fields[0].Lines.resize(1);
    test::appendTextLine(doc(), 0, "Die Silbentrennungen Silbentrennungen Silbentrennungen Silbentrennungen Ende");
    setFont(0, fontWith(0, 40.0));
    for (TLineRec& line : doc().Fields[0].Lines) line.Para.Alignment = alignment;
    doc().AutoHyphenate = 1;
    doc().SetAllDirtyFlags();
    editor.RefreshContent();
    RecordingCanvas canvas;
    paint(canvas);
    const auto& lines = doc().Fields[0].Lines;
    const auto textOf = [](const TLineRec& line) {
      std::string text;
      for (const TCharRec& cell : line.Chars) text.push_back(static_cast<char>(cell.Ch));
      return text;
    };
    // Every line of the text is one run: where it starts and ends, in pixels.
    const auto runOf = [&](const std::string& prefix) -> const RecordingCanvas::Call* {
      for (const auto* call : canvas.of(Op::text))
        if (call->text.rfind(prefix, 0) == 0 && call->text.size() >= prefix.size()) return call;
      return nullptr;
    };
    const TLineRec& last = lines.back();
    const auto* lastRun = runOf(textOf(last));
    ASSERT_NE(lastRun, nullptr);
    const auto endOf = [](const RecordingCanvas::Call* run) {
      int end = run->rect.left;
      for (int advance : run->advances) end += advance;
      return end;
    };
    bool hyphenated = false;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
      if (!lines[i].Hyphenated) continue;
      hyphenated = true;
      const auto* run = runOf(textOf(lines[i]) + "-");
      ASSERT_NE(run, nullptr) << i;
      if (alignment == 2) EXPECT_NEAR(endOf(run), endOf(lastRun), 2) << i;
      else EXPECT_NEAR(run->rect.left + endOf(run), lastRun->rect.left + endOf(lastRun), 3) << i;
    }
    EXPECT_TRUE(hyphenated);
  }
}

TEST_F(Painting, CurrentTextBoxGetsRingAndHandles) {
  const int32_t box = addTextBox(40, 40, 100, 80);
  doc().CurField = doc().MarkField = box;
  doc().CurLine = doc().MarkLine = doc().CurChar = doc().MarkChar = 0;
  editor.RefreshContent();
  RecordingCanvas canvas;
  paint(canvas);
  int corners = 0, wide = 0, tall = 0;
  for (const auto* r : canvas.of(Op::rectangle)) {
    if (r->brush.style != BrushStyle::solid || r->brush.color != 0xFFFFFF) continue;
    const int w = r->rect.right - r->rect.left, h = r->rect.bottom - r->rect.top;
    corners += w == 7 && h == 7;
    wide += w == 7 && h == 6;
    tall += w == 6 && h == 7;
  }
  EXPECT_EQ(corners, 4 + 4);  // drawn with the frame and again on top
  EXPECT_EQ(wide, 4);
  EXPECT_EQ(tall, 4);
  bool hatched = false;
  for (const auto* r : canvas.of(Op::rectangle)) hatched |= r->brush.style == BrushStyle::diagonalHatch;
  EXPECT_TRUE(hatched);
  // The grip area registers move strips and the eight handles.
  int handleKinds = 0;
  for (const MouseObject& m : editor.paintState().sideLists.MouseObjs) handleKinds += m.kind >= 3 && m.kind <= 10;
  EXPECT_EQ(handleKinds, 8);
}

TEST_F(Painting, FrameFillsAndBorders) {
  const int32_t box = addTextBox(40, 40, 100, 80);
  TFieldRec& frame = doc().Fields[static_cast<size_t>(box)];
  frame.BorderWidth = 0;
  frame.Transparent = 1;
  frame.BackColor = 0xFFFFFF;
  RecordingCanvas clear;
  paint(clear);
  const auto filledWith = [](const RecordingCanvas& c, uint32_t color, int minWidth) {
    for (const auto* f : c.of(Op::fill))
      if (f->color == color && f->rect.right - f->rect.left >= minWidth && f->rect.right - f->rect.left < 400) return true;
    return false;
  };
  EXPECT_FALSE(filledWith(clear, 0xFFFFFF, 100));  // the page shows through
  frame.BackColor = 0x00FF00;
  frame.BorderWidth = 0.1;
  doc().ZoomPercent = 25.0;
  RecordingCanvas coloured;
  paint(coloured);
  EXPECT_TRUE(filledWith(coloured, 0x00FF00, 40));
  bool thinBorder = false;
  for (const auto* r : coloured.of(Op::rectangle)) thinBorder |= r->pen.width == 1 && r->brush.style == BrushStyle::clear;
  EXPECT_TRUE(thinBorder);
}

TEST_F(Painting, KeepAspectPictureTakesFullWidth) {
  TPictureRec picture;
  ASSERT_TRUE(newdib(picture, 200, 50, 24));
  doc().Pictures.push_back(picture);
  TFieldRec& frame = doc().NewPage(true);
  frame.FieldType = kFieldPicture;
  frame.Left = 20, frame.Top = 20, frame.Right = 120, frame.Bottom = 120;
  frame.RightFromRight = frame.BottomFromBottom = 0;
  frame.KeepAspect = 1;
  TCharRec cell;
  cell.Kind = kCellPicture;
  cell.PictureIndex = 0;
  frame.Lines[0].Chars.push_back(cell);
  RecordingCanvas canvas;
  paint(canvas);
  const auto pictures = canvas.of(Op::picture);
  ASSERT_EQ(pictures.size(), 1u);
  const CanvasRect& r = pictures[0]->rect;
  const int width = r.right - r.left;
  EXPECT_NEAR(width, 100 / editor.paintState().mmPerPixel, 2);
  EXPECT_EQ(r.bottom - r.top, width * 50 / 200);
}

TEST_F(Painting, PageNumberFieldsShowThePageAndAskForLayout) {
  // The painter on its own: without the field update reserving room first.
  editor.setFieldRefreshHook({});
  TLineRec& line = doc().Fields[0].Lines[0];
  TCharRec field;
  field.Kind = kCellField;
  field.FontIndex = fontWith(0);
  SetPCharText(field.Code, "page");
  SetPCharText(field.Text, "");
  line.Chars.push_back(field);
  line.Dirty = 1;
  editor.RefreshContent();
  RecordingCanvas canvas;
  const int repaints = host.repaints;
  const PaintOutcome out = paint(canvas);
  EXPECT_EQ(textOf(doc().Fields[0].Lines[0].Chars[0].Text), "1");
  EXPECT_TRUE(out.fieldWidthChanged);
  EXPECT_GT(host.repaints, repaints);
  RecordingCanvas again;
  EXPECT_FALSE(paint(again).fieldWidthChanged);
  EXPECT_FALSE(again.texts("1").empty());
}

TEST_F(Painting, TextFlowsAroundAWrappingBoxAndSettles) {
  test::appendTextLine(doc(), 0, "Text neben dem Kasten");
  setFont(0, fontWith(0, 12.0));
  const int32_t box = addTextBox(20, 20, 60, 200);
  doc().Fields[static_cast<size_t>(box)].WrapText = 1;
  doc().Fields[static_cast<size_t>(box)].MoveWithText = 0;
  RecordingCanvas first;
  const PaintOutcome out = paint(first);
  EXPECT_TRUE(out.layoutNeeded);
  const TCharRec& cell = doc().Fields[0].Lines.back().Chars[0];
  EXPECT_NEAR(cell.FlowShift, 60 + 3.2 - 25, 1e-3);  // past the box and its distance
  RecordingCanvas second;
  EXPECT_FALSE(paint(second).layoutNeeded);
}

TEST_F(Painting, SelectionIsInvertedOnScreenOnly) {
  test::appendTextLine(doc(), 0, "markiert");
  editor.RefreshContent();
  const int32_t last = doc().Fields[0].LineCount() - 1;
  doc().MarkLine = doc().CurLine = last;
  doc().MarkChar = 0;
  doc().CurChar = 4;
  RecordingCanvas canvas;
  paint(canvas);
  ASSERT_EQ(canvas.of(Op::invert).size(), 1u);
  EXPECT_FALSE(editor.paintState().caretShown);
  RecordingCanvas printed;
  editor.DrawPages(printed, true, 0, 0, 0);
  EXPECT_TRUE(printed.of(Op::invert).empty());
}

TEST_F(Painting, OnlyTheVisiblePartIsDrawn) {
  doc().PageWidth = doc().PageHeight = 10000.0;  // 10 × 10 m
  doc().SetPrinterProps();
  for (int i = 0; i < 200; ++i) test::appendTextLine(doc(), 0, "Zeile auf einem sehr großen Blatt");
  doc().ZoomPercent = 250.0;
  editor.RefreshContent();
  RecordingCanvas canvas(96, {0, 0, 1000, 800});
  paint(canvas);
  // Far more lines exist than a 800-pixel view can hold.
  EXPECT_LT(canvas.of(Op::text).size(), 40u);
  EXPECT_GT(editor.paintState().pageHeightPx, 90000);
}

TEST_F(Painting, ClicksPlaceTheCaretExtendAndSelectLines) {
  test::appendTextLine(doc(), 0, "erste Zeile");
  test::appendTextLine(doc(), 0, "zweite Zeile");
  setFont(0, fontWith(0, 20.0));
  RecordingCanvas settle;
  paint(settle);
  const int32_t second = doc().Fields[0].LineCount() - 1;
  const FrameGeometry geometry = frameGeometry(doc(), 0);
  const LineGeometry& g = geometry.lines[static_cast<size_t>(second)];
  const PaintState& s = editor.paintState();
  const double mmpp = s.mmPerPixel;
  const int frameLeft = s.originX + 1 + static_cast<int>(25.0 / mmpp);  // page origin, screen offset, margin
  const int textLeft = frameLeft;
  const int top = s.originY + 2 + static_cast<int>(g.top / mmpp);
  const auto clickAt = [&](double mmX, int shift) {
    PendingClick& c = editor.paintState().click;
    c = PendingClick{};
    c.ClickPending = true;
    c.ClickX = textLeft + static_cast<int>(mmX / mmpp);
    c.ClickY = top + 2;
    c.ClickShift = shift;
    RecordingCanvas canvas;
    paint(canvas);
    editor.paintState().click = PendingClick{};
  };
  // Just right of the middle of cell 2: the gap after it.
  clickAt((g.cellX[2] + g.cellX[3]) / 2 + 0.3, 0);
  EXPECT_EQ(doc().CurLine, second);
  EXPECT_EQ(doc().CurChar, 3);
  EXPECT_EQ(doc().MarkChar, 3);
  clickAt(g.cellX[6] + 0.1, 1);  // Shift extends: the anchor stays
  EXPECT_EQ(doc().CurChar, 6);
  EXPECT_EQ(doc().MarkChar, 3);
  // In the margin: the whole line from its start to the end of the frame's
  // last line.
  PendingClick& c = editor.paintState().click;
  c = PendingClick{};
  c.ClickPending = true;
  c.ClickX = frameLeft - 20;
  c.ClickY = top + 2;
  RecordingCanvas canvas;
  paint(canvas);
  EXPECT_TRUE(editor.paintState().MarginClicked);
  EXPECT_EQ(doc().MarkLine, second);
  EXPECT_EQ(doc().MarkChar, 0);
  EXPECT_EQ(doc().CurChar, doc().Fields[0].Lines[static_cast<size_t>(second)].CharCount());
}

TEST_F(Painting, ClickOnAnObjectGripSelectsTheObject) {
  const int32_t box = addTextBox(40, 40, 100, 80);
  doc().Fields[static_cast<size_t>(box)].FieldType = kFieldRectangle;
  RecordingCanvas settle;
  paint(settle);
  const PaintState& s = editor.paintState();
  const int left = s.originX + 1 + static_cast<int>(40 / s.mmPerPixel);
  const int top = s.originY + 2 + static_cast<int>(40 / s.mmPerPixel);
  PendingClick& c = editor.paintState().click;
  c.ClickPending = true;
  c.ClickX = left - 4;  // inside the top-left handle
  c.ClickY = top - 4;
  RecordingCanvas canvas;
  paint(canvas);
  EXPECT_EQ(s.grip.frame, box);
  EXPECT_EQ(s.grip.handle, 1);
  EXPECT_TRUE(s.clickConsumed);
  EXPECT_EQ(doc().Fields[static_cast<size_t>(box)].ObjSelected, 1);
  EXPECT_EQ(doc().CurField, box);
}

TEST_F(Painting, DoubleAndTripleClicksSelectWordAndParagraph) {
  test::appendTextLine(doc(), 0, "Ein kurzer Absatz");
  setFont(0, fontWith(0, 12.0));
  const int32_t line = doc().Fields[0].LineCount() - 1;
  doc().CurLine = doc().MarkLine = line;
  doc().CurChar = doc().MarkChar = 5;
  editor.PaintBox1DblClick(1000);
  EXPECT_EQ(doc().MarkChar, 4);   // "kurzer " with its space
  EXPECT_EQ(doc().CurChar, 11);
  EXPECT_EQ(editor.mouseDownClickCount(1010), Editor::MouseDownKind::secondOfDoubleClick);
  EXPECT_EQ(doc().CurChar, 11);
  EXPECT_EQ(editor.mouseDownClickCount(1300), Editor::MouseDownKind::tripleClick);
  EXPECT_EQ(doc().MarkChar, 0);
  // Too slow for a triple click.
  doc().MarkChar = doc().CurChar = 5;
  editor.PaintBox1DblClick(2000);
  editor.mouseDownClickCount(2010);
  EXPECT_EQ(editor.mouseDownClickCount(2600), Editor::MouseDownKind::ordinary);
}

TEST_F(Painting, ScrollingShowsTheWholeCaretLineAndTheCaretsX) {
  for (int i = 0; i < 30; ++i) test::appendTextLine(doc(), 0, "Zeile");
  doc().CurFont.Size = 72;  // a last line much taller than a caret of old
  test::appendTextLine(doc(), 0, "Riesig");
  editor.RefreshContent();
  const int32_t last = doc().Fields[0].LineCount() - 1;
  setCaret(doc(), {0, last, 6});
  setAnchor(doc(), caretPos(doc()));
  editor.paintState().viewport = PaintViewport{0, 0, 1016, 416, 1000, 400, 16, 16, true, true};
  RecordingCanvas canvas;
  paint(canvas);
  const CaretLineBox line = editor.paintState().caretLine;
  const CaretRect caret = editor.paintState().caret;
  ASSERT_GT(line.bottom - line.top, 80);
  ASSERT_GT(line.top, 600);
  ASSERT_GT(caret.x, 200);
  using Scroll = Editor::ScrollPosition;
  // Below the view: the line's bottom and a margin come into view.
  const Scroll down = editor.ScrollCursorinView({0, 0}, 1000, 400);
  EXPECT_EQ(down.x, 0);
  EXPECT_GT(down.y + 400, line.bottom);
  EXPECT_LT(down.y + 400, line.bottom + 50);
  // Above it: the line's top with a margin.
  const Scroll up = editor.ScrollCursorinView({0, line.bottom + 50}, 1000, 400);
  EXPECT_LT(up.y, line.top);
  EXPECT_GT(up.y, line.top - 50);
  // Visible already: nothing moves.
  EXPECT_EQ(editor.ScrollCursorinView({0, line.top - 100}, 1000, 400), (Scroll{0, line.top - 100}));
  // A narrow view follows the caret sideways, both ways.
  const Scroll right = editor.ScrollCursorinView({0, down.y}, 150, 400);
  EXPECT_GT(right.x + 150, caret.x + caret.width);
  EXPECT_LT(right.x + 150, caret.x + 50);
  const Scroll left = editor.ScrollCursorinView({caret.x + 100, down.y}, 150, 400);
  EXPECT_LT(left.x, caret.x);
  EXPECT_GT(left.x, caret.x - 50);
  // The text's start: the page's top and left edges, its margins included.
  setCaret(doc(), {0, 0, 0});
  setAnchor(doc(), caretPos(doc()));
  paint(canvas);
  EXPECT_EQ(editor.ScrollCursorinView({300, 2000}, 1000, 400), (Scroll{0, 0}));
}

TEST_F(Painting, FormResizeFitsWidthOrWholePage) {
  PaintViewport vp{0, 0, 1000, 700, 980, 680, 16, 16, true, true};
  const double wpx = std::trunc(doc().PageWidthPx * 96.0 / 600.0);
  const double hpx = std::trunc(doc().PageHeightPx * 96.0 / 600.0);
  doc().ZoomMode = 1;
  EXPECT_TRUE(editor.FormResize(vp, 96));
  EXPECT_DOUBLE_EQ(doc().ZoomPercent, std::round((1000 - 32 - 4) * 10000.0 / (wpx + 36)) / 100.0);
  doc().ZoomMode = 2;
  editor.FormResize(vp, 96);
  EXPECT_DOUBLE_EQ(doc().ZoomPercent, std::round((700 - 32 - 4) * 10000.0 / (hpx + 36)) / 100.0);
  doc().ZoomMode = 0;
  EXPECT_FALSE(editor.FormResize(vp, 96));
}

TEST_F(Painting, FullLayoutPaintDrawsNothingAndRefreshes) {
  test::appendTextLine(doc(), 0, "Import");
  editor.RefreshContent();
  RecordingCanvas settle;
  paint(settle);
  editor.paintState().fullLayout = true;
  RecordingCanvas canvas;
  const PaintOutcome out = paint(canvas);
  EXPECT_TRUE(out.completeRefresh);
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_FALSE(editor.paintState().fullLayout);
}

TEST_F(Painting, RulerGeometryIsPublishedOnlyForACaretInText) {
  RecordingCanvas canvas;
  paint(canvas);
  EXPECT_TRUE(editor.paintState().ruler.valid);
  EXPECT_GT(editor.paintState().ruler.columnRight, editor.paintState().ruler.columnLeft);
  // Printing leaves the screen's rulers alone.
  RecordingCanvas printer(600);
  editor.DrawPages(printer, true);
  EXPECT_TRUE(editor.paintState().ruler.valid);
  // With the caret in a drawing object the rulers have nothing to show,
  // rather than the previous line's geometry.
  const int32_t shape = addTextBox(40, 40, 100, 80);
  doc().Fields[static_cast<size_t>(shape)].FieldType = kFieldRectangle;
  doc().CurField = doc().MarkField = shape;
  doc().CurLine = doc().MarkLine = doc().CurChar = doc().MarkChar = 0;
  RecordingCanvas again;
  paint(again);
  EXPECT_FALSE(editor.paintState().ruler.valid);
}

}  // namespace
}  // namespace vendaro
