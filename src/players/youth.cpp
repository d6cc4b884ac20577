// SPDX-License-Identifier: GPL-3.0-or-later
// The youth squad: new youth players, promotion to the roster (by the user, by
// the computer clubs' rule, or to refill a short roster), career entries and
// ageing.
#include <numeric>
#include <string>

#include "players/clubworld.h"
#include "players/tteam.h"
#include "util/arith.h"
#include "util/grid.h"

namespace vm {
namespace {

int attributeSum(const Tplayer& p) {
    return std::accumulate(p.ability.begin(), p.ability.end(), 0);
}

}  // namespace

void Tteam::youthmake() {
    ClubWorld& w = world();
    int s = 0;
    for (int v : coachpower) s += v;
    // Better coaches find better youngsters.
    const int level = (w.Random(s + 1) / 2 + s / 2) / 14;
    const int nametype = w.Random(8) % 5 + 1;
    auto p = std::make_unique<Tplayer>(w, level, clubno, nametype);
    p->age = 15 + w.Random(4);
    p->moodadd(100);
    youth.push_back(std::move(p));
}

// Name, Age, AT, the seven attributes, Leg, the youth index ("%.3d") and the
// attribute sum; positions and feet as text. An empty squad leaves only the
// heading row (the screens hide the table then).
void Tteam::youthgrid(Grid& g) const {
    const int rows = static_cast<int>(youth.size()) + 1;
    g.resize(17, youth.empty() ? 1 : rows);
    g.setRow(0, "Name,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg");
    g.setObject(0, nullptr);
    if (youth.empty()) return;
    for (int k = 0; k < rows - 1; ++k) {
        g.setRow(k + 1, youth[k]->datatext());
        g.setObject(k + 1, youth[k].get());
    }
    for (int n = 0; n < 4; ++n) gridcoldel(g, 11);  // value, goals, assists, condition
    for (int k = 0; k < rows - 1; ++k) {
        g.cell(11, k + 1) = pad(k, 3);
        g.cell(12, k + 1) = std::to_string(attributeSum(*youth[k]));
    }
    posname(g, 2);
    legname(g, 10);
}

int Tteam::bestyouth() const {
    Grid table;
    youthgrid(table);
    gridsort(table, 12, false);
    return std::stoi(table.cell(11, 1));
}

void Tteam::youthpromote(int youthIndex) {
    auto p = takeOut(youth, youthIndex);
    playeradd(std::move(p));
}

// The computer clubs promote a youth player who would beat the holder of a
// slot his type suits; a 20-year-old has to beat him by a margin.
void Tteam::autoyouth() {
    if (roster.size() < 11) return;  // no line-up to compare with
    for (int k = static_cast<int>(youth.size()) - 1; k >= 0; --k) {
        const Tplayer& p = *youth[k];
        const int a = p.age / 20;
        auto R = [&](int slot) -> const Tplayer& { return getplayer(slot); };
        bool promote =
            p.ability[6] >= R(6).ability[6] + 5 * a || attributeSum(p) >= attributeSum(R(7)) + 35 * a;
        if (p.at <= 3) {
            promote = promote || p.ability[0] >= R(2).ability[0] + 5 * a;
            if (p.at == 0)
                promote =
                    promote || p.ability[1] + p.ability[3] >= R(0).ability[1] + R(0).ability[3] + 10 * a;
            if (p.at == 1) promote = promote || p.ability[1] >= R(5).ability[1] + 5 * a;
        } else {
            promote = promote || p.ability[0] >= R(10).ability[0] + 5 * a;
            if (p.at == 6) promote = promote || p.ability[3] >= R(8).ability[3] + 5 * a;
        }
        if (promote) youthpromote(k);
    }
}

void Tteam::youthrecord() {
    const std::string entry =
        "/" + std::to_string(world().kanri.year) + "*" + std::to_string(clubno) + "*ﾕｰｽ";
    for (auto& p : youth) p->career += entry;
}

void Tteam::youthage() {
    for (auto& p : youth) p->age += 1;
}

}  // namespace vm
