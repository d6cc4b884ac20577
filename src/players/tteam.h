// SPDX-License-Identifier: GPL-3.0-or-later
// One club: name, emblem, money, doctor, popularity, the roster in line-up
// order, the eleven formation spots, the coaches, the youth squad and the
// injured list.
#pragma once

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "players/tplayer.h"
#include "util/bitmap.h"
#include "util/point.h"

namespace vm {

class Grid;

using PlayerList = std::vector<std::unique_ptr<Tplayer>>;

// Takes player i out of a list by moving the last one into the gap.
std::unique_ptr<Tplayer> takeOut(PlayerList& list, int i);

inline constexpr int kEmblemSide = 12;

class Tteam {
public:
    Tteam(ClubWorld& world, int level, int nametype, int number);
    // A club with no players (blank emblem, coaches 10, doctor 5), ready to have
    // a stored club read into it. Draws no random numbers.
    static std::unique_ptr<Tteam> blank(ClubWorld& world, int number);

    PlayerList roster;   // slots 0..10 start, 11 and 12 bench, 13.. out of the squad
    PlayerList youth;
    PlayerList injured;
    std::string name;
    std::array<Point, 11> position{};
    Bitmap emblem{kEmblemSide, kEmblemSide};
    int money = 0;
    int clubno = 0;
    int doctor = 5;
    int popularity = 0;
    Attrs coachpower{};
    std::array<Attrs, 3> coach{};  // coaches 1..3

    Tplayer& getplayer(int i) const { return *roster.at(i); }
    int playerhigh() const { return static_cast<int>(roster.size()) - 1; }
    // Takes roster player i out (his club becomes 99); the last player fills the gap.
    std::unique_ptr<Tplayer> playerremove(int i);
    void playeradd(std::unique_ptr<Tplayer> p);

    // Fills a table with the roster rows; `remove` lists columns to drop in order.
    void rostergrid(Grid& g, const std::vector<int>& remove) const;
    // Puts the roster into the table's row order (rows must reference every player once).
    void rosterfromgrid(const Grid& g);
    // Formation spot <-> top-left corner of a 12 x 12 marker.
    void posconvert(Point& p, int slot, bool toScreen);
    void formationload();
    // Fills the first eleven men of a match side (Tmteam) from the starters:
    // each man's playing fields and his formation spot.
    template <class Side>
    void matchteam(Side& side, bool home);

    void teamsave(OutStream& s) const;
    void teamload(InStream& s);

    // The coach's automatic line-up (lineup.cpp).
    void autoselect();

    // Coaches and weekly training (coaches.cpp).
    void coachupdate();
    void coachgrid(Grid& g) const;
    int coachcheck(int rosterIndex);
    // Makes roster player i coach `place` (1..3); false when he refuses (value 0).
    bool coachset(int rosterIndex, int place);
    void autocoach();
    void coachdecline();
    void training();

    // Youth and injuries (youth.cpp, injuries.cpp).
    void youthmake();
    void youthgrid(Grid& g) const;
    void youthpromote(int youthIndex);
    // The youth index of the youngster with the highest attribute sum, as the
    // youth table sorted by that sum shows him first (squad must not be empty).
    int bestyouth() const;
    void autoyouth();
    void youthrecord();
    void youthage();
    void injurycheck(Grid& g);
    int injuryupdate(bool reset);
    void injurygrid(Grid& g) const;

    ClubWorld& world() const { return *world_; }

private:
    struct BlankTag {};
    Tteam(ClubWorld& world, int number, BlankTag);
    ClubWorld* world_;
};

template <class Side>
void Tteam::matchteam(Side& side, bool home) {
    if (roster.size() < 11) throw std::logic_error("a match side needs eleven players");
    for (int i = 0; i < 11; ++i) {
        auto m = side[i];
        roster[i]->manmake(m, home);
        m.basex = m.x = position[i].x;
        m.basey = m.y = position[i].y;
        m.fx = m.x;
        m.fy = m.y;
    }
}

}  // namespace vm
