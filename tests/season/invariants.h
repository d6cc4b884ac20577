// SPDX-License-Identifier: GPL-3.0-or-later
// The checks a played career must pass after every step of the season flow,
// shared by the two-season test and the long soak.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "league/tleague.h"
#include "league/world.h"
#include "season/career.h"
#include "season/newspage.h"
#include "season/world_checks.h"
#include "transfers/ttrade.h"
#include "util/textfile.h"

namespace vm::test {

class CareerChecker {
public:
    explicit CareerChecker(World& w) : w_(w), accounts_(w) {}

    FlowHooks hooks() {
        FlowHooks h;
        h.observe = [this](const FlowEvent& e) { check(e); };
        return h;
    }

    // Events seen, by kind.
    int matchdays = 0;
    int newsPages = 0;
    int windows = 0;

    void checkAttributes(const char* when) const {
        for (int c = 0; c < kClubCount; ++c) {
            const Tteam& club = w_.team(c);
            for (const PlayerList* list : {&club.roster, &club.youth, &club.injured})
                for (const auto& p : *list)
                    for (int a : p->ability)
                        ASSERT_TRUE(a >= 10 && a <= 89)
                            << when << ": " << p->name << " of club " << c << " has " << a;
        }
        if (!w_.trade) return;
        for (const auto& p : w_.trade->pool)
            for (int a : p->ability) ASSERT_TRUE(a >= 10 && a <= 89) << when << ": free agent " << p->name;
    }

    // After a match day's fixtures: every division's table adds up.
    void checkTables() const {
        for (const auto& league : w_.leagues) {
            ASSERT_TRUE(league);
            int goalsFor = 0, goalsAgainst = 0;
            for (const auto& row : league->table) {
                EXPECT_EQ(row[Tleague::cWins] + row[Tleague::cDraws] + row[Tleague::cLosses],
                          league->round + 1);
                EXPECT_EQ(row[Tleague::cPoints], 3 * row[Tleague::cWins] + row[Tleague::cDraws]);
                EXPECT_EQ(row[Tleague::cDiff], row[Tleague::cFor] - row[Tleague::cAgainst]);
                goalsFor += row[Tleague::cFor];
                goalsAgainst += row[Tleague::cAgainst];
            }
            EXPECT_EQ(goalsFor, goalsAgainst) << "division " << league->division;
        }
    }

    // After the end of a programme the match day's working files are gone.
    void checkCleaned() const {
        namespace fs = std::filesystem;
        for (int d = 1; d <= 2; ++d)
            for (int m = 0; m < kPairings; ++m)
                for (int s = 0; s < 2; ++s)
                    EXPECT_FALSE(fs::exists(tmp(std::to_string(d) + std::to_string(m) + std::to_string(s))));
        for (const char* f : {"save1.dat", "img.bmp", "goal0", "goal1", "trade.txt"})
            EXPECT_FALSE(fs::exists(tmp(f))) << f;
        for (const auto& e : fs::directory_iterator(tmp("")))
            EXPECT_NE(e.path().extension(), ".rank") << e.path();
    }

private:
    std::filesystem::path tmp(const std::string& name) const { return w_.path("data/tmp/" + name); }

    void check(const FlowEvent& e) {
        switch (e.kind) {
            case FlowEvent::matchDayDue: {
                ++matchdays;
                // The world's shape, and everything since the last check accounted for.
                const std::string when = "before match day " + std::to_string(matchdays);
                checkWorld(w_, when, w_.leagues[0] ? w_.leagues[0]->round : -1);
                accounts_.check(when);
                break;
            }
            case FlowEvent::matchDayPlayed: checkTables(); break;
            case FlowEvent::newsPage:
                ++newsPages;
                accounts_.page(*e.page);
                if (e.page->kind == PageKind::end) checkCleaned();
                break;
            case FlowEvent::windowOpened:
                ++windows;
                EXPECT_TRUE(w_.trade);
                checkWorld(w_, "the window opened");
                accounts_.check("the window opened");
                break;
            case FlowEvent::windowClosed:
                EXPECT_FALSE(w_.trade);
                // Before the news after the window cleans up its log.
                accounts_.check("the window closed");
                break;
            default: break;
        }
        checkAttributes("after a step");
    }

    World& w_;
    Accounts accounts_;
};

}  // namespace vm::test
