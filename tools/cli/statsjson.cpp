// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON of a booked match's figures and of the positions after a match day.
#include "statsjson.h"

#include <ostream>

#include "output.h"

namespace vm::cli {

void printMatchRecordJson(std::ostream& out, const MatchRecord& r) {
    out << "{\"division\":" << r.division << ",\"fixture\":" << r.fixture << ",\"clubs\":";
    jsonInts(out, r.clubs);
    out << ",\"names\":";
    jsonArray(out, r.names, [&](const std::string& n) { out << jsonString(n); });
    out << ",\"goals\":";
    jsonInts(out, r.goals);
    out << ",\"ticks\":" << r.stats.ticks << ",\"sides\":";
    jsonArray(out, r.stats.sides, [&](const SideFigures& f) {
        out << "{\"possession\":" << f.possession << ",\"shots\":" << f.shots
            << ",\"onTarget\":" << f.onTarget << ",\"ownGoals\":" << f.ownGoals
            << ",\"corners\":" << f.corners << ",\"goalKicks\":" << f.goalKicks
            << ",\"throwIns\":" << f.throwIns << ",\"crosses\":" << f.crosses << ",\"passes\":" << f.passes
            << "}";
    });
    out << ",\"players\":";
    jsonArrayOf(out, 2, [&](int s) {
        jsonArrayOf(out, kFigureMen, [&](int e) {
            const ManFigures& m = r.stats.men[s][e];
            out << "{\"name\":" << jsonString(r.men[s][e]) << ",\"shots\":" << m.shots
                << ",\"goals\":" << m.goals << ",\"assists\":" << m.assists << ",\"touches\":" << m.touches
                << "}";
        });
    });
    out << "}";
}

void printDayPositionsJson(std::ostream& out, const CareerStats& st, int round) {
    jsonArrayOf(out, kStatsClubs, [&](int k) { out << st.positions[k][round]; });
}

}  // namespace vm::cli
