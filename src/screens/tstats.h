// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window ("データ"): the last completed match day's matches,
// the position lines of the user's division, the club's seasons, its records
// and a player's attributes season by season, drawn from the Qt-free model
// (season/statsmodel.h, season/statstables.h) with Qt Charts.
#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "screens/session.h"

class QChartView;
class QComboBox;
class QLineSeries;
class QListWidget;
class QTabWidget;

namespace vm {

class GridView;

class Tstats : public QWidget {
    Q_OBJECT
public:
    explicit Tstats(const Session& session);

    // The pages, in order.
    enum Page { matches, positions, seasons, records, players };
    // Shows a page; on the players' page, the player with tracking number `id` (0: the first).
    void showPage(Page page, int id = 0);

    QTabWidget* tabs() const { return tabs_; }

private:
    Session session_;
    QTabWidget* tabs_ = nullptr;
    QListWidget* listmatches = nullptr;
    GridView* gridfigures = nullptr;
    std::array<GridView*, 2> gridmen{};
    QListWidget* listclubs = nullptr;
    QChartView* chartpositions = nullptr;
    std::vector<QLineSeries*> positionseries_;
    QComboBox* comboplayer = nullptr;
    QChartView* chartplayer = nullptr;

    QWidget* buildMatches();
    QWidget* buildPositions();
    QWidget* buildSeasons();
    QWidget* buildRecords();
    QWidget* buildPlayers();
    void showMatch(int row);
    void highlight(int row);
    void showPlayer(int index);
};

}  // namespace vm
