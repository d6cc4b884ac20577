// SPDX-License-Identifier: GPL-3.0-or-later
// The weekly injury draw with the roster refill from the youth squad, the
// weekly countdown of the injured list and its table.
#include <algorithm>
#include <climits>
#include <string>

#include "players/clubworld.h"
#include "players/tteam.h"
#include "util/arith.h"
#include "util/grid.h"

namespace vm {
namespace {

// The range of the weekly draw: a draw of 10 or less injures. Strong, slow
// players and a good doctor keep it wide; players beyond the match squad
// (index 10 and on) are spared a little more.
int injuryRange(const Tplayer& p, int index, int doctor) {
    const long long d = doctor;
    const long long r =
        2LL * (p.ability[1] - p.ability[0]) + 20 * d * d + 100 * (std::min(index, 11) / 10) + 200;
    return static_cast<int>(std::clamp(r, 1LL, static_cast<long long>(INT_MAX)));
}

}  // namespace

void Tteam::injurycheck(Grid& g) {
    ClubWorld& w = world();
    const bool user = clubno == 0;
    if (user) {
        rostergrid(g, {});
        for (int r = 0; r < g.rowCount(); ++r) {
            g.cell(0, r).clear();
            g.cell(12, r).clear();
        }
        for (int r = 1; r <= 11 && r < g.rowCount(); ++r) g.cell(0, r) = pad(r, 2);
    }

    for (int i = playerhigh(); i >= 0; --i) {
        Tplayer& p = getplayer(i);
        const int h = w.Random(injuryRange(p, i, doctor));
        if (h > 10) continue;
        if (user && i + 1 < g.rowCount()) g.cell(12, i + 1) = "怪我";
        p.injury = h / 2 + 2;
        injured.push_back(playerremove(i));
    }

    // A match needs eleven: the best youngster by attribute sum steps up.
    while (roster.size() <= 10) {
        if (youth.empty()) youthmake();
        youthpromote(bestyouth());
        roster.back()->career += "/" + std::to_string(w.kanri.year) + "*" + std::to_string(clubno) + "**";
    }
}

int Tteam::injuryupdate(bool reset) {
    int back = 0;
    for (int k = static_cast<int>(injured.size()) - 1; k >= 0; --k) {
        Tplayer& p = *injured[k];
        if (reset) {
            p.injury = 0;
        } else {
            p.injury -= 1;
            p.formdelta = -2;  // out of the team, out of form
            p.formupdate();
        }
        if (p.injury <= 0) {
            p.injury = 0;
            playeradd(takeOut(injured, k));
            ++back;
        }
    }
    return back;
}

// The injured players' rows with the value column showing the match days still
// to miss ("あと3節"). An empty list leaves only the heading row.
void Tteam::injurygrid(Grid& g) const {
    const int rows = static_cast<int>(injured.size()) + 1;
    g.resize(16, rows);
    g.setRow(0, "Name,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg,怪我,Gol,Asi");
    g.setObject(0, nullptr);
    for (int k = 0; k < rows - 1; ++k) {
        g.setRow(k + 1, injured[k]->datatext());
        g.cell(11, k + 1) = "あと" + std::to_string(injured[k]->injury) + "節";
        g.setObject(k + 1, injured[k].get());
    }
}

}  // namespace vm
