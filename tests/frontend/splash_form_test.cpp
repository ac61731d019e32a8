// The launcher: its choices from the store, the Play rule, Play's steps and what
// it writes, skipping itself, its keys, and start-up faults it meets.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include "frontend/picture_label.h"
#include "support/desktop_fixture.h"
#include "support/picture_writers.h"

namespace vx::test {
namespace {

class Launcher : public DesktopTest {};

TEST_F(Launcher, FirstRunSelectsNothingAndGreysPlayUntilBothListsAreChosen) {
  TSplashForm& l = start();
  EXPECT_FALSE(l.skipped());
  EXPECT_TRUE(form->FirstActivate);
  EXPECT_EQ(l.cb_skin->count(), 2);
  EXPECT_EQ(l.cb_skin->itemText(1), "Test Skin 2");
  EXPECT_EQ(l.cb_skin->currentIndex(), -1);
  EXPECT_EQ(l.cb_sound->currentIndex(), -1);
  EXPECT_EQ(l.cb_sound->itemText(0), "Microsoft DirectSound");
  EXPECT_TRUE(l.chb_splashscreen->isChecked());
  EXPECT_FALSE(l.btn_play->isEnabled());
  EXPECT_TRUE(l.btn_play_disabled->isVisibleTo(&l));
  EXPECT_FALSE(l.btn_play->isVisibleTo(&l));
  EXPECT_EQ(l.btn_play_disabled->toolTip(), "please select sound driver first");
  EXPECT_TRUE(l.im_skin_preview->pixmap().isNull());

  l.cb_skin->setCurrentIndex(1);
  EXPECT_FALSE(l.btn_play->isEnabled());
  EXPECT_FALSE(l.im_skin_preview->pixmap().isNull());
  EXPECT_EQ(l.im_skin_preview->pixmap().toImage().pixel(50, 40) & 0xFFFFFFu, test_colour(0, 2));
  l.cb_sound->setCurrentIndex(2);
  EXPECT_TRUE(l.btn_play->isEnabled());
  EXPECT_TRUE(l.btn_play->isVisibleTo(&l));
  EXPECT_FALSE(l.btn_play_disabled->isVisibleTo(&l));
  // Centred on the screen.
  const QSize screen = form->screen_size();
  EXPECT_EQ(l.pos(), QPoint((screen.width() - 800) / 2, (screen.height() - 450) / 2));
  EXPECT_EQ(l.size(), QSize(800, 450));
  EXPECT_EQ(l.la_version->text(), "Version 5.01 * Multi-skin System + bug fix *");
}

TEST_F(Launcher, PlayStoresTheChoicesLoadsTheSkinAndLeavesTheConsoleCentredAndOff) {
  store("FullscreenMode", "0");
  TSplashForm& l = start();
  l.show();
  l.cb_skin->setCurrentIndex(1);
  l.cb_sound->setCurrentIndex(2);
  l.chb_splashscreen->setChecked(false);
  QTest::mouseClick(l.btn_play, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(stored("Skin"), "2");
  EXPECT_EQ(stored("SoundMode"), "2");
  EXPECT_EQ(stored("SplashScreen"), "0");
  EXPECT_FALSE(form->menu().entry(MenuEntry::pm_11_splashscreen)->isChecked());
  EXPECT_EQ(form->SkinIndex, 2);
  EXPECT_EQ(form->size(), QSize(kTestGameWidth, kTestGameHeight));
  const QSize screen = form->screen_size();
  EXPECT_EQ(form->pos(), QPoint((screen.width() - kTestGameWidth) / 2, (screen.height() - kTestGameHeight) / 2));
  EXPECT_EQ(console().GameMode, 0);
  EXPECT_EQ(pixel_at(120, 20), test_colour(im_background, 2));
  EXPECT_FALSE(l.isVisible());
  EXPECT_FALSE(termination_requested());
}

TEST_F(Launcher, StoredChoicesWithoutTheSplashScreenSkipItAndPlayUnseen) {
  store_choices("2", "2", "0");
  TSplashForm& l = start();
  EXPECT_TRUE(l.skipped());
  EXPECT_FALSE(l.isVisible());
  EXPECT_FALSE(form->FirstActivate);
  EXPECT_EQ(form->SkinIndex, 2);
  EXPECT_EQ(console().GameMode, 0);
  EXPECT_EQ(form->pos(), QPoint(0, 0));  // full screen by default
}

TEST_F(Launcher, AFailedSoundStartUpBeforeShowsTheLauncherWithoutASoundOutput) {
  store_choices("1", "-1", "0");
  TSplashForm& l = start();
  EXPECT_FALSE(l.skipped());
  EXPECT_EQ(l.cb_skin->currentIndex(), 0);
  EXPECT_EQ(l.cb_sound->currentIndex(), -1);
  EXPECT_FALSE(l.chb_splashscreen->isChecked());
  EXPECT_FALSE(l.btn_play->isEnabled());
}

TEST_F(Launcher, AStoredSkinBeyondTheListSelectsNothing) {
  store("Skin", "5");
  TSplashForm& l = start();
  EXPECT_EQ(l.cb_skin->currentIndex(), -1);
  EXPECT_TRUE(l.im_skin_preview->pixmap().isNull());
}

TEST_F(Launcher, OneAndEnterPlayOnlyWhenPlayIsAllowed) {
  TSplashForm& l = start();
  QTest::keyClick(&l, Qt::Key_1);
  EXPECT_EQ(stored("SoundMode"), "");
  l.cb_skin->setCurrentIndex(0);
  l.cb_sound->setCurrentIndex(2);
  QTest::keyClick(l.cb_skin, Qt::Key_1);  // the form sees the key before the list
  EXPECT_EQ(stored("Skin"), "1");
  EXPECT_EQ(stored("SoundMode"), "2");
  EXPECT_EQ(stored("SplashScreen"), "1");
  EXPECT_EQ(form->SkinIndex, 1);
  EXPECT_EQ(console().GameMode, 0);
}

TEST_F(Launcher, EnterPlaysToo) {
  TSplashForm& l = start();
  l.cb_skin->setCurrentIndex(1);
  l.cb_sound->setCurrentIndex(2);
  QTest::keyClick(&l, Qt::Key_Return);
  EXPECT_EQ(stored("Skin"), "2");
  EXPECT_EQ(stored("SoundMode"), "2");
  EXPECT_TRUE(l.played());
}

TEST_F(Launcher, AFailedSoundStartUpStopsPlay) {
  store("FullscreenMode", "0");
  TSplashForm& l = start();  // the test installation has no sound files
  l.show();
  l.cb_skin->setCurrentIndex(0);
  l.cb_sound->setCurrentIndex(1);  // Windows MultiMedia
  QTest::keyClick(&l, Qt::Key_Return);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Please reinstall the game."), std::string::npos) << messages[0];
  EXPECT_TRUE(termination_requested());
  EXPECT_EQ(stored("Skin"), "1");  // step 1 ran
  EXPECT_EQ(stored("SoundMode"), "-1");
  EXPECT_EQ(stored("SplashScreen"), "1");
  EXPECT_FALSE(l.played());
  EXPECT_TRUE(l.isVisible());                                       // the launcher stays
  EXPECT_NE(form->size(), QSize(kTestGameWidth, kTestGameHeight));  // no skin was loaded
}

TEST_F(Launcher, EscapeEndsTheProgramWithNothingWritten) {
  TSplashForm& l = start();
  l.cb_skin->setCurrentIndex(1);
  l.cb_sound->setCurrentIndex(1);
  QTest::keyClick(l.cb_sound, Qt::Key_Escape);
  EXPECT_TRUE(termination_requested());
  EXPECT_EQ(stored("Skin"), "");
  EXPECT_EQ(stored("SoundMode"), "");
  EXPECT_EQ(stored("SplashScreen"), "");
}

TEST_F(Launcher, LinksGoToTheShellAndTheDonationButtonWithNowhereToGoIsGreyed) {
  TSplashForm& l = start();
  QTest::mouseClick(l.la_website_2, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(l.la_email_2, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], "Readme.txt");
  EXPECT_EQ(opened[1], "mailto:merrin@vornix.example");
  EXPECT_FALSE(l.btn_paypal->isEnabled());
  QTest::mouseClick(l.btn_paypal, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(opened.size(), 2u);
}

TEST_F(Launcher, TheConsolesFirstActivationBringsTheLauncherOnce) {
  start();
  int brought = 0;
  form->on_first_activate = [&] { ++brought; };
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(form.get(), &activate);
  QApplication::sendEvent(form.get(), &activate);
  EXPECT_EQ(brought, 1);
  EXPECT_FALSE(form->FirstActivate);
}

TEST_F(Launcher, AMissingConfigurationFileIsReportedAndStartUpGoesOnWithNoSkins) {
  TempDir empty;
  TSplashForm& l = start(empty.path());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Configuration file (Config.ini) not found. Please reinstall the game.");
  EXPECT_TRUE(termination_requested());
  EXPECT_EQ(form->skin_table().SkinCount, 0);
  EXPECT_EQ(l.cb_skin->count(), 0);
  EXPECT_EQ(stored("Key6"), "42");  // creation went on
}

TEST_F(Launcher, AMissingSkinDescriptionEndsTheProgramAfterPlayFinishes) {
  TempDir data;
  write_test_install(data.path(), 1);
  write_text(data / "Config.ini", "[Common]\nSkins=3\n[Skin1]\nName=Only\n");
  store_choices("3", "2", "0");
  TSplashForm& l = start(data.path());
  EXPECT_EQ(l.cb_skin->itemText(2), "Nameless Skin");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Skin configuration file (Graphics\\Skin3\\Skin.ini) not found. Please reinstall the skin.");
  EXPECT_TRUE(termination_requested());
  EXPECT_EQ(console().GameMode, 0);  // Play ran its remaining steps
  EXPECT_FALSE(l.isVisible());
}

}  // namespace
}  // namespace vx::test
