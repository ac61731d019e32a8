// The three forms opened from the console window: its pop-up menu entries, their
// shortcuts F1 and F4, and the rows of the full-screen game menu.
#include <QAction>
#include <QPointer>
#include <QTest>

#include "display/game_menu.h"
#include "support/forms_fixture.h"

namespace vx::test {
namespace {

class MenuWiring : public FormsTest {
 protected:
  // Opens the game menu and clicks its row i (1 to 13).
  void game_menu_row(int i) {
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(18, 16));
    ASSERT_EQ(form->menu().game_menu_rows().size(), 13u);
    QPointer<GameMenuRow> row = form->menu().game_menu_rows().at(static_cast<std::size_t>(i - 1));
    QTest::mouseClick(row.data(), Qt::LeftButton, {}, QPoint(20, 16));
  }
};

TEST_F(MenuWiring, TheEntriesWaitForNothingOnceTheFormsExist) {
  create_all();
  for (MenuEntry e : {MenuEntry::pm_1_about, MenuEntry::pm_4_manual, MenuEntry::pm_7_keys})
    EXPECT_TRUE(form->menu().entry(e)->isEnabled());
  EXPECT_FALSE(forms.about->isVisible() || forms.keys->isVisible() || forms.manual->isVisible());
}

TEST_F(MenuWiring, F1OpensTheAboutBoxAndEscClosesIt) {
  play_with_forms(false);
  console().inp_power_down();
  QTest::keyClick(form.get(), Qt::Key_F1);
  EXPECT_TRUE(forms.about->isVisible());
  EXPECT_EQ(console().GameMode, 1);  // the box does not stop the console
  QTest::keyClick(forms.about.get(), Qt::Key_Escape);
  EXPECT_FALSE(forms.about->isVisible());
  EXPECT_FALSE(termination_requested());  // Esc in the box is not the console's Exit
}

TEST_F(MenuWiring, F4OpensTheManualOnItsFirstPage) {
  play_with_forms(false);
  QTest::keyClick(form.get(), Qt::Key_F4);
  ASSERT_TRUE(forms.manual->isVisible());
  EXPECT_EQ(forms.manual->ManualPage, 1);
  EXPECT_EQ(forms.manual->size(), QSize(475, 675));  // the test installation has no Manual section
}

TEST_F(MenuWiring, KeySettingsDisablesTheConsoleUntilTheFormCloses) {
  play_with_forms(false);
  form->menu().entry(MenuEntry::pm_7_keys)->trigger();
  EXPECT_TRUE(forms.keys->isVisible());
  EXPECT_FALSE(form->isEnabled());
  QTest::keyClick(form.get(), Qt::Key_1);  // the power key does not reach the console
  EXPECT_EQ(console().GameMode, 0);
  QTest::keyClick(forms.keys.get(), Qt::Key_Escape);
  EXPECT_FALSE(forms.keys->isVisible());
  EXPECT_TRUE(form->isEnabled());
  QTest::keyClick(form.get(), Qt::Key_1);
  EXPECT_EQ(console().GameMode, 1);
}

TEST_F(MenuWiring, TheGameMenuRowsOpenTheFormsAndClose) {
  play_with_forms(true);
  game_menu_row(7);
  EXPECT_TRUE(forms.keys->isVisible());
  EXPECT_FALSE(form->isEnabled());
  EXPECT_FALSE(form->menu().game_menu_open());
  QTest::keyClick(forms.keys.get(), Qt::Key_Escape);

  game_menu_row(1);
  EXPECT_TRUE(forms.about->isVisible());
  game_menu_row(4);
  EXPECT_TRUE(forms.manual->isVisible());
  EXPECT_FALSE(form->menu().game_menu_open());
}

}  // namespace
}  // namespace vx::test
