// The rules every dialog shares: numbers typed with a comma or a point
// under the German locale, typed text limited by the bytes it takes in the
// document, "Transparent" offered only beside white, and the keys: Enter
// confirms unless a list has the focus, Escape cancels; and a dialog larger
// than the screen scrolls.
#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "app/character_format_dialog.h"
#include "app/colour_combo_box.h"
#include "app/decimal_spin_box.h"
#include "app/dialog_buttons.h"
#include "app/dialog_conventions.h"
#include "app/dialog_fitting.h"
#include "app/field_forms.h"
#include "app/insert_content_form.h"
#include "app/qt_text.h"
#include "app/tab_stops_dialog.h"
#include "app_test_support.h"

namespace vendaro {
namespace {

class GermanLocale : public testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

// Types `text` over the box's contents and leaves the box, as Tab does.
double typeInto(DecimalSpinBox& box, const QString& text) {
  box.selectAll();
  QTest::keyClicks(&box, text);
  box.interpretText();
  return box.value();
}

TEST_F(GermanLocale, SpinBoxesReadCommaAndPointAndShowAComma) {
  DecimalSpinBox box;
  box.setRange(0, 1000);
  box.setDecimals(2);
  box.setValue(21);
  EXPECT_DOUBLE_EQ(typeInto(box, QStringLiteral("2.5")), 2.5) << "a point is no thousands separator here";
  EXPECT_EQ(box.text(), QStringLiteral("2,5"));
  EXPECT_DOUBLE_EQ(typeInto(box, QStringLiteral("12,75")), 12.75);
  EXPECT_DOUBLE_EQ(typeInto(box, QStringLiteral(",5")), 0.5);
  // Letters never get in; a number out of range comes back to the nearest end.
  EXPECT_DOUBLE_EQ(typeInto(box, QStringLiteral("abc")), 0.5);
  EXPECT_DOUBLE_EQ(typeInto(box, QStringLiteral("1e3")), 1000);
  EXPECT_DOUBLE_EQ(typeInto(box, QStringLiteral("5000")), 1000);

  box.setSuffix(QStringLiteral(" %"));
  box.setValue(12.5);
  EXPECT_EQ(box.text(), QStringLiteral("12,5 %"));
  EXPECT_DOUBLE_EQ(typeInto(box, QStringLiteral("7.25")), 7.25);
}

TEST(DocumentText, LimitsCountTheBytesTheDocumentStores) {
  // Each character is one byte; what code page 1252 lacks is one "?".
  const QString typed = QStringLiteral("Gr\u00FC\u00DFe \u20AC\u03A9") + QString::fromUtf8("\xF0\x9F\x98\x80");
  EXPECT_EQ(toCp1252(typed), "Gr\xFC\xDF" "e \x80??");
  EXPECT_EQ(cp1252Length(typed), 9u);

  QLineEdit bullet;
  bullet.setValidator(new Cp1252LengthLimit(1, &bullet));
  QTest::sendKeyEvent(QTest::Click, &bullet, Qt::Key_unknown, QString::fromUtf8("\xF0\x9F\x98\x80"), {});
  EXPECT_EQ(toCp1252(bullet.text()), "?") << "a character beyond the basic plane must not be cut in half";
  QTest::keyClicks(&bullet, QStringLiteral("x"));
  EXPECT_EQ(cp1252Length(bullet.text()), 1u);
}

TEST(TransparentBeside, FollowsTheColourWhoeverSetsIt) {
  TZeltoColorComboBox colour;
  QCheckBox transparent;
  colour.setColorValue(0x0000FF);
  offerTransparencyForWhiteOnly(colour, transparent);
  EXPECT_FALSE(transparent.isEnabled());
  colour.setColorValue(kWhite);
  EXPECT_TRUE(transparent.isEnabled());
  // The user picks "Rot" from the list.
  colour.setCurrentIndex(9);
  colour.activated(9);
  EXPECT_FALSE(transparent.isEnabled());
  // A colour of one's own in "Mehr..." is never white.
  colour.setColorValue(0xFEFFFF);
  EXPECT_FALSE(transparent.isEnabled());
}

// The controls Tab visits from `first`, up to the dialog's buttons.
std::vector<QWidget*> tabChain(QWidget& dialog, QWidget* first, int steps) {
  dialog.show();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
  first->setFocus();
  std::vector<QWidget*> chain{QApplication::focusWidget()};
  for (int i = 0; i < steps; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    chain.push_back(QApplication::focusWidget());
  }
  dialog.hide();
  return chain;
}

TEST(DialogKeys, TabFollowsTheOrderTheControlsAreRead) {
  CharacterFormatDialog character;
  character.fill(ZeichenDialog{});  // a white background: "Transparent" takes part
  // The background colour, then "Transparent" beside it.
  const std::vector<QWidget*> chain = tabChain(character, character.backColourBox(), 1);
  EXPECT_EQ(chain[1], character.transparentBox());

  TabStopsDialog tabs;
  const std::vector<QWidget*> tabChainFromTop = tabChain(tabs, tabs.positionBox(), 1);
  EXPECT_TRUE(tabs.positionBox()->isAncestorOf(tabChainFromTop[0]) || tabChainFromTop[0] == tabs.positionBox());
  EXPECT_EQ(tabChainFromTop[1], tabs.defaultWidthEdit());
}

TEST(DialogKeys, EnterConfirmsUnlessAListHasTheFocusAndEscapeCancels) {
  DialogConventions::install();
  QWidget owner;
  InsertContentForm& form = InsertContentForm::of(owner);
  EXPECT_EQ(&InsertContentForm::of(owner), &form) << "made once and kept";
  InhalteEinfuegenDialog paste{{kPasteFormattedName, kPasteTextName}, 0};
  test::DialogAnswerer answers;
  answers.add([](QWidget& shown) {
    auto& f = static_cast<InsertContentForm&>(shown);
    ASSERT_TRUE(test::waitUntil([&] { return f.formatList()->hasFocus(); }));
    QTest::keyClick(f.formatList(), Qt::Key_Down);
    QTest::keyClick(f.formatList(), Qt::Key_Return);
    EXPECT_TRUE(f.isVisible()) << "Enter in the list must not confirm";
    QTest::keyClick(f.formatList(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  ASSERT_TRUE(form.edit(paste));
  EXPECT_EQ(paste.selected, 1);

  InsertFormFieldForm formField;
  InsertFormFieldDialog field;
  answers.add([](QWidget& shown) {
    auto& f = static_cast<InsertFormFieldForm&>(shown);
    ASSERT_TRUE(test::waitUntil([&] { return f.nameEdit()->hasFocus(); }));
    QTest::keyClicks(f.nameEdit(), QStringLiteral("Ort"));
    QTest::keyClick(f.nameEdit(), Qt::Key_Return);
  });
  ASSERT_TRUE(formField.edit(field));
  EXPECT_EQ(field.name, "Ort");
  answers.add([](QWidget& shown) { QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &shown, Qt::Key_Escape); });
  EXPECT_FALSE(formField.edit(field));
}

// A dialog of `rows` labelled edits over OK and Cancel.
class FormOfEdits : public QDialog {
 public:
  explicit FormOfEdits(int rows) {
    auto* form = new QFormLayout;
    for (int i = 0; i < rows; ++i) {
      edits.push_back(new QLineEdit(QString::number(i), this));
      form->addRow(QStringLiteral("Wert %1:").arg(i), edits.back());
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    buttons = okCancelButtons(*this);
    layout->addWidget(buttons);
  }
  std::vector<QLineEdit*> edits;
  QDialogButtonBox* buttons;
};

TEST(DialogOnScreen, ALargeDialogScrollsWithinTheRoomItsButtonsStayInView) {
  FormOfEdits large(40);
  large.edits[5]->setFocus();  // where the dialog wants to start
  const QSize room(400, 300);
  fitDialogInto(large, room);
  fitDialogInto(large, room);  // shown again
  EXPECT_LE(large.width(), room.width());
  EXPECT_LE(large.height(), room.height());
  const auto areas = large.findChildren<QScrollArea*>();
  ASSERT_EQ(areas.size(), 1) << "wrapped once";
  EXPECT_TRUE(areas[0]->isAncestorOf(large.edits.back()));
  EXPECT_FALSE(areas[0]->isAncestorOf(large.buttons)) << "OK and Cancel do not scroll away";
  large.show();
  EXPECT_TRUE(large.buttons->isVisible());
  EXPECT_LE(large.buttons->geometry().bottom(), large.height());
  // Nothing was lost on the way: the last edit keeps its text, and Tab
  // brings it into view.
  EXPECT_EQ(large.edits.back()->text(), QStringLiteral("39"));
  large.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&large));
  EXPECT_TRUE(large.edits[5]->hasFocus()) << "the focus survives the move into the scroll area";
  large.edits[38]->setFocus();
  QTest::keyClick(large.edits[38], Qt::Key_Tab);
  EXPECT_TRUE(large.edits.back()->hasFocus());
  EXPECT_GT(areas[0]->verticalScrollBar()->value(), 0);
  large.hide();

  FormOfEdits small(2);
  const QSize before = small.sizeHint();
  fitDialogInto(small, room);
  EXPECT_TRUE(small.findChildren<QScrollArea*>().isEmpty());
  EXPECT_EQ(small.sizeHint(), before);
  // Squeezed by the window system's own sizing (two thirds of a small
  // screen), it gets back the size its controls need.
  small.resize(60, 40);
  small.setAttribute(Qt::WA_Resized, false);
  fitDialogInto(small, room);
  EXPECT_EQ(small.size(), before.expandedTo(small.minimumSizeHint()));
  // Given a size beyond the screen, it shrinks to what is there.
  small.resize(900, 700);
  fitDialogInto(small, room);
  EXPECT_EQ(small.size(), room);
  EXPECT_TRUE(small.findChildren<QScrollArea*>().isEmpty()) << "its controls fit";
}

// Two wide groups beside each other stand under one another on a narrow
// screen, and only then does anything scroll.
TEST(DialogOnScreen, MarkedColumnsStackBeforeTheyScroll) {
  QDialog dialog;
  auto* columns = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    auto* edit = new QLineEdit(&dialog);
    edit->setMinimumWidth(300);
    columns->addWidget(edit);
  }
  allowStacking(*columns);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(columns);
  layout->addWidget(okCancelButtons(dialog));

  fitDialogInto(dialog, QSize(400, 300));
  EXPECT_EQ(columns->direction(), QBoxLayout::TopToBottom);
  EXPECT_TRUE(dialog.findChildren<QScrollArea*>().isEmpty()) << "stacked, it fits";
  fitDialogInto(dialog, QSize(1000, 800));
  EXPECT_EQ(columns->direction(), QBoxLayout::LeftToRight) << "side by side again where there is room";
}

}  // namespace
}  // namespace vendaro
