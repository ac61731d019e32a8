// The key settings form: the lists, the duplicate check, Accept, Enter and Escape.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "frontend/form_look.h"
#include "support/forms_fixture.h"

namespace vx::test {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

class KeysForm : public FormsTest {
 protected:
  KeysForm() { create_all(); }
  TKeysForm& keys() { return *forms.keys; }
  // "Key settings" in the console's menu.
  void open() { form->menu().entry(MenuEntry::pm_7_keys)->trigger(); }
  void choose(int n, const char* text) {
    const int i = keys().list(n)->findText(QString::fromLatin1(text));
    ASSERT_GE(i, 0) << text;
    keys().list(n)->setCurrentIndex(i);
  }
  std::string red_labels() {
    std::string s;
    for (int n = 1; n <= 6; ++n) {
      const QColor c = text_colour(*keys().label(n));
      EXPECT_TRUE(c == kRed || c == kWhite) << n;
      s += c == kRed ? 'R' : '-';
    }
    return s;
  }
};

TEST_F(KeysForm, SixListsOfTheFortyFourKeysShowingTheAssignedOnes) {
  EXPECT_EQ(keys().windowTitle(), "Key settings");
  EXPECT_EQ(keys().size(), QSize(448, 199));  // 163 and the gamepad line below
  EXPECT_EQ(keys().gamepad_line()->text(),
            "Gamepad: d-pad or left stick left/right, A or B fire, Start start, Back select, Guide power");
  EXPECT_LE(keys().gamepad_line()->heightForWidth(keys().gamepad_line()->width()), keys().gamepad_line()->height());
  const char* texts[] = {
      "0",     "9",      "A",       "Z",         "<UP ARROW>", "<DOWN ARROW>", "<LEFT ARROW>", "<RIGHT ARROW>",
      "<ALT>", "<CTRL>", "<SHIFT>", "<SPACEBAR>"};
  const int at[] = {0, 9, 10, 35, 36, 37, 38, 39, 40, 41, 42, 43};
  for (int n = 1; n <= 6; ++n) {
    ASSERT_EQ(keys().list(n)->count(), 44);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(keys().list(n)->itemText(at[i]), texts[i]) << n;
  }
  const char* shown[] = {"", "1", "2", "3", "<LEFT ARROW>", "<RIGHT ARROW>", "<CTRL>"};
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(keys().list(n)->currentText(), shown[n]);
  EXPECT_EQ(red_labels(), "------");
  EXPECT_TRUE(keys().accept_button()->isEnabled());
  EXPECT_EQ(keys().accept_button()->text(), "- ACCEPT -");
}

TEST_F(KeysForm, FireOnTheLeftArrowMarksLeftAndFireAndRefusesAcceptUntilUndone) {
  open();
  choose(6, "<LEFT ARROW>");
  EXPECT_EQ(red_labels(), "---R-R");
  EXPECT_FALSE(keys().accept_button()->isEnabled());

  // Enter does nothing while a key is doubled: nothing stored, the form stays.
  QTest::keyClick(keys().list(6), Qt::Key_Return);
  EXPECT_TRUE(keys().isVisible());
  EXPECT_FALSE(form->isEnabled());
  EXPECT_EQ(stored("Key6"), "42");
  EXPECT_EQ(console().KeyAssign[6].VirtualKey, 17);

  choose(4, "A");  // changing the other one also resolves it
  EXPECT_EQ(red_labels(), "------");
  EXPECT_TRUE(keys().accept_button()->isEnabled());
  choose(4, "<LEFT ARROW>");
  EXPECT_EQ(red_labels(), "---R-R");
  choose(6, "<CTRL>");
  EXPECT_EQ(red_labels(), "------");
  EXPECT_TRUE(keys().accept_button()->isEnabled());
}

TEST_F(KeysForm, ThreeListsOnOneKeyMarkAllThree) {
  choose(2, "1");
  choose(5, "1");
  EXPECT_EQ(red_labels(), "RR--R-");
  EXPECT_FALSE(keys().accept_button()->isEnabled());
  choose(2, "2");
  EXPECT_EQ(red_labels(), "R---R-");
}

TEST_F(KeysForm, SpacebarForFireIsStoredAndFiresTheShip) {
  open();
  choose(6, "<SPACEBAR>");
  QTest::mouseClick(keys().accept_button(), Qt::LeftButton);

  EXPECT_FALSE(keys().isVisible());
  EXPECT_TRUE(form->isEnabled());
  EXPECT_EQ(stored("Key6"), "44");
  EXPECT_EQ(stored("Key4"), "39");
  EXPECT_EQ(console().board[btn_fire_top].hint, "click or press 'spacebar'");

  console().FormKeyDown(17);  // Ctrl no longer fires
  EXPECT_FALSE(console().FireHeld);
  console().FormKeyDown(32);
  EXPECT_TRUE(console().FireHeld);
  EXPECT_TRUE(console().board[btn_fire_down].visible);
}

TEST_F(KeysForm, EnterAcceptsAndThePowerHintFitsWhetherTheConsoleIsOn) {
  choose(1, "9");
  QTest::keyClick(keys().list(3), Qt::Key_Enter);
  EXPECT_EQ(console().board[btn_power_top].hint, "click or press '9' to turn on the game");

  console().inp_power_down();  // on: the jingle plays
  open();
  choose(1, "P");
  choose(4, "<DOWN ARROW>");
  QTest::keyClick(keys().list(1), Qt::Key_Return);
  EXPECT_FALSE(keys().isVisible());
  EXPECT_TRUE(form->isEnabled());
  EXPECT_EQ(stored("Key1"), "26");
  EXPECT_EQ(console().board[btn_power_top].hint, "click or press 'P' to turn off the game");
  EXPECT_EQ(console().board[btn_joystick_top].hint,
            "activate the controller overlays or use 'down arrow' key, 'right arrow' key");
  EXPECT_EQ(console().board[btn_ctrlr_overlay_left].hint, "click or press 'down arrow' key");
  console().FormKeyDown('P');  // the new power key switches the console off
  EXPECT_EQ(console().GameMode, 0);
}

TEST_F(KeysForm, EscapeStoresNothingAndReopeningShowsTheListsAsLeft) {
  open();
  choose(6, "<SPACEBAR>");
  choose(1, "Q");
  QTest::keyClick(keys().list(6), Qt::Key_Escape);

  EXPECT_FALSE(keys().isVisible());
  EXPECT_TRUE(form->isEnabled());
  EXPECT_EQ(stored("Key6"), "42");
  EXPECT_EQ(stored("Key1"), "2");
  EXPECT_EQ(console().KeyAssign[6].VirtualKey, 17);
  EXPECT_EQ(console().board[btn_fire_top].hint, "click or press 'ctrl' key");

  open();
  EXPECT_EQ(keys().list(6)->currentText(), "<SPACEBAR>");
  EXPECT_EQ(keys().list(1)->currentText(), "Q");
}

TEST_F(KeysForm, TheFirstListHasTheFocusAndTabGoesThroughTheListsToAccept) {
  open();
  keys().list(5)->setFocus();
  keys().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&keys()));
  EXPECT_EQ(QApplication::focusWidget(), keys().list(1));
  for (int n = 2; n <= 6; ++n) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), keys().list(n));
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), keys().accept_button());
}

TEST_F(KeysForm, ClosingTheWindowOtherwiseStillEnablesTheConsole) {
  open();
  keys().close();
  EXPECT_FALSE(keys().isVisible());
  EXPECT_TRUE(form->isEnabled());
}

using KeysFormStart = FormsTest;

TEST_F(KeysFormStart, TheListsShowTheKeysStoredBeforeTheConsoleWasCreated) {
  store("Key4", "11");
  store("Key6", "44");
  store("Key2", "abc");  // not a number: the default, '2'
  create_all();
  EXPECT_EQ(forms.keys->list(4)->currentText(), "A");
  EXPECT_EQ(forms.keys->list(6)->currentText(), "<SPACEBAR>");
  EXPECT_EQ(forms.keys->list(2)->currentText(), "2");
  EXPECT_TRUE(forms.keys->accept_button()->isEnabled());
}

}  // namespace
}  // namespace vx::test
