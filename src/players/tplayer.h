// SPDX-License-Identifier: GPL-3.0-or-later
// One footballer: seven attributes with their training state, age and peak,
// position, foot, mood and market value, the season's figures, form, injury,
// owning club and career record.
#pragma once

#include <array>
#include <string>

namespace vm {

class ClubWorld;
class InStream;
class OutStream;

using Attrs = std::array<int, 7>;  // Spe, Str, Ctl, Sho, Dri, Pas, Cro

inline constexpr int kNoClub = 99;

class Tplayer {
public:
    // A new random player of the given level for club `club`, named by name type
    // 1 (Japanese), 2..5 (foreign lists) or 6 (placeholder "山田" for loading).
    Tplayer(ClubWorld& world, int level, int club, int nametype);

    std::string name;
    std::string career;
    Attrs ability{};
    Attrs exp{};
    Attrs talent{};
    Attrs lastability{};
    int rating = 0;
    int age = 0;
    int games = 0;
    int goals = 0;
    int assists = 0;
    int form = 0;
    int formdelta = 0;
    int injury = 0;
    int club = kNoClub;
    // The statistics' number for a player the user's club tracks; 0 for none.
    // Kept in memory and in the statistics file beside a save, never in the
    // save itself, so copies made for a save's check carry none.
    int statsid = 0;
    int peak = 0;
    int leg = -1;
    int at = 0;
    int mood = 0;
    int value = 0;
    bool rebound = false;

    void abilitymake(int level, int nametype);
    void talentmake();
    int getability(int i) const { return ability.at(i); }
    int condition() const;
    void moodadd(int delta);
    void ratingadd(int delta);
    void training(const Attrs& coachpower);
    void traindown(int factor);
    void seasonmark() { lastability = ability; }
    void formupdate();
    void formdecay(int step);
    // Fills a man's playing fields (all but his position and spot) for a
    // match: a Tman, or a man in place in a side (Tmteam's view), whose name
    // then keeps its storage.
    template <class Man>
    void manmake(Man&& man, bool home);
    std::string datatext() const;
    std::string growthtext() const;
    void playersave(OutStream& s) const;
    void playerload(InStream& s);

    ClubWorld& world() const { return *world_; }

private:
    ClubWorld* world_;
};

template <class Man>
void Tplayer::manmake(Man&& man, bool home) {
    const int c = condition();
    const int h = home ? 10 : 0;
    man.name = name;
    man.role = at;
    man.speed = (ability[0] + c + h) * 0.0045 + 0.5;
    man.power = ability[1] + c + 1 + h;
    man.control = ability[2] + c + h;
    man.shooterr = 110 - (ability[3] + c + h);
    man.dribbleerr = 110 - (ability[4] + c + h);
    man.passerr = 110 - (ability[5] + c + h);
    man.crosserr = 110 - (ability[6] + c + h);
    man.swerve = leg * 0.003;
    man.stun = 0;
    games += 1;
}

}  // namespace vm
