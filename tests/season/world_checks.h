// SPDX-License-Identifier: GPL-3.0-or-later
// The world's bookkeeping checked between two moments of a career: the shape
// every world keeps (twenty clubs, full rosters, each player in one place,
// divisions and tables that add up) and the accounts of what happened in
// between (every change of money and every player who came, went or changed
// club explained by the trade log, the prizes, the doctors' fees, a youth
// player made or a club replaced). Careers played through the screens take a
// census at every hand-over.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "league/season.h"
#include "league/tleague.h"
#include "league/world.h"
#include "season/newspage.h"
#include "season/newsprogramme.h"
#include "transfers/ttrade.h"
#include "util/arith.h"
#include "util/textfile.h"

namespace vm::test {

// The shape every world keeps between two steps. `played` is the number of
// match days each club has in its table (-1: whatever the round says, as long
// as every club has the same).
inline void checkWorld(const World& w, const std::string& when, int played = -1) {
    std::unordered_map<const Tplayer*, int> seen;
    const auto place = [&](const Tplayer* p, int where) {
        const auto [at, fresh] = seen.emplace(p, where);
        EXPECT_TRUE(fresh) << when << ": " << p->name << " stands in place " << at->second << " and "
                           << where;
    };
    for (int c = 0; c < kClubCount; ++c) {
        ASSERT_TRUE(w.teams[c]) << when << ": club " << c << " is missing";
        const Tteam& club = w.team(c);
        EXPECT_EQ(club.clubno, c) << when;
        EXPECT_GE(club.roster.size(), 11u) << when << ": club " << c;
        for (const auto& p : club.roster) {
            place(p.get(), c);
            EXPECT_EQ(p->club, c) << when << ": " << p->name << " in club " << c << "'s roster";
        }
        for (const auto& p : club.youth) place(p.get(), 100 + c);
        for (const auto& p : club.injured) place(p.get(), 200 + c);
        for (const PlayerList* list : {&club.roster, &club.youth, &club.injured})
            for (const auto& p : *list)
                for (int a : p->ability)
                    EXPECT_TRUE(a >= 10 && a <= 89)
                        << when << ": " << p->name << " of club " << c << " has " << a;
    }
    if (w.trade)
        for (const auto& p : w.trade->pool) {
            place(p.get(), kNoClub);
            EXPECT_EQ(p->club, kNoClub) << when << ": free agent " << p->name;
        }

    // The two divisions share the twenty clubs, ten each, club 0 in its own.
    std::vector<int> listed;
    for (int d = 1; d <= 2; ++d) {
        const std::vector<int> clubs = w.kanri.clubsOf(d);
        EXPECT_EQ(clubs.size(), static_cast<std::size_t>(kLeagueClubs)) << when << ": division " << d;
        listed.insert(listed.end(), clubs.begin(), clubs.end());
    }
    std::sort(listed.begin(), listed.end());
    for (int c = 0; c < kClubCount && c < static_cast<int>(listed.size()); ++c)
        EXPECT_EQ(listed[c], c) << when << ": the division lists do not share the clubs";
    const std::vector<int> mine = w.kanri.clubsOf(w.kanri.mydiv);
    EXPECT_NE(std::find(mine.begin(), mine.end(), 0), mine.end())
        << when << ": club 0 is not in its division";

    EXPECT_EQ(static_cast<bool>(w.leagues[0]), static_cast<bool>(w.leagues[1])) << when;
    for (int d = 1; d <= 2; ++d) {
        const Tleague* league = w.leagues[d - 1].get();
        if (!league) continue;
        std::vector<int> clubs = w.kanri.clubsOf(d), rows;
        for (int r = 0; r < kLeagueClubs; ++r) rows.push_back(league->clubOfRow(r));
        std::sort(clubs.begin(), clubs.end());
        std::sort(rows.begin(), rows.end());
        EXPECT_EQ(rows, clubs) << when << ": division " << d << "'s table holds other clubs";
        const int games = played >= 0 ? played
                                      : league->table[0][Tleague::cWins] + league->table[0][Tleague::cDraws] +
                                            league->table[0][Tleague::cLosses];
        int goalsFor = 0, goalsAgainst = 0;
        for (const auto& row : league->table) {
            EXPECT_EQ(row[Tleague::cWins] + row[Tleague::cDraws] + row[Tleague::cLosses], games)
                << when << ": club " << row[Tleague::cClub];
            EXPECT_EQ(row[Tleague::cPoints], 3 * row[Tleague::cWins] + row[Tleague::cDraws]) << when;
            EXPECT_EQ(row[Tleague::cDiff], row[Tleague::cFor] - row[Tleague::cAgainst]) << when;
            goalsFor += row[Tleague::cFor];
            goalsAgainst += row[Tleague::cAgainst];
        }
        EXPECT_EQ(goalsFor, goalsAgainst) << when << ": division " << d;
    }
}

// Where every player stands and what every club holds at one moment.
struct Census {
    struct Place {
        int club = kNoClub;  // kNoClub: the free-agent pool
        std::string name;
        int age = 0;
        int peak = 0;
        bool youth = false;
    };
    std::unordered_map<const Tplayer*, Place> players;
    std::array<int, kClubCount> money{};
    std::array<int, kClubCount> doctor{};
    std::array<std::array<Attrs, 3>, kClubCount> coaches{};
    bool window = false;

