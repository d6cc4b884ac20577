// SPDX-License-Identifier: GPL-3.0-or-later
// Autosaves on screen: the main screen writes one at each point it opens at,
// "ロード" lists them first, and a failing disk is told once without holding
// the game up. The resume question as the player sees it.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>

#include "league/autosaves.h"
#include "league/savefiles.h"
#include "save/save_support.h"
#include "save_fixture.h"
#include "screens/gamesettings.h"
#include "screens/messageboxprompts.h"
#include "screens/panelbutton.h"
#include "screens/tmain.h"
#include "screens/ttitle.h"
#include "screenshot.h"
#include "season/resume.h"
#include "season/savescreen.h"
#include "util/durablewrite.h"

namespace vm {
namespace {
namespace fs = std::filesystem;

class AutosaveScreens : public test::SaveWindowTest {
protected:
    void TearDown() override {
        setWriteStageHook(nullptr);
        SaveWindowTest::TearDown();
    }
    Tmain* newGameFromTitle() {
        QPointer<Ttitle> title = host->openTitle();
        QTest::mouseClick(child<PanelButton>(title, "Pnew"), Qt::LeftButton);
        settle();
        return qobject_cast<Tmain*>(host->screens().value(0));
    }
};

TEST_F(AutosaveScreens, EachPointIsAutosavedOnceAndLoadListsThemFirstWithoutSaves) {
    Tmain* main = newGameFromTitle();
    ASSERT_NE(main, nullptr);
    host->openMain();  // the same point shown again
    ASSERT_EQ(listAutosaves(*world).size(), 1u);
    test::playFiveRounds(*world);
    host->openMain();
    const std::vector<Autosave> written = listAutosaves(*world);
    ASSERT_EQ(written.size(), 2u);
    writeBytesAtomic(written.back().file, std::string(4096, '\0'));  // the older one zeroed

    trigger(host->screens().value(0), "tomenu");
    settle();
    ASSERT_TRUE(dataload(*world, "savedata").empty());
    QTest::mouseClick(child<PanelButton>(host->screens().value(0), "Pload"), Qt::LeftButton);
    Tsave* load = shownSave();
    ASSERT_NE(load, nullptr) << "autosaves alone open the load list";
    const Grid& g = child<GridView>(load, "grid")->grid();
    ASSERT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cell(0, 1), autosaveRowName("1年目_5節"));
    EXPECT_EQ(g.cell(1, 1), written.front().timetext);
    EXPECT_EQ(g.cell(0, 2), autosaveRowName("1年目_オフ"));
    EXPECT_EQ(g.cell(1, 2), kUnreadableMark);
    press(child<GridView>(load, "grid"), 1);
    test::screenshot(load, "load-autosaves");

    // The main screen that opens after loading writes the loaded point again.
    doubleClick(child<GridView>(load, "grid"), 1);
    settle();
    EXPECT_NE(qobject_cast<Tmain*>(host->screens().value(0)), nullptr);
    EXPECT_EQ(listAutosaves(*world).front().point, "1年目_5節");
    EXPECT_TRUE(prompts.errors.empty());
}

int diskFull(WriteStage stage, const fs::path& file) {
    return stage == WriteStage::written && file.parent_path().filename() == "autosave" ? ENOSPC : 0;
}

TEST_F(AutosaveScreens, AFailedAutosaveIsToldOnceAndTheGameGoesOn) {
    setWriteStageHook(diskFull);
    ASSERT_NE(newGameFromTitle(), nullptr);
    test::playFiveRounds(*world);
    Tmain* main = host->openMain();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    ASSERT_EQ(prompts.notices.size(), 1u);
    EXPECT_NE(prompts.notices[0].find("オートセーブできませんでした"), std::string::npos);
    EXPECT_TRUE(prompts.errors.empty() && prompts.messages.empty());
    EXPECT_TRUE(listAutosaves(*world).empty());
}

TEST_F(AutosaveScreens, SwitchedOffInTheSettingsNothingIsWritten) {
    GameSettings().setAutosaveEnabled(false);
    ASSERT_NE(newGameFromTitle(), nullptr);
    EXPECT_TRUE(listAutosaves(*world).empty());
    GameSettings().setAutosaveEnabled(true);
    host->openMain();
    EXPECT_EQ(listAutosaves(*world).size(), 1u);
}

TEST_F(AutosaveScreens, PictureOfTheResumeQuestion) {
    QPointer<Ttitle> title = host->openTitle();
    MessageBoxPrompts real;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text().toStdString(), kResumeQuestion);
        test::screenshot(box, "resume-question");
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(real.askYesNo(kResumeQuestion));
}

}  // namespace
}  // namespace vm
