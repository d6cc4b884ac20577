// SPDX-License-Identifier: GPL-3.0-or-later
// What the news screen tests start from: a new game, a season on a chosen
// match day with its results staged on disk, and the player's ways of
// turning a page (the message box, the keys) and of answering on it.
#pragma once

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <string>
#include <vector>

#include "league/newgame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "screen_fixture.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/tmain.h"
#include "screens/tnews.h"
#include "util/textfile.h"

namespace vm::test {

// A left click on a table row, as the player chooses it.
inline void pressRow(GridView* view, int gridRow, int column = 0) {
    const QModelIndex index = view->model()->index(view->table().modelRow(gridRow), column);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

class NewsScreen : public ScreenTest {
protected:
    void SetUp() override {
        world->startup();
        newgame(*world);
    }

    // A season on match day `round`: Division 1 is clubs 10..19, Division 2
    // clubs 0..9 with club 0 in the first fixture.
    void season(int round) {
        seasonstart(*world);
        for (auto& l : world->leagues) l->round = round;
    }

    std::filesystem::path tmp(const std::string& name) const { return world->path("data/tmp/" + name); }

    // The result file of one side of one fixture, one line per goal.
    void result(int d, int m, int s, int goals) {
        std::vector<std::string> lines;
        for (int g = 0; g < goals; ++g)
            lines.push_back(std::to_string(10 + g) + "分　0" + std::to_string(g + 1) + "選手");
        writeLines(tmp(std::to_string(d) + std::to_string(m) + std::to_string(s)), lines);
    }
    void allResults() {
        for (int d = 1; d <= 2; ++d)
            for (int m = 0; m < kPairings; ++m)
                for (int s = 0; s < 2; ++s) result(d, m, s, (d + m + s) % 3);
    }

    // A final table in which the clubs finish in the given order.
    void standings(int d, const std::vector<int>& order) {
        Tleague& l = *world->leagues[d - 1];
        for (int i = 0; i < kLeagueClubs; ++i) {
            int row = 0;
            while (l.clubOfRow(row) != order[i]) ++row;
            const int wins = kRounds - i - 2, draws = i % 2, losses = kRounds - wins - draws;
            l.table[row] = {order[i], wins, draws, losses, 40 - i, 20, 20 - i, 3 * wins + draws, 0};
        }
    }

    // The one news screen open, or null.
    Tnews* news() const {
        for (QWidget* w : host->screens())
            if (auto* n = qobject_cast<Tnews*>(w)) return n;
        return nullptr;
    }
    Tmain* mainScreen() const {
        for (QWidget* w : host->screens())
            if (auto* m = qobject_cast<Tmain*>(w)) return m;
        return nullptr;
    }

    // On the main screen, with "試合を飛ばす" chosen: "ＮＥＸＴ" plays the
    // match day without a view, and the next "ＮＥＸＴ" opens the news.
    static void skipToNews(Tmain* main) {
        child<QRadioButton>(main, "rbskip")->setChecked(true);
        auto* next = child<PanelButton>(main, "Pnext");
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        settle();
    }

    // A left click on the message box.
    static void turn(Tnews* screen) {
        QTest::mouseClick(child<QPlainTextEdit>(screen, "memomes")->viewport(), Qt::LeftButton);
    }
    static std::string title(Tnews* screen) { return child<QLabel>(screen, "lb")->text().toStdString(); }
    static QStringList message(Tnews* screen) {
        return child<QPlainTextEdit>(screen, "memomes")->toPlainText().split('\n');
    }
    static GridView* table(Tnews* screen) { return child<GridView>(screen, "grid"); }
    static QPlainTextEdit* goalBox(Tnews* screen, int m, int s) {
        return child<QPlainTextEdit>(screen, QString("memo%1%2").arg(m).arg(s).toLatin1().constData());
    }
};

}  // namespace vm::test
