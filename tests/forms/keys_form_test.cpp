// The key settings form: the lists, the duplicate check, Accept, Enter and Escape.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "form_fixture.h"
#include "frontend/form_look.h"
#include "frontend/keys_form.h"

namespace vx::test {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

struct KeysForm : ConsoleFixture {
  TKeysForm form{console, *store, &console_window};

  // What "Key settings" in the console's menu does.
  void open() {
    form.show();
    console_window.setEnabled(false);
  }
  void choose(int n, const char* text) {
    const int i = form.list(n)->findText(QString::fromLatin1(text));
    ASSERT_GE(i, 0) << text;
    form.list(n)->setCurrentIndex(i);
  }
  std::string red_labels() const {
    std::string s;
    for (int n = 1; n <= 6; ++n) {
      const QColor c = text_colour(*form.label(n));
      EXPECT_TRUE(c == kRed || c == kWhite) << n;
      s += c == kRed ? 'R' : '-';
    }
    return s;
  }
};

TEST_F(KeysForm, SixListsOfTheFortyFourKeysShowingTheAssignedOnes) {
  EXPECT_EQ(form.windowTitle(), "Key settings");
  EXPECT_EQ(form.size(), QSize(448, 163));
  const char* texts[] = {"0", "9", "A", "Z", "<UP ARROW>", "<DOWN ARROW>", "<LEFT ARROW>",
                         "<RIGHT ARROW>", "<ALT>", "<CTRL>", "<SHIFT>", "<SPACEBAR>"};
  const int at[] = {0, 9, 10, 35, 36, 37, 38, 39, 40, 41, 42, 43};
  for (int n = 1; n <= 6; ++n) {
    ASSERT_EQ(form.list(n)->count(), 44);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(form.list(n)->itemText(at[i]), texts[i]) << n;
  }
  const char* shown[] = {"", "1", "2", "3", "<LEFT ARROW>", "<RIGHT ARROW>", "<CTRL>"};
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(form.list(n)->currentText(), shown[n]);
  EXPECT_EQ(red_labels(), "------");
  EXPECT_TRUE(form.accept_button()->isEnabled());
  EXPECT_EQ(form.accept_button()->text(), "- ACCEPT -");
}

TEST_F(KeysForm, FireOnTheLeftArrowMarksLeftAndFireAndRefusesAcceptUntilUndone) {
  open();
  choose(6, "<LEFT ARROW>");
  EXPECT_EQ(red_labels(), "---R-R");
  EXPECT_FALSE(form.accept_button()->isEnabled());

  // Enter does nothing while a key is doubled: nothing stored, the form stays.
  QTest::keyClick(form.list(6), Qt::Key_Return);
  EXPECT_TRUE(form.isVisible());
  EXPECT_FALSE(console_window.isEnabled());
  EXPECT_EQ(stored("Key6"), "42");
  EXPECT_EQ(console.KeyAssign[6].VirtualKey, 17);

  choose(4, "A");  // changing the other one also resolves it
  EXPECT_EQ(red_labels(), "------");
  EXPECT_TRUE(form.accept_button()->isEnabled());
  choose(4, "<LEFT ARROW>");
  EXPECT_EQ(red_labels(), "---R-R");
  choose(6, "<CTRL>");
  EXPECT_EQ(red_labels(), "------");
  EXPECT_TRUE(form.accept_button()->isEnabled());
}

TEST_F(KeysForm, ThreeListsOnOneKeyMarkAllThree) {
  choose(2, "1");
  choose(5, "1");
  EXPECT_EQ(red_labels(), "RR--R-");
  EXPECT_FALSE(form.accept_button()->isEnabled());
  choose(2, "2");
  EXPECT_EQ(red_labels(), "R---R-");
}

TEST_F(KeysForm, SpacebarForFireIsStoredAndFiresTheShip) {
  open();
  choose(6, "<SPACEBAR>");
  QTest::mouseClick(form.accept_button(), Qt::LeftButton);

  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(console_window.isEnabled());
  EXPECT_EQ(stored("Key6"), "44");
  EXPECT_EQ(stored("Key4"), "39");
  EXPECT_EQ(console.board[btn_fire_top].hint, "click or press 'spacebar'");

  console.FormKeyDown(17);  // Ctrl no longer fires
  EXPECT_FALSE(console.FireHeld);
  console.FormKeyDown(32);
  EXPECT_TRUE(console.FireHeld);
  EXPECT_TRUE(console.board[btn_fire_down].visible);
}

TEST_F(KeysForm, EnterAcceptsAndThePowerHintFitsWhetherTheConsoleIsOn) {
  choose(1, "9");
  QTest::keyClick(form.list(3), Qt::Key_Enter);
  EXPECT_EQ(console.board[btn_power_top].hint, "click or press '9' to turn on the game");

  console.inp_power_down();  // on: the jingle plays
  open();
  choose(1, "P");
  choose(4, "<DOWN ARROW>");
  QTest::keyClick(form.list(1), Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(console_window.isEnabled());
  EXPECT_EQ(stored("Key1"), "26");
  EXPECT_EQ(console.board[btn_power_top].hint, "click or press 'P' to turn off the game");
  EXPECT_EQ(console.board[btn_joystick_top].hint,
            "activate the controller overlays or use 'down arrow' key, 'right arrow' key");
  EXPECT_EQ(console.board[btn_ctrlr_overlay_left].hint, "click or press 'down arrow' key");
  console.FormKeyDown('P');  // the new power key switches the console off
  EXPECT_EQ(console.GameMode, 0);
}

TEST_F(KeysForm, EscapeStoresNothingAndReopeningShowsTheListsAsLeft) {
  open();
  choose(6, "<SPACEBAR>");
  choose(1, "Q");
  QTest::keyClick(form.list(6), Qt::Key_Escape);

  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(console_window.isEnabled());
  EXPECT_EQ(stored("Key6"), "42");
  EXPECT_EQ(stored("Key1"), "2");
  EXPECT_EQ(console.KeyAssign[6].VirtualKey, 17);
  EXPECT_EQ(console.board[btn_fire_top].hint, "click or press 'ctrl' key");

  open();
  EXPECT_EQ(form.list(6)->currentText(), "<SPACEBAR>");
  EXPECT_EQ(form.list(1)->currentText(), "Q");
}

TEST_F(KeysForm, TheFirstListHasTheFocusAndTabGoesThroughTheListsToAccept) {
  open();
  form.list(5)->setFocus();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(QApplication::focusWidget(), form.list(1));
  for (int n = 2; n <= 6; ++n) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.list(n));
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form.accept_button());
}

TEST_F(KeysForm, ClosingTheWindowOtherwiseStillEnablesTheConsole) {
  open();
  form.close();
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(console_window.isEnabled());
}

TEST_F(KeysForm, TheListsStartFromTheConsolesKeys) {
  Console other;
  other.FormCreate();
  other.assign_keys({0, 2, 3, 4, 11, 40, 44});
  TKeysForm again(other, *store, nullptr);
  EXPECT_EQ(again.list(4)->currentText(), "A");
  EXPECT_EQ(again.list(6)->currentText(), "<SPACEBAR>");
}

}  // namespace
}  // namespace vx::test
