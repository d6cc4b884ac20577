// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics as tables and lines of text.
#include "season/statstables.h"

namespace vm {

namespace {

std::string percent(int part, int whole) {
    return std::to_string(whole > 0 ? (200 * part + whole) / (2 * whole) : 0) + "%";
}

std::string seasontext(int season) {
    return std::to_string(season) + "年目";
}

// "3年目, 5年目" or "なし".
std::string seasonlist(const std::vector<int>& seasons) {
    if (seasons.empty()) return "なし";
    std::string out = std::to_string(seasons.size()) + "回（";
    for (std::size_t i = 0; i < seasons.size(); ++i) out += (i ? "、" : "") + seasontext(seasons[i]);
    return out + "）";
}

std::string resulttext(const std::optional<UserResult>& r) {
    if (!r) return "なし";
    return std::to_string(r->scored) + "-" + std::to_string(r->conceded) + " 対" + r->opponent + "（" +
           seasontext(r->season) + " 第" + std::to_string(r->round + 1) + "節）";
}

std::string scorerstext(const std::vector<ClubScorer>& list) {
    if (list.empty()) return "なし";
    std::string out;
    for (std::size_t i = 0; i < list.size() && i < 5; ++i) {
        out += (i ? "、" : "") + list[i].name + " " + std::to_string(list[i].count);
        if (!list[i].atClub) out += "（退団）";
    }
    return out;
}

}  // namespace

std::vector<std::array<std::string, 3>> panellines(const MatchStats& st) {
    const SideFigures& a = st.sides[0];
    const SideFigures& b = st.sides[1];
    const int held = a.possession + b.possession;
    return {
        {"支配率", percent(a.possession, held), percent(b.possession, held)},
        {"シュート", std::to_string(a.shots), std::to_string(b.shots)},
        {"枠内", std::to_string(a.onTarget), std::to_string(b.onTarget)},
        {"パス", std::to_string(a.passes), std::to_string(b.passes)},
        {"クロス", std::to_string(a.crosses), std::to_string(b.crosses)},
        {"CK", std::to_string(a.corners), std::to_string(b.corners)},
        {"GK", std::to_string(a.goalKicks), std::to_string(b.goalKicks)},
        {"スローイン", std::to_string(a.throwIns), std::to_string(b.throwIns)},
        {"オウンゴール", std::to_string(a.ownGoals), std::to_string(b.ownGoals)},
    };
}

Grid matchfiguresgrid(const MatchRecord& r) {
    Grid g;
    const auto lines = panellines(r.stats);
    g.resize(3, static_cast<int>(lines.size()) + 2);
    g.setRow(0, "," + r.names[0] + "," + r.names[1]);
    g.cell(0, 1) = "得点";
    g.cell(1, 1) = std::to_string(r.goals[0]);
    g.cell(2, 1) = std::to_string(r.goals[1]);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (int c = 0; c < 3; ++c) g.cell(c, static_cast<int>(i) + 2) = lines[i][c];
    }
    return g;
}

Grid matchplayersgrid(const MatchRecord& r, int side) {
    std::vector<int> entries;
    for (int e = 0; e < kFigureMen; ++e)
        if (!r.men[side][e].empty()) entries.push_back(e);
    Grid g;
    g.resize(5, static_cast<int>(entries.size()) + 1);
    g.setRow(0, "選手,シュート,得点,アシスト,タッチ");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const ManFigures& m = r.stats.men[side][entries[i]];
        g.cell(0, row) = r.men[side][entries[i]];
        g.cell(1, row) = std::to_string(m.shots);
        g.cell(2, row) = std::to_string(m.goals);
        g.cell(3, row) = std::to_string(m.assists);
        g.cell(4, row) = std::to_string(m.touches);
    }
    return g;
}

Grid clubseasonsgrid(const std::vector<ClubSeason>& seasons) {
    Grid g;
    g.resize(6, static_cast<int>(seasons.size()) + 1);
    g.setRow(0, "期,Div,順位,勝点,得点,失点");
    for (std::size_t i = 0; i < seasons.size(); ++i) {
        const ClubSeason& s = seasons[i];
        const int row = static_cast<int>(i) + 1;
        const int values[] = {s.season, s.division, s.position, s.points, s.scored, s.conceded};
        for (int c = 0; c < 6; ++c) g.cell(c, row) = std::to_string(values[c]);
    }
    return g;
}

std::vector<std::pair<std::string, std::string>> recordlines(const ClubRecords& rec) {
    const std::string history = rec.historySince > 0 ? "（" + seasontext(rec.historySince) + "から）"
                                                     : "（まだ終えた期がありません）";
    const std::string results = "（" + seasontext(rec.resultsSince) + "から）";
    std::string best = "なし";
    if (rec.best) {
        best = seasontext(rec.best->season) + " Div" + std::to_string(rec.best->division) + " " +
               std::to_string(rec.best->position) + "位 勝点" + std::to_string(rec.best->points);
    }
    return {
        {"優勝（Div1）" + history, seasonlist(rec.titles)},
        {"優勝（Div2）" + history, seasonlist(rec.secondTitles)},
        {"昇格" + history, seasonlist(rec.promotions)},
        {"最高の期" + history, best},
        {"最大の勝利" + results, resulttext(rec.biggestWin)},
        {"最大の敗戦" + results, resulttext(rec.biggestLoss)},
        {"通算得点" + results, scorerstext(rec.scorers)},
        {"通算アシスト" + results, scorerstext(rec.assisters)},
    };
}

std::string matchtitle(const MatchRecord& r) {
    return "DIV" + std::to_string(r.division) + " " + r.names[0] + " " + std::to_string(r.goals[0]) + "-" +
           std::to_string(r.goals[1]) + " " + r.names[1];
}

}  // namespace vm
