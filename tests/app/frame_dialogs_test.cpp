// The frame and picture dialogs as the user works them: the picture's sides
// follow each other through the spin boxes, and the frame dialog opens on
// the right page with only the pages of its kind and hands back what it got.
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "app/frame_dialogs.h"

namespace vendaro {
namespace {

TEST(FrameDialogs, PictureSidesFollowEachOtherOnlyWhileTheRatioIsKept) {
  TGrafikPropsForm form;
  GrafikPropsDialog values;
  values.width = 4;
  values.height = 2;
  values.ratio = 2;
  form.fill(values);
  form.widthBox().setValue(10);
  EXPECT_DOUBLE_EQ(form.heightBox().value(), 5);
  form.heightBox().setValue(1);
  EXPECT_DOUBLE_EQ(form.widthBox().value(), 2);
  form.findChild<QCheckBox*>()->setChecked(false);
  form.widthBox().setValue(7);
  EXPECT_DOUBLE_EQ(form.heightBox().value(), 1);
  EXPECT_DOUBLE_EQ(form.values().width, 7);
  EXPECT_FALSE(form.values().keepRatio);
}

TEST(FrameDialogs, FrameDialogShowsThePagesOfItsKindAndKeepsTheValues) {
  TFeldFormatForm form;
  FeldFormatDialog body;
  body.marginLeft = "2,5";
  body.backColor = 0x0000FF;
  body.transparent = true;  // not possible over red: handed back as opaque
  form.fill(body);
  EXPECT_EQ(form.pages().currentIndex(), 1);
  EXPECT_FALSE(form.pages().isTabEnabled(0));
  EXPECT_FALSE(form.pages().isTabEnabled(3));
  FeldFormatDialog back = form.values();
  EXPECT_EQ(back.marginLeft, "2,5");
  EXPECT_FALSE(back.transparent);

  FeldFormatDialog box;
  box.objectPages = true;
  box.page = 0;
  box.width = "5";
  box.showOn = 3;
  box.wrapMode = 2;
  box.borderWidth = 1.25;
  box.transparent = true;
  form.fill(box);
  EXPECT_EQ(form.pages().currentIndex(), 0);
  EXPECT_TRUE(form.pages().isTabEnabled(3));
  back = form.values();
  EXPECT_EQ(back.width, "5");
  EXPECT_EQ(back.showOn, 3);
  EXPECT_EQ(back.wrapMode, 2);
  EXPECT_DOUBLE_EQ(back.borderWidth, 1.25);
  EXPECT_TRUE(back.transparent);
}

}  // namespace
}  // namespace vendaro
