// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen: its window and buttons, the picture it shows, the world it
// builds, quitting, and a start-up that stops on an unreadable data file.
#include "screens/ttitle.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "screen_fixture.h"
#include "screens/panelbutton.h"

namespace vm {
namespace {
namespace fs = std::filesystem;

class TitleScreen : public test::ScreenTest {
protected:
    Session session = host->session();

    PanelButton* button(Ttitle* title, const char* name) {
        auto* b = title->findChild<PanelButton*>(name);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }

    void writeTitlePicture(QSize size, QColor color) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_TRUE(
            image.save(QString::fromStdString(scratch.path("data/skin/title.jpg").string()), "JPG", 95));
    }
};

void expectColour(QRgb got, QColor want) {
    EXPECT_NEAR(qRed(got), want.red(), 10);
    EXPECT_NEAR(qGreen(got), want.green(), 10);
    EXPECT_NEAR(qBlue(got), want.blue(), 10);
}

TEST_F(TitleScreen, isAFixedWindowWithTheFourButtonsInPlace) {
    Ttitle* title = Ttitle::open(session);
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->isVisible());
    EXPECT_EQ(title->size(), QSize(640, 480));
    EXPECT_EQ(title->minimumSize(), QSize(640, 480));
    EXPECT_EQ(title->maximumSize(), QSize(640, 480));
    const Qt::WindowFlags flags = title->windowFlags();
    EXPECT_FALSE(flags &
                 (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint));

    struct Expected {
        const char* name;
        const char* caption;
        QRect geometry;
    };
    for (const Expected& e :
         {Expected{"Pnew", "新規スタート", {80, 344, 90, 30}},
          Expected{"Pload", "ロード", {275, 344, 90, 30}}, Expected{"Pvs", "データ対戦", {464, 344, 90, 30}},
          Expected{"Pend", "ゲーム終了", {275, 408, 90, 30}}}) {
        PanelButton* b = button(title, e.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromUtf8(e.caption)) << e.name;
        EXPECT_EQ(b->geometry(), e.geometry) << e.name;
        EXPECT_TRUE(b->isVisible()) << e.name;
    }
    EXPECT_TRUE(button(title, "Pend")->isEnabled());

    title->grab();  // paints, which is when the captions are fitted
    for (const char* name : {"Pnew", "Pload", "Pvs", "Pend"}) {
        PanelButton* b = button(title, name);
        EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width() - 2)
            << name << ": the caption is cut off";
        EXPECT_TRUE(b->font().bold());
        EXPECT_EQ(b->font().pixelSize(), 15);
    }
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(TitleScreen, openingItBuildsAFreshWorld) {
    ASSERT_NE(Ttitle::open(session), nullptr);
    ASSERT_NE(world->teams[19], nullptr);
    EXPECT_EQ(world->team(0).popularity, 5);
    EXPECT_EQ(world->team(19).popularity, 100);
    EXPECT_TRUE(fs::exists(scratch.path("data/tmp/history.txt")));
    EXPECT_TRUE(fs::is_directory(scratch.path("data/savedata")));
}

TEST_F(TitleScreen, theTitlePictureFillsTheWindow) {
    // Half the window's size: the picture is stretched over all of it.
    const QColor green(30, 120, 60);
    writeTitlePicture({320, 240}, green);
    Ttitle* title = Ttitle::open(session);
    ASSERT_NE(title, nullptr);
    const QImage shot = title->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(640, 480));
    expectColour(shot.pixel(5, 5), green);
    expectColour(shot.pixel(634, 474), green);
    expectColour(shot.pixel(320, 200), green);
}

TEST_F(TitleScreen, quittingEndsTheProgram) {
    QPointer<Ttitle> title = Ttitle::open(session);
    ASSERT_TRUE(title);
    QTimer::singleShot(0, [&] { QTest::mouseClick(button(title, "Pend"), Qt::LeftButton); });
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    stuck.start(5000);
    EXPECT_EQ(QApplication::exec(), 0) << "the event loop ends when the title screen closes";
    EXPECT_TRUE(title.isNull()) << "the closed title screen is released";
}

TEST_F(TitleScreen, aMissingPictureIsNamedAndNothingIsBuilt) {
    fs::remove(scratch.path("data/skin/title.jpg"));
    EXPECT_EQ(Ttitle::open(session), nullptr);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find("data/skin/title.jpg"), std::string::npos) << prompts.errors[0];
    EXPECT_EQ(world->teams[0], nullptr) << "the start-up stops at the picture";
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST_F(TitleScreen, aBrokenPictureIsNamedToo) {
    std::ofstream(scratch.path("data/skin/title.jpg"), std::ios::binary | std::ios::trunc)
        << "\xFF\xD8\xFF garbage";
    EXPECT_EQ(Ttitle::open(session), nullptr);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find("data/skin/title.jpg"), std::string::npos) << prompts.errors[0];
    EXPECT_NE(prompts.errors[0].find("壊れています"), std::string::npos) << prompts.errors[0];
}

TEST_F(TitleScreen, aMissingNameListIsNamed) {
    fs::remove(scratch.path("data/name/name1-1.txt"));
    EXPECT_EQ(Ttitle::open(session), nullptr);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find("data/name/name1-1.txt"), std::string::npos) << prompts.errors[0];
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

}  // namespace
}  // namespace vm
