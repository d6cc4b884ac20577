// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/tteam.h"

#include <algorithm>

#include "players/clubworld.h"
#include "util/arith.h"
#include "util/errors.h"
#include "util/grid.h"
#include "util/stream.h"

namespace vm {
namespace {

// Name type of a generated player when the club does not ask for Japanese
// names: 1 with probability 1/7, 2 and 3 with 2/7 each, 4 and 5 with 1/7.
int mixedNameType(ClubWorld& w) {
    return (w.Random(7) + 1) % 5 + 1;
}

// The most players one stored list may hold before the file counts as broken.
constexpr int kMaxStoredPlayers = 1000;

void readPlayers(InStream& s, ClubWorld& w, int clubno, PlayerList& into, const char* what) {
    const int n = s.readCount(kMaxStoredPlayers, what);
    into.clear();
    into.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto p = std::make_unique<Tplayer>(w, 1, clubno, 6);
        p->playerload(s);
        into.push_back(std::move(p));
    }
}

void writePlayers(OutStream& s, const PlayerList& list) {
    s.writeInt(static_cast<std::int32_t>(list.size()));
    for (const auto& p : list) p->playersave(s);
}

}  // namespace

std::unique_ptr<Tplayer> takeOut(PlayerList& list, int i) {
    std::unique_ptr<Tplayer> out = std::move(list.at(static_cast<std::size_t>(i)));
    if (static_cast<std::size_t>(i) + 1 != list.size()) list[static_cast<std::size_t>(i)] = std::move(list.back());
    list.pop_back();
    return out;
}

Tteam::Tteam(ClubWorld& world, int level, int nametype, int number) : world_(&world) {
    popularity = 0;
    clubno = number;
    money = level * 10 + 50;
    for (int i = 0; i < 18; ++i) {
        const int t = (i < 15 && nametype == 1) ? 1 : mixedNameType(world);
        roster.push_back(std::make_unique<Tplayer>(world, level, number, t));
    }
    for (auto& c : coach) c.fill(10);
    doctor = 5;
}

Tteam::Tteam(ClubWorld& world, int number, BlankTag) : world_(&world) {
    clubno = number;
    for (auto& c : coach) c.fill(10);
    doctor = 5;
}

std::unique_ptr<Tteam> Tteam::blank(ClubWorld& world, int number) {
    return std::unique_ptr<Tteam>(new Tteam(world, number, BlankTag{}));
}

std::unique_ptr<Tplayer> Tteam::playerremove(int i) {
    auto p = takeOut(roster, i);
    p->club = kNoClub;
    return p;
}

void Tteam::playeradd(std::unique_ptr<Tplayer> p) {
    p->club = clubno;
    const auto same = std::count_if(roster.begin(), roster.end(), [&](const auto& q) { return q->at == p->at; });
    if (same > 3)
        for (auto& q : roster)
            if (q->at == p->at) q->moodadd(-10);
    roster.push_back(std::move(p));
}

void Tteam::rostergrid(Grid& g, const std::vector<int>& remove) const {
    const int rows = static_cast<int>(roster.size()) + 1;
    g.resize(17, rows);
    g.setRow(0, ",Name,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg,Value,Gol,Asi");
    const bool withRefs = !remove.empty() && remove.back() != 0;
    for (int i = 0; i < rows - 1; ++i) {
        g.setRow(i + 1, "," + roster[i]->datatext() + "," + pad(i, 3));
        g.setObject(i + 1, withRefs ? roster[i].get() : nullptr);
    }
    g.setObject(0, nullptr);
    for (int col : remove) gridcoldel(g, col);
    g.resize(17 - static_cast<int>(remove.size()), rows);
}

void Tteam::rosterfromgrid(const Grid& g) {
    PlayerList reordered;
    reordered.reserve(roster.size());
    for (int i = 0; i <= playerhigh(); ++i) {
        auto* wanted = g.objectAs<Tplayer>(i + 1);
        auto it = std::find_if(roster.begin(), roster.end(), [&](const auto& p) { return p.get() == wanted; });
        if (wanted == nullptr || it == roster.end())
            throw std::logic_error("the table does not hold every roster player once");
        reordered.push_back(std::move(*it));
    }
    roster = std::move(reordered);
}

void Tteam::posconvert(Point& p, int slot, bool toScreen) {
    if (toScreen) p = {position.at(slot).x - 6, position.at(slot).y - 6};
    else position.at(slot) = {p.x + 6, p.y + 6};
}

void Tteam::formationload() {
    if (roster.size() < 11) throw std::logic_error("formationload needs eleven players");
    auto at = [&](int i) { return roster[i]->at; };
    std::string key;
    key += (at(4) == 1 || at(4) == 2) ? '1' : '0';
    key += at(6) == 6 ? '1' : '0';
    key += at(9) == 5 ? '1' : at(9) == 6 ? '2' : '0';
    key += at(10) == 6 ? '1' : '0';

    const auto& lines = world_->fixedLines("data/formation.txt");
    auto it = std::find(lines.begin(), lines.end(), key);
    if (it == lines.end() || it + 1 == lines.end())
        throw DataError("data/formation.txt に布陣 " + key + " がありません");
    const std::string& spots = *(it + 1);
    auto number = [&](std::size_t at) {
        if (spots.size() < at + 3) throw DataError("data/formation.txt の布陣 " + key + " が壊れています");
        int v = 0;
        for (std::size_t k = at; k < at + 3; ++k) {
            if (spots[k] < '0' || spots[k] > '9')
                throw DataError("data/formation.txt の布陣 " + key + " が壊れています");
            v = v * 10 + (spots[k] - '0');
        }
        return v;
    };
    for (std::size_t i = 0; i < 11; ++i) position[i] = {number(6 * i), number(6 * i + 3)};
}

void Tteam::teamsave(OutStream& s) const {
    s.writeBytes(encodeBmp(emblem));
    writestr(s, name);
    s.writeInt(money);
    s.writeInt(doctor);
    for (const Point& p : position) {
        s.writeInt(p.x);
        s.writeInt(p.y);
    }
    for (int v : coachpower) s.writeInt(v);
    for (const Attrs& c : coach)
        for (int v : c) s.writeInt(v);
    writePlayers(s, youth);
    writePlayers(s, injured);
    writePlayers(s, roster);
}

void Tteam::teamload(InStream& s) {
    const std::size_t bmpSize = bmpFileSize(s.peek(14));
    const Bitmap picture = decodeBmp(s.readBytes(bmpSize));
    emblem = picture.width == kEmblemSide && picture.height == kEmblemSide
                 ? picture
                 : picture.crop(0, 0, kEmblemSide, kEmblemSide);
    name = readString(s);
    money = s.readInt();
    doctor = s.readInt();
    for (Point& p : position) {
        p.x = s.readInt();
        p.y = s.readInt();
        if (p.x < 0 || p.x > 640 || p.y < 0 || p.y > 480) throw FormatError(name + " の布陣が範囲外です");
    }
    for (int& v : coachpower) v = s.readInt();
    for (Attrs& c : coach)
        for (int& v : c) v = s.readInt();
    readPlayers(s, *world_, clubno, youth, "ユース選手");
    readPlayers(s, *world_, clubno, injured, "負傷選手");
    readPlayers(s, *world_, clubno, roster, "選手");
}

}  // namespace vm