    static Census of(const World& w) {
        Census s;
        for (int c = 0; c < kClubCount; ++c) {
            const Tteam& club = w.team(c);
            s.money[c] = club.money;
            s.doctor[c] = club.doctor;
            s.coaches[c] = club.coach;
            for (const PlayerList* list : {&club.roster, &club.youth, &club.injured})
                for (const auto& p : *list)
                    s.players[p.get()] = {c, p->name, p->age, p->peak, list == &club.youth};
        }
        if (w.trade)
            for (const auto& p : w.trade->pool) s.players[p.get()] = {kNoClub, p->name, p->age, p->peak};
        s.window = static_cast<bool>(w.trade);
        return s;
    }
};

// One line of the trade log: a transfer, a retirement or a release.
struct LogLine {
    enum Kind { transfer, retirement, release } kind = transfer;
    std::string player;
    int from = kNoClub;
    int to = kNoClub;
    int price = 0;
};

inline std::vector<LogLine> readTradeLog(const World& w) {
    std::vector<LogLine> lines;
    const auto file = w.path("data/tmp/trade.txt");
    if (!std::filesystem::exists(file)) return lines;
    const std::vector<std::string> text = readLines(file);
    for (std::size_t i = 1; i < text.size(); ++i) {
        const std::vector<std::string> f = splitCommas(text[i]);
        if (f.size() == 7) {
            lines.push_back({LogLine::transfer, f[1], std::stoi(f[5]), std::stoi(f[6]), std::stoi(f[2])});
        } else if (f.size() == 6) {
            const int club = std::stoi(f[5]);
            lines.push_back(
                {f[4] == "引退" ? LogLine::retirement : LogLine::release, f[1], club, kNoClub, 0});
        } else {
            ADD_FAILURE() << "a trade log line of " << f.size() << " fields: " << text[i];
        }
    }
    return lines;
}

// The accounts of a career between censuses. The driver shows it every news
// page as the player saw it (the last match day's pages pay the prizes) and
// names a club replaced by a versus club; check() takes a census and explains
// the difference from the last one.
class Accounts {
public:
    // Starts from the world as it stands (built, with its clubs).
    explicit Accounts(World& w) : w_(w), last_(Census::of(w)), logSeen_(readTradeLog(w).size()) {}

    // The world was built afresh (a new world, a loaded game): nothing to explain.
    void restart() {
        last_ = Census::of(w_);
        logSeen_ = readTradeLog(w_).size();
        prizes_ = {};
        seasonEnded_ = false;
        replaced_ = -1;
        lastPage_ = -2;
    }

    // A news page as shown, before the next one is turned; the same page
    // shown again after an answer counts once.
    void page(const NewsPage& pg) {
        if (pg.number == lastPage_) return;
        lastPage_ = pg.number;
        const bool lastDay = w_.leagues[0] && w_.leagues[0]->round == kRounds - 1;
        if (pg.kind == PageKind::table && lastDay) {
            // The final table: the season's prize money by place.
            const Tleague& league = *w_.leagues[pg.division - 1];
            for (int r = 1; r < pg.table.rowCount(); ++r)
                prizes_.at(league.clubOfRow(std::stoi(pg.table.cell(9, r)))) +=
                    prizemoney(pg.division, r - 1);
            seasonEnded_ = true;
        }
        if ((pg.kind == PageKind::scorers || pg.kind == PageKind::assists) && pg.leaders)
            for (int r = 1; r < pg.table.rowCount() && pg.table.cell(0, r) == "1"; ++r)
                prizes_.at(std::stoi(pg.table.cell(4, r))) += (3 - pg.division) * 100;
    }
    // A versus club took club `club`'s place.
    void replaced(int club) { replaced_ = club; }

