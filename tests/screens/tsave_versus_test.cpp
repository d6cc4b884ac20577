// SPDX-License-Identifier: GPL-3.0-or-later
// The versus picker choosing the two clubs of a versus match: each side's
// emblem, name and comment and roster beside the list, the refusal with a
// side missing, hostile files refused on the way, and the hand-over once both
// clubs are chosen.
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

#include "league/savefiles.h"
#include "league/versus.h"
#include "save/save_support.h"
#include "save_fixture.h"
#include "screens/panelbutton.h"
#include "screens/ttitle.h"
#include "screens/tversus.h"
#include "screenshot.h"
#include "util/bitmap.h"

namespace vm {
namespace {

class VersusWindow : public test::SaveWindowTest {
protected:
    static constexpr QRgb kSkyBlue = 0xFF2060D0;

    // A club another player exported: club 0 of a game of its own, with its
    // own name and a comment.
    void exportClub(std::uint64_t seed, const char* file, const char* club, const char* comment,
                    const std::function<void(Tteam&)>& touch = {}) {
        auto other = test::newGame(scratch, seed);
        Tteam& mine = other->team(0);
        mine.name = club;
        if (touch) touch(mine);
        vssave(*other, vsPath(*other, file), comment);
        firstPlayer_[file] = mine.roster.front()->name;
        emblem_[file] = mine.emblem;
    }

    // Two versus files: one with Japanese names, a comment and players in
    // and out of form, one as its game made it.
    void exportBoth() {
        exportClub(21, "青空", "青空ＦＣ", "よろしくお願いします", [](Tteam& club) {
            club.emblem = Bitmap(12, 12, kSkyBlue);
            club.roster[0]->name = "山田太郎";
            club.roster[1]->name = "鈴木一郎";
            club.roster[0]->form = 10;   // in form: magenta
            club.roster[2]->form = -10;  // out of form: teal
            club.roster[2]->mood = 0;
        });
        exportClub(22, "海風", "海風ユナイテッド", kNoComment);
    }

    // The title screen (a fresh world) and the versus picker over it, as
    // "データ対戦" opens it.
    Tversus* openVersus() {
        if (firstPlayer_.empty()) exportBoth();
        title_ = host->openTitle();
        before_.emplace(test::Snapshot::of(*world));
        return host->openVersus();
    }

    // The versus picker now open, or null.
    Tversus* shownVersus() const {
        for (QWidget* w : host->screens())
            if (auto* s = qobject_cast<Tversus*>(w)) return s;
        return nullptr;
    }

