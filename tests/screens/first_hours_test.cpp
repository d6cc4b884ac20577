// SPDX-License-Identifier: GPL-3.0-or-later
// What a new player meets in the first hours, on screen: the settings and
// their menu (scale, sound, autosave), the sound switched in the match,
// Enter that never leads into the wrong screen, and windows that open on the
// screen the game stands on.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

#include "match_driving.h"
#include "news_screen.h"
#include "screens/displayscale.h"
#include "screens/gamesettings.h"
#include "screens/settingsmenu.h"
#include "screens/tmatch.h"
#include "screens/tmatchdata.h"
#include "screens/tplayerdata.h"
#include "screens/tsave.h"
#include "screens/ttactics.h"
#include "season/savescreen.h"

namespace vm {
namespace {

class FirstHours : public test::NewsScreen {
protected:
    // The main screen on match day `round`.
    Tmain* mainOn(int round) {
        season(round);
        return host->openMain();
    }
    static QMenu* settingsMenu(Tmain* main) { return child<QMenu>(main->menuBar(), "settings"); }
    // Opens "設定" as a click does, then the entry `name`.
    static void choose(Tmain* main, const char* name) {
        QMenu* menu = settingsMenu(main);
        emit menu->aboutToShow();
        for (QMenu* sub : menu->findChildren<QMenu*>()) emit sub->aboutToShow();
        QAction* entry = menu->findChild<QAction*>(name);
        ASSERT_NE(entry, nullptr) << name;
        entry->trigger();
    }
    Tmatch* matchWindow() const {
        for (QWidget* w : host->screens())
            if (auto* m = qobject_cast<Tmatch*>(w)) return m;
        return nullptr;
    }
};

TEST_F(FirstHours, SettingsLiveInTheGamesConfigFolderAndADamagedValueReadsAsItsDefault) {
    GameSettings settings;
    EXPECT_TRUE(settings.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME") + "/vellmora2/"))
        << settings.fileName().toStdString();
    EXPECT_EQ(settings.scale(), DisplayScale::automatic);
    EXPECT_TRUE(settings.soundEnabled());
    EXPECT_EQ(settings.volume(), 100);
    EXPECT_TRUE(settings.autosaveEnabled());

    QSettings file(settings.fileName(), QSettings::NativeFormat);
    file.setValue("display/scale", "3");
    file.setValue("display/nativeFactor", "-2");
    file.setValue("sound/volume", "loud");
    file.sync();
    EXPECT_EQ(GameSettings().scale(), DisplayScale::automatic);
    EXPECT_EQ(GameSettings().nativeFactor(), 1.0);
    EXPECT_EQ(GameSettings().volume(), 100);
    file.setValue("sound/volume", 250);
    file.sync();
    EXPECT_EQ(GameSettings().volume(), 100);
}

TEST_F(FirstHours, AScaleIsOfferedOnlyWhereTheMatchWindowFitsAndTheCommandLineSetsOneRun) {
    EXPECT_TRUE(scaleFits(2.0, {2560, 1600}));
    EXPECT_FALSE(scaleFits(2.0, {2560, 1440})) << "1480 rows do not fit in 1440";
    EXPECT_FALSE(scaleFits(1.5, {1920, 1080}));
    EXPECT_TRUE(scaleFits(1.0, {1920, 1080}));

    EXPECT_EQ(commandLineScale({"vellmora2", "--scale", "2"}), DisplayScale::x2);
    EXPECT_EQ(commandLineScale({"vellmora2", "--scale=1.5"}), DisplayScale::x1_5);
    EXPECT_EQ(commandLineScale({"vellmora2"}), std::nullopt);
    EXPECT_THROW(commandLineScale({"vellmora2", "--scale", "4"}), std::invalid_argument);
    EXPECT_THROW(commandLineScale({"vellmora2", "--scale"}), std::invalid_argument);

    // An absolute scale leaves the desktop's factor out; the automatic one leaves Qt alone.
    qunsetenv("QT_SCALE_FACTOR");
    EXPECT_EQ(prepareDisplayScale(DisplayScale::automatic, 1.0), 0.0);
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
    EXPECT_EQ(prepareDisplayScale(DisplayScale::x2, 2.0), 1.0) << "a platform's own 2× is divided out";
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1");
    EXPECT_EQ(qgetenv("QT_ENABLE_HIGHDPI_SCALING"), "0");
    for (const char* name : {"QT_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI"}) qunsetenv(name);
}

TEST_F(FirstHours, TheSettingsMenuWritesEachSettingAndANewScaleOffersARestart) {
    Tmain* main = mainOn(0);
    ASSERT_TRUE(main);
    choose(main, "sound");
    EXPECT_FALSE(GameSettings().soundEnabled());
    choose(main, "volume_50");
    EXPECT_EQ(GameSettings().volume(), 50);
    choose(main, "autosave");
    EXPECT_FALSE(GameSettings().autosaveEnabled());
    choose(main, "autosave");
    EXPECT_TRUE(GameSettings().autosaveEnabled());

    // The menu offers "自動" and what fits the screen the main screen stands on.
    QStringList shown, offered;
    for (QAction* entry : child<QMenu>(main, "scales")->actions()) shown << entry->text();
    for (const DisplayScale scale : offeredScales(*main->screen())) offered << scaleName(scale);
    EXPECT_EQ(shown, offered);
    EXPECT_EQ(shown.first(), "自動");

    GameSettings().setScale(DisplayScale::x2);
    prompts.yesno = {true};
    choose(main, "scale_auto");
    EXPECT_EQ(GameSettings().scale(), DisplayScale::automatic);
    EXPECT_EQ(prompts.questions, std::vector<std::string>{kRestartQuestion});
    EXPECT_TRUE(host->restartWanted());
}

TEST_F(FirstHours, WithTheSoundOffTheMatchMakesNoSoundAndMSwitchesIt) {
    GameSettings().setSoundEnabled(false);
    clock.step = LiveMatch::kFrameGap + 1;
    Tmain* main = mainOn(0);
    ASSERT_TRUE(main);
    auto* next = child<PanelButton>(main, "Pnext");
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    settle();
    QPointer<Tmatch> m = matchWindow();
    ASSERT_TRUE(m);
    EXPECT_FALSE(m->soundOn());
    test::frames(m, 3);
    EXPECT_GT(m->match().counter(), 0) << "the kick-off whistle holds nothing without sound";

    QTest::keyClick(m, Qt::Key_M);
    EXPECT_TRUE(m->soundOn());
    EXPECT_TRUE(GameSettings().soundEnabled());
    QTest::keyClick(m->scoreboard().squad(0), Qt::Key_M);
    EXPECT_FALSE(m->soundOn());
    EXPECT_FALSE(m->match().holding());
    EXPECT_FALSE(GameSettings().soundEnabled());
}

TEST_F(FirstHours, EnterAfterSkippingGoesToTheNewsAndNeverToTheTactics) {
    Tmain* main = mainOn(0);
    ASSERT_TRUE(main);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::mouseClick(child<QRadioButton>(main, "rbskip"), Qt::LeftButton);
    bool pressedDuringRun = false;
    QTimer::singleShot(0, main, [&] {
        pressedDuringRun = !main->flow().canleave();
        QTest::keyClick(main, Qt::Key_Return);
    });
    QTest::keyClick(main, Qt::Key_Return);
    EXPECT_TRUE(pressedDuringRun);
    EXPECT_EQ(main->flow().nextstep(), 2);
    QTest::keyClick(main, Qt::Key_Return);
    settle();
    EXPECT_NE(news(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<Ttactics*>(w), nullptr);
}

TEST_F(FirstHours, TheSaveScreenAndTheCardsOpenInsideTheScreenFromTheCorner) {
    Tmain* main = mainOn(0);
    ASSERT_TRUE(main);
    const QRect area = main->screen()->availableGeometry();
    main->move(area.topLeft());
    Tsave* save = host->openSave(SaveMode::save);
    ASSERT_TRUE(save);
    EXPECT_TRUE(area.contains(save->frameGeometry())) << save->x() << "," << save->y();
    save->close();
    settle();
    for (int i = 0; i < 3; ++i) {
        const Tplayerdata* card = host->openCard(0, i);
        ASSERT_TRUE(card);
        EXPECT_TRUE(area.contains(card->frameGeometry())) << "card " << i << " at " << card->y();
    }
}

}  // namespace
}  // namespace vm
