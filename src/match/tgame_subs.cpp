// SPDX-License-Identifier: GPL-3.0-or-later
// Substitutions (the automatic rule by clock and score, the choice of who
// comes on and who goes off) and the bookkeeping after the final whistle:
// the bench players' form and mood and the two goal files.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "match/tgame.h"
#include "players/clubworld.h"
#include "util/textfile.h"

namespace vm {

std::string goalfilename(int side) {
    return "data/tmp/goal" + std::to_string(side);
}

void Tgame::autosubnow(int side) {
    if (world_->team(club[side]).playerhigh() <= 10) return;  // no bench
    const int diff = goals(side) - goals(1 - side);
    const Sublog choice = subchoose(side, diff > 0 ? Subkind::defender : Subkind::attacker);
    if (choice.index != 0) substitute(side, choice.slot, choice.index);
}

Sublog Tgame::subchoose(int side, Subkind kind) const {
    const Sublog none{-1, 0};
    if (world_ == nullptr) return none;
    const Tteam& team = world_->team(club[side]);
    const bool attacker = kind == Subkind::attacker;

    int in = 0;
    int best = attacker ? 4 : 3;
    for (int i = 11; i <= 12 && i <= team.playerhigh(); ++i) {
        const int at = team.getplayer(i).at;
        if (attacker ? at >= best : at < best) {
            best = at;
            in = i;
        }
    }
    if (in == 0) return none;

    // The man going off: keyed by his stored spot's x and his slot, compared as
    // text; a defender replaces the deepest attacker, an attacker the most
    // advanced defender.
    char chosen[32] = "";
    int out = -1;
    for (int slot = 1; slot <= 10; ++slot) {
        const int at = team.getplayer(slot).at;
        if (attacker ? at > 3 : at <= 3) continue;
        char key[32];
        std::snprintf(key, sizeof key, "%.3d%.2d", team.position[slot].x + 4, slot);
        const int order = std::strcmp(key, chosen);
        if (out < 0 || (attacker ? order > 0 : order < 0)) {
            std::memcpy(chosen, key, sizeof key);
            out = slot;
        }
    }
    if (out < 0) return none;
    return {out, in};
}

void Tgame::substitute(int side, int slot, int index) {
    if (world_ == nullptr || sublog[side].slot != -1) return;
    Tteam& team = world_->team(club[side]);
    if (slot < 0 || slot > 10 || index < 11 || index > team.playerhigh()) return;
    sublog[side] = {slot, index};
    Tplayer& p = team.getplayer(index);
    p.ratingadd(1);
    p.moodadd(-rng_.Random(2));
    // He takes over the spot of the man he replaces and comes on at the halfway
    // point of the bottom touch line.
    auto m = men[side][slot];
    p.manmake(m, home_ == side);
    place(m, 320, 480);
    m.stun = 50;
}

void Tgame::finish() {
    if (finished_ || world_ == nullptr) {
        finished_ = true;
        return;
    }
    if (!booked_) {
        booked_ = true;
        for (int side = 0; side < 2; ++side) {
            Tteam& team = world_->team(club[side]);
            const int diff = goals(side) - goals(1 - side);
            for (int i = 11; i <= 12 && i <= team.playerhigh(); ++i) {
                Tplayer& p = team.getplayer(i);
                if (i == sublog[side].index) {
                    // An attacker gets +3 / +1 / -1, a defender +1 / -1 / -3.
                    const int r = (p.at / 4) * 2 - 1;
                    if (r * diff > 0) {
                        p.formdelta += 3 * r;
                    } else if (diff == 0) {
                        p.formdelta += r;
                    } else {
                        p.formdelta -= r;
                    }
                } else {
                    const int e = std::min(std::abs(p.peak - p.age), 3);
                    p.moodadd(-rng_.Random(4 - e + 1));
                    p.formdecay(1);
                }
            }
        }
    }
    for (int side = 0; side < 2; ++side) writeLines(world_->path(goalfilename(side)), goallist[side]);
    finished_ = true;
}

}  // namespace vm