    QPointer<Ttitle> title_;
    std::optional<test::Snapshot> before_;
    std::map<std::string, std::string> firstPlayer_;  // by file
    std::map<std::string, Bitmap> emblem_;
};

bool near(QColor got, QColor want) {
    return std::abs(got.red() - want.red()) < 40 && std::abs(got.green() - want.green()) < 40 &&
           std::abs(got.blue() - want.blue()) < 40;
}

// Whether any pixel of `area` in `shot` is close to `colour`.
bool shows(const QImage& shot, QRect area, QColor colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (near(shot.pixelColor(x, y), colour)) return true;
    return false;
}

TEST_F(VersusWindow, BothChosenClubsAreShownBesideTheList) {
    Tversus* screen = openVersus();
    ASSERT_NE(screen, nullptr);
    auto* list = child<GridView>(screen, "grid");
    EXPECT_EQ(list->grid().rowText(0), "←,VSdata,→");
    EXPECT_EQ(child<PanelButton>(screen, "P0")->text(), "対戦");
    EXPECT_EQ(screen->findChild<PanelButton*>("Pnewfile"), nullptr);
    EXPECT_EQ(screen->findChild<QLabel*>("lbsave"), nullptr);
    EXPECT_FALSE(child<QLabel>(screen, "img0")->isVisible()) << "no side is chosen yet";
    EXPECT_FALSE(child<GridView>(screen, "grid1")->isVisible());

    press(list, rowOf(list, "青空", 1), 0);
    press(list, rowOf(list, "海風", 1), 2);
    EXPECT_EQ(list->grid().cell(0, rowOf(list, "青空", 1)), "○");
    EXPECT_EQ(list->grid().cell(2, rowOf(list, "海風", 1)), "○");

    auto* left = child<QLabel>(screen, "img0");
    auto* right = child<QLabel>(screen, "img1");
    ASSERT_TRUE(left->isVisible() && right->isVisible());
    EXPECT_EQ(left->pixmap().toImage().pixel(40, 40), kSkyBlue);
    // Each of the emblem's pixels is shown 8 x 8.
    EXPECT_EQ(right->pixmap().toImage().pixel(8 * 5 + 3, 8 * 7 + 3), emblem_["海風"].at(5, 7));
    EXPECT_EQ(child<QPlainTextEdit>(screen, "memo0")->toPlainText(), "青空ＦＣ\nよろしくお願いします");
    EXPECT_EQ(child<QPlainTextEdit>(screen, "Memo1")->toPlainText(), "海風ユナイテッド\nなし");

    auto* roster = child<GridView>(screen, "grid0");
    ASSERT_TRUE(roster->isVisible());
    EXPECT_EQ(roster->size(), QSize(305, 223));
    EXPECT_GE(roster->y(), left->geometry().bottom()) << "below the side's emblem";
    EXPECT_EQ(roster->grid().cell(0, 1), "山田太郎");
    EXPECT_EQ(roster->grid().cell(0, 2), "鈴木一郎");
    EXPECT_EQ(roster->laidOutWidth(0), 85);
    EXPECT_EQ(child<GridView>(screen, "grid1")->grid().cell(0, 1), firstPlayer_["海風"]);
    EXPECT_TRUE(prompts.silent());

    // The starters crossed in red, a player in form in magenta, one out of form in teal.
    screen->grab();
    const QImage shot = roster->viewport()->grab().toImage();
    const auto cell = [&](int row, int col) {
        return roster->visualRect(roster->table().index(roster->table().modelRow(row), col));
    };
    const auto corner = [&](int row) { return QRect(cell(row, 5).topLeft() + QPoint(2, 2), QSize(4, 4)); };
    EXPECT_TRUE(shows(shot, corner(1), Qt::red));
    EXPECT_TRUE(shows(shot, cell(1, 1), colours::inForm));
    EXPECT_TRUE(shows(shot, cell(3, 1), colours::offForm));
    EXPECT_FALSE(shows(shot, cell(3, 1), colours::inForm));
    test::screenshot(screen, "save-versus");
    roster->scrollToBottom();
    const QImage reserves = roster->viewport()->grab().toImage();
    EXPECT_FALSE(shows(reserves, corner(12), Qt::red));

    // Until the match starts nothing of the world has changed.
    before_->expectSame(*world);
}

TEST_F(VersusWindow, WithOneSideChosenTheMatchIsRefused) {
    Tversus* screen = openVersus();
    ASSERT_NE(screen, nullptr);
    auto* list = child<GridView>(screen, "grid");
    press(list, rowOf(list, "海風", 1), 2);
    bool started = false;
    QObject::connect(screen, &Tversus::versusReady, [&] { started = true; });
    QTest::mouseClick(child<PanelButton>(screen, "P0"), Qt::LeftButton);
    QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
    settle();
    EXPECT_EQ(prompts.messages, std::vector<std::string>(2, "チームが選択されていません"));
    EXPECT_FALSE(started);
    EXPECT_EQ(shownVersus(), screen);
    EXPECT_TRUE(title_);
    before_->expectSame(*world);
}

TEST_F(VersusWindow, AHostileFileIsRefusedAndTheSideChosenAgain) {
    exportBoth();
    std::string hostile = fileBytes("data/vs/海風.dat");
    test::setInt(hostile, 4, 1 << 30);  // a comment longer than the file
    writeBytesAtomic(scratch.path("data/vs/罠.dat"), hostile);
    Tversus* screen = openVersus();
    ASSERT_NE(screen, nullptr);
    auto* list = child<GridView>(screen, "grid");

    press(list, rowOf(list, "罠", 1), 0);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].rfind("このファイルは読み込めません\n", 0), 0u) << prompts.errors[0];
    EXPECT_EQ(list->grid().cell(0, rowOf(list, "罠", 1)), "");
    EXPECT_FALSE(child<QLabel>(screen, "img0")->isVisible());
    before_->expectSame(*world);

    // Chosen by the keyboard this time: Space on the side's cell.
    list->setCurrentIndex(list->table().index(list->table().modelRow(rowOf(list, "青空", 1)), 0));
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_TRUE(child<QLabel>(screen, "img0")->isVisible());
    EXPECT_EQ(child<QPlainTextEdit>(screen, "memo0")->toPlainText(), "青空ＦＣ\nよろしくお願いします");
    EXPECT_EQ(prompts.errors.size(), 1u);
}

TEST_F(VersusWindow, BothSidesChosenTheMatchTakesOverFromTheTitle) {
    Tversus* screen = openVersus();
    ASSERT_NE(screen, nullptr);
    auto* list = child<GridView>(screen, "grid");
    press(list, rowOf(list, "海風", 1), 0);
    press(list, rowOf(list, "海風", 1), 2);  // the same club on both sides
    std::optional<VersusMatch> match;
    QObject::connect(screen, &Tversus::versusReady, [&](const VersusMatch& m) { match = m; });
    QTest::mouseClick(child<PanelButton>(screen, "P0"), Qt::LeftButton);
    settle();

    ASSERT_TRUE(match);
    EXPECT_EQ(match->round, 18);
    EXPECT_FALSE(match->isLeagueMatch);
    EXPECT_EQ(world->team(0).name, "海風ユナイテッド");
    EXPECT_EQ(world->team(1).name, "海風ユナイテッド");
    EXPECT_EQ(world->kanri.div2list, kVersusDiv2);
    EXPECT_FALSE(title_) << "the title screen gives way to the match";
    EXPECT_EQ(shownVersus(), nullptr);
}

TEST_F(VersusWindow, WithNoVersusFileTheScreenDoesNotOpen) {
    title_ = host->openTitle();
    EXPECT_EQ(host->openVersus(), nullptr);
    settle();
    EXPECT_EQ(host->screens(), QList<QWidget*>{title_.data()});
    EXPECT_TRUE(prompts.silent());
}

}  // namespace
}  // namespace vm
