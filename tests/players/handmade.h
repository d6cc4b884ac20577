// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-made squads for the club tests: players with chosen position, attributes
// and condition, put straight into a club's lists.
#pragma once

#include <memory>

#include "players/tteam.h"

namespace vm::test {

struct Spec {
    int at = 1;
    Attrs a{30, 30, 30, 30, 30, 30, 30};
    int form = 0;  // condition = form at mood 50
    int age = 25;
    int peak = 25;
};

inline std::unique_ptr<Tplayer> handmade(ClubWorld& w, int club, const Spec& s) {
    auto p = std::make_unique<Tplayer>(w, 1, club, 6);
    p->at = s.at;
    p->ability = s.a;
    p->form = s.form;
    p->age = s.age;
    p->peak = s.peak;
    p->moodadd(50);
    return p;
}

inline Tplayer& addTo(Tteam& club, const Spec& s) {
    club.roster.push_back(handmade(club.world(), club.clubno, s));
    return *club.roster.back();
}

inline Attrs all(int v) {
    return {v, v, v, v, v, v, v};
}

}  // namespace vm::test
