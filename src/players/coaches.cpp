// SPDX-License-Identifier: GPL-3.0-or-later
// Coaches and the weekly training: three coaches of seven values each, the
// club's coaching power (the best coach per attribute), the appointment of
// veterans, the yearly decline and one week of training for the whole club.
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "players/tteam.h"
#include "util/arith.h"
#include "util/grid.h"

namespace vm {

void Tteam::coachupdate() {
    for (int k = 0; k < 7; ++k) coachpower[k] = std::max({0, coach[0][k], coach[1][k], coach[2][k]});
}

void Tteam::coachgrid(Grid& g) const {
    g.resize(8, 5);
    g.setRow(0, ",Spe,Str,Ctl,Sho,Dri,Pas,Cro");
    for (int j = 0; j < 3; ++j) {
        g.cell(0, j + 1) = "コーチ" + std::to_string(j + 1);
        for (int k = 0; k < 7; ++k) g.cell(k + 1, j + 1) = std::to_string(coach[j][k]);
    }
    g.cell(0, 4) = "指導力";
    for (int k = 0; k < 7; ++k) g.cell(k + 1, 4) = std::to_string(coachpower[k]);
    for (int r = 0; r < g.rowCount(); ++r) g.setObject(r, nullptr);
}

// The coach place (1..3) a roster player would best take, 0 for none. A coach
// who holds no attribute of the coaching power is replaced first; otherwise the
// coach whose held attributes the player would raise most on average.
int Tteam::coachcheck(int rosterIndex) {
    const Attrs& p = getplayer(rosterIndex).ability;
    const Attrs& m = coachpower;
    std::array<std::vector<int>, 3> held;
    std::array<int, 3> heldSum{};
    std::array<int, 7> holder;
    holder.fill(-1);
    for (int k = 0; k < 7; ++k)
        for (int j = 0; j < 3; ++j)
            if (coach[j][k] == m[k]) {
                held[j].push_back(k);
                heldSum[j] += coach[j][k];
                holder[k] = j;  // on equal values the highest-numbered coach holds it
            }

    std::array<bool, 3> marked{};
    for (int k = 0; k < 7; ++k) {
        if (m[k] >= p[k]) continue;
        if (holder[k] >= 0) marked[holder[k]] = true;
        for (int j = 0; j < 3; ++j)
            if (held[j].empty()) marked[j] = true;
    }
    for (int j = 0; j < 3; ++j)
        if (marked[j] && held[j].empty()) return j + 1;

    int best = 0, bestGain = 0;
    for (int j = 0; j < 3; ++j) {
        if (!marked[j]) continue;
        int g = 0;
        for (int k : held[j]) g += p[k];
        const int gain = g > heldSum[j] ? ((g - heldSum[j]) * 7) / static_cast<int>(held[j].size()) : 0;
        if (gain > bestGain) {
            bestGain = gain;
            best = j + 1;
        }
    }
    return best;
}

bool Tteam::coachset(int rosterIndex, int place) {
    if (place < 1 || place > 3) throw std::out_of_range("coach place must be 1..3");
    if (getplayer(rosterIndex).value == 0) return false;  // he wants to leave and refuses
    coach[place - 1] = getplayer(rosterIndex).ability;
    playerremove(rosterIndex);  // a coach is no longer a player
    coachupdate();
    return true;
}

void Tteam::autocoach() {
    coachupdate();
    if (roster.size() == 11) return;
    // The starting eleven are never taken; from the last reserve up.
    for (int i = playerhigh(); i >= 11; --i) {
        const Tplayer& p = getplayer(i);
        if (p.age - p.peak <= 2) continue;
        const int place = coachcheck(i);
        if (place != 0) coachset(i, place);  // updates the coaching power when he accepts
    }
}

void Tteam::coachdecline() {
    for (auto& c : coach)
        for (int& v : c) v = std::max(10, roundEven(9.0 * v / 10.0));
    coachupdate();
}

void Tteam::training() {
    for (auto& p : roster) p->training(coachpower);
    for (auto& p : youth) p->training(coachpower);
    // Injured players do not train; the veterans among them lose points by age.
    for (auto& p : injured)
        if (p->age > p->peak + 3) p->traindown(p->peak - p->age + 4);
}

}  // namespace vm
