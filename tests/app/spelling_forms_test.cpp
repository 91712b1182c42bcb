// The spelling dialog and the user dictionary answered the way a person
// does: choosing a suggestion, the answer buttons, removing words.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/spell_check_form.h"
#include "app/user_dictionary_form.h"
#include "app_test_support.h"

namespace vendaro {
namespace {

QPushButton* buttonCalled(QWidget& dialog, const QString& caption) {
  for (QPushButton* b : dialog.findChildren<QPushButton*>())
    if (b->text() == caption) return b;
  return nullptr;
}

TEST(SpellCheckForm, SuggestionAndAnswerComeBack) {
  SpellCheckForm form;
  SpellCheckDialog dialog{"Stra\xdf" "ee", {"Stra\xdf" "e", "Strafe"}, "Stra\xdf" "ee"};
  test::DialogAnswerer answers;
  answers.add([](QWidget& shown) {
    auto& f = static_cast<SpellCheckForm&>(shown);
    EXPECT_EQ(f.unknowned->text(), QStringLiteral("Straßee"));
    EXPECT_EQ(f.vorschlagbox->count(), 2);
    f.vorschlagbox->setCurrentRow(0);  // puts the suggestion into "Ändern in:"
    buttonCalled(f, QStringLiteral("I&mmer ändern"))->click();
  });
  EXPECT_EQ(form.ask(dialog), SpellCheckAnswer::changeAll);
  EXPECT_EQ(dialog.replacement, "Stra\xdf" "e");  // back in code page 1252

  // The focus starts in the suggestions, with none chosen: Enter there
  // answers "Ändern" with what was moved to.
  answers.add([](QWidget& shown) {
    auto& f = static_cast<SpellCheckForm&>(shown);
    ASSERT_TRUE(test::waitUntil([&] { return f.vorschlagbox->hasFocus() && f.vorschlagbox->currentRow() == -1; }));
    EXPECT_EQ(f.replacement->text(), QStringLiteral("Straße"));
    QTest::keyClick(f.vorschlagbox, Qt::Key_Down);
    QTest::keyClick(f.vorschlagbox, Qt::Key_Down);
    QTest::keyClick(f.vorschlagbox, Qt::Key_Return);
  });
  EXPECT_EQ(form.ask(dialog), SpellCheckAnswer::change);
  EXPECT_EQ(dialog.replacement, "Strafe");

  // Enter in the text answers "Ändern"; closing the window cancels.
  answers.add([](QWidget& shown) { static_cast<SpellCheckForm&>(shown).replacement->returnPressed(); });
  EXPECT_EQ(form.ask(dialog), SpellCheckAnswer::change);
  answers.add([](QWidget& shown) { static_cast<QDialog&>(shown).reject(); });
  EXPECT_EQ(form.ask(dialog), SpellCheckAnswer::cancel);
}

TEST(UserDictionaryForm, RemovesTheSelectedWordsOnOk) {
  UserDictionaryForm form;
  UserDictionaryDialog dialog{{"Vendaro", "Plakatwand", "M\xfc" "nster"}};
  test::DialogAnswerer answers;
  answers.add([](QWidget& shown) {
    auto& f = static_cast<UserDictionaryForm&>(shown);
    f.ListBox1->item(0)->setSelected(true);
    f.ListBox1->item(2)->setSelected(true);
    buttonCalled(f, QStringLiteral("Markierte &entfernen"))->click();
    f.accept();
  });
  ASSERT_TRUE(form.edit(dialog));
  EXPECT_EQ(dialog.words, (std::vector<std::string>{"Plakatwand"}));
  answers.add([](QWidget& shown) { static_cast<QDialog&>(shown).reject(); });
  EXPECT_FALSE(form.edit(dialog));
}

}  // namespace
}  // namespace vendaro