    void check(const std::string& when) {
        const Census now = Census::of(w_);
        std::vector<LogLine> log = readTradeLog(w_);
        // A window that opened since started a fresh log.
        if ((!last_.window && now.window) || log.size() < logSeen_) logSeen_ = 0;
        const std::vector<LogLine> fresh(log.begin() + static_cast<std::ptrdiff_t>(logSeen_), log.end());
        checkMoney(now, fresh, when);
        checkPlayers(now, fresh, when);
        last_ = now;
        logSeen_ = log.size();
        prizes_ = {};
        seasonEnded_ = false;
        replaced_ = -1;
        lastPage_ = -2;
    }

private:
    void checkMoney(const Census& now, const std::vector<LogLine>& log, const std::string& when) {
        std::array<int, kClubCount> expected = prizes_;
        for (const LogLine& l : log) {
            if (l.kind != LogLine::transfer) continue;
            expected.at(l.to) -= l.price;
            if (l.from != kNoClub) expected.at(l.from) += l.price;
        }
        if (seasonEnded_) {
            // Every club books a doctor for the next season and pays his fee.
            const DoctorList doctors = readdoctors(w_);
            for (int c = 0; c < kClubCount; ++c) expected[c] -= doctors.doctors.at(now.doctor[c]).fee;
        }
        for (int c = 0; c < kClubCount; ++c)
            EXPECT_EQ(now.money[c] - last_.money[c], expected[c]) << when << ": club " << c << "'s money";
    }

    // Whether club c took a new coach: a coach who is not last season's,
    // nine tenths as good.
    bool newCoach(const Census& now, int c) const {
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 7; ++k)
                if (now.coaches[c][j][k] != std::max(10, roundEven(9.0 * last_.coaches[c][j][k] / 10.0)))
                    return true;
        return false;
    }

    void checkPlayers(const Census& now, const std::vector<LogLine>& log, const std::string& when) {
        const bool opened = !last_.window && now.window;
        const bool closed = last_.window && !now.window;
        // Where each player of the last census should stand now: the log's
        // lines moved players in their order.
        std::map<const Tplayer*, int> expected;  // kNoClub: the pool; -1: retired
        for (const auto& [p, place] : last_.players) expected[p] = place.club;
        std::vector<const LogLine*> newcomers;
        for (const LogLine& l : log) {
            const Tplayer* who = nullptr;
            for (const auto& [p, place] : last_.players)
                if (place.name == l.player && expected[p] == l.from) who = p;
            if (!who) {
                // Somebody who came after the last census and moved on.
                newcomers.push_back(&l);
                continue;
            }
            expected[who] = l.kind == LogLine::transfer ? l.to : l.kind == LogLine::release ? kNoClub : -1;
        }
        for (const auto& [p, place] : last_.players) {
            const auto it = now.players.find(p);
            const bool stays = it != now.players.end() && it->second.name == place.name;
            const int should = expected[p];
            if (stays) {
                // Over-age youth players leave for the pool unlogged as the window opens.
                const bool youthLeft = opened && place.youth && it->second.club == kNoClub;
                EXPECT_TRUE(it->second.club == should || youthLeft)
                    << when << ": " << place.name << " went from club " << place.club << " to "
                    << it->second.club << " without a log line";
            } else {
                // At a season's end a computer club makes veterans beyond the
                // eleven its coaches (a year older by then).
                const bool coach = seasonEnded_ && place.club > 0 && place.club < kClubCount &&
                                   place.age + 1 - place.peak > 2 && newCoach(now, place.club);
                const bool gone =
                    should == -1 || (closed && should == kNoClub) || place.club == replaced_ || coach;
                EXPECT_TRUE(gone) << when << ": " << place.name << " of club " << place.club << " vanished";
            }
        }
        for (const auto& [p, place] : now.players) {
            const auto it = last_.players.find(p);
            if (it != last_.players.end() && it->second.name == place.name) continue;
            const bool freeAgent = opened && place.club == kNoClub;
            const bool youngster = place.club != kNoClub && place.age <= 19;
            const bool signed_ = std::any_of(newcomers.begin(), newcomers.end(), [&](const LogLine* l) {
                return l->player == place.name && l->to == place.club;
            });
            EXPECT_TRUE(freeAgent || youngster || signed_ || place.club == replaced_)
                << when << ": " << place.name << " (" << place.age << ") appeared in club " << place.club;
        }
    }

    World& w_;
    Census last_;
    std::size_t logSeen_ = 0;
    std::array<int, kClubCount> prizes_{};
    bool seasonEnded_ = false;
    int replaced_ = -1;
    int lastPage_ = -2;
};

}  // namespace vm::test
