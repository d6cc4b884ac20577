// One footballer: seven attributes with their training state, age and peak,
// position, foot, mood and market value, the season's figures, form, injury,
// owning club and career record.
#pragma once

#include <array>
#include <string>

#include "match/tman.h"

namespace vm {

class World;
class InStream;
class OutStream;

using Attrs = std::array<int, 7>;  // Spe, Str, Ctl, Sho, Dri, Pas, Cro

inline constexpr int kNoClub = 99;

class Tplayer {
public:
    // A new random player of the given level for club `club`, named by name type
    // 1 (Japanese), 2..5 (foreign lists) or 6 (placeholder "山田" for loading).
    Tplayer(World& world, int level, int club, int nametype);

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
    void manmake(Tman& man, bool home);
    std::string datatext() const;
    std::string growthtext() const;
    void playersave(OutStream& s) const;
    void playerload(InStream& s);

    World& world() const { return *world_; }

private:
    World* world_;
};

}  // namespace vm
