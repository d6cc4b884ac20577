// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/tplayer.h"

#include <algorithm>
#include <cstdlib>

#include "players/clubworld.h"
#include "util/arith.h"
#include "util/errors.h"
#include "util/stream.h"

namespace vm {
namespace {

// Growth of the year before, by years to the peak (peak - age).
int lastSeasonGrowth(int d) {
    if (d > 2) return 1;
    switch (d) {
        case 2: return 2;
        case 1: return 3;
        case 0:
        case -1: return 4;
        case -2: return 2;
        case -3:
        case -4: return 0;
        default: return d + 3;
    }
}

// Weekly growth by years to the peak.
int weeklyGrowth(int d) {
    if (d > 3) return 1;
    switch (d) {
        case 3: return 2;
        case 2: return 3;
        case 1:
        case 0: return 4;
        case -1: return 2;
        case -2:
        case -3: return 0;
        default: return d + 3;
    }
}

int bestAttackingSkill(const Attrs& a) { return std::max({a[3], a[4], a[5], a[6]}); }

}  // namespace

Tplayer::Tplayer(ClubWorld& world, int level, int club_, int nametype) : world_(&world) {
    age = 18 + world.Random(17);
    at = world.Random(7);
    career.clear();
    leg = (world.Random(3) / 2) * 2 - 1;
    club = club_;
    abilitymake(level, nametype);
    talentmake();
    moodadd(50);
}

void Tplayer::abilitymake(int level, int nametype) {
    ClubWorld& w = *world_;
    for (int i = 0; i < 7; ++i) {
        int v = w.Random(level);
        if (v < 10) v = level + w.Random(10);
        if (nametype == 2 || nametype == 3) v += w.Random(level / 2);
        else if (nametype == 4 && i >= 2) v += w.Random(level);
        else if (nametype == 5 && i <= 1) v += w.Random(level);
        ability[i] = limit(v, 10, 89);
        exp[i] = 1;
    }
    rating = 6 * bestAttackingSkill(ability) + 3 * (ability[0] + ability[1] + ability[2]);

    if (nametype == 1) {
        const auto& family = w.fixedLines("data/name/name1-1.txt");
        const std::string& f = family[w.Random(static_cast<int>(family.size()))];
        const auto& given = w.fixedLines("data/name/name1-2.txt");
        name = f + "　" + given[w.Random(static_cast<int>(given.size()))];
    } else if (nametype == 6) {
        name = "山田";
    } else {
        const auto& list = w.fixedLines("data/name/name" + std::to_string(nametype) + ".txt");
        const char letter = static_cast<char>(65 + w.Random(26));
        name = std::string(1, letter) + "．" + list[w.Random(static_cast<int>(list.size()))];
    }
}

void Tplayer::talentmake() {
    ClubWorld& w = *world_;
    peak = 20 + w.Random(10);
    int b = w.Random(128);
    std::array<bool, 7> bits{};
    int n = 0;
    for (int i = 6; i >= 0; --i) {
        bits[i] = b % 2 == 1;
        b /= 2;
        n += bits[i];
    }
    const int m = n <= 2 ? 3 : n <= 4 ? 2 : 1;
    for (int i = 0; i < 7; ++i) talent[i] = bits[i] ? m + 1 : 1;

    const int g = lastSeasonGrowth(peak - age);
    for (int i = 0; i < 7; ++i) {
        const int f = std::min(g, talent[i]);
        const int r = 1 + w.Random(4);
        lastability[i] = limit(ability[i] - (f * r) / 2, 10, 89);
    }
}

int Tplayer::condition() const { return limit(form + mood / 10 - 5, -10, 10); }

void Tplayer::moodadd(int delta) {
    mood = delta == 50 ? 50 : mood + delta;
    mood = limit(mood, 0, 100);
    // Each step is rounded to a double; the quotient and product below are then
    // formed in extended precision, which decides the halves (7 / 2.8 gives 3).
    const double l = ((std::abs(50 - mood) + 10) / 10.0 + 1) / 2;
    const long double ll = l;
    if (mood <= 10) value = 0;
    else if (mood < 50) value = roundEvenL(static_cast<long double>(rating) / ll);
    else if (mood == 50) value = rating;
    else value = roundEvenL(static_cast<long double>(rating) * ll);
    value = ((6 - world_->divof(club)) * value) / 5;
    if (age >= 32) value /= 2;
    else if (age >= 28) value = (value * 3) / 4;
}

void Tplayer::ratingadd(int delta) {
    if (delta != 0) {
        rating += delta;
    } else {
        const int s = 3 * bestAttackingSkill(ability) + roundEven(1.5 * ability[0]) +
                      roundEven(1.5 * ability[1]) + roundEven(1.5 * ability[2]);
        rating = s + rating / 2;
    }
    moodadd(0);
}

void Tplayer::training(const Attrs& p) {
    ClubWorld& w = *world_;
    const int g = weeklyGrowth(peak - age);
    if (g > 0) {
        for (int i = 0; i < 7; ++i) exp[i] += std::min(g, talent[i]) * (w.Random(p[i]) / 2 + p[i] / 2);
    } else if (g < 0) {
        traindown(g);
    }
    for (int i = 0; i < 7; ++i) {
        if (exp[i] > 0 && exp[i] > 15 * ability[i]) {
            if (ability[i] > 88) {
                exp[i] = 1;
            } else {
                do {
                    exp[i] -= 15 * ability[i];
                    ability[i] += 1;
                } while (15 * ability[i] < exp[i]);
            }
        }
        if (exp[i] <= 0) {
            while (exp[i] <= 0 && ability[i] > 10) {
                ability[i] -= 1;
                exp[i] += 15 * ability[i];
            }
        }
    }
}

void Tplayer::traindown(int g) {
    ClubWorld& w = *world_;
    for (int i = 0; i < 7; ++i) {
        const int a = ability[i];
        exp[i] += roundEven(g * 1.5 * (w.Random(a) / 2 + a / 2));
    }
}

void Tplayer::formupdate() {
    if (formdelta == 0) return;
    formdelta = limit(formdelta, -3, 3);
    if ((form > 0 && formdelta < 0) || (form < 0 && formdelta > 0)) formdelta *= 2;
    if (rebound) {
        if (form != 0) formdelta -= 2 * sign(form) * formdelta;
        if (std::abs(formdelta) >= std::abs(form)) rebound = false;
    }
    form += formdelta;
    if (std::abs(form) > 10) {
        form = sign(form) * (20 - std::abs(form));
        rebound = true;
    }
    formdelta = 0;
}

void Tplayer::formdecay(int step) {
    if (step == 0) form /= 2;
    else if (form != 0) form -= sign(form) * step;
}

std::string Tplayer::datatext() const {
    std::string s = name + "," + std::to_string(age) + "," + std::to_string(at);
    for (int a : ability) s += "," + std::to_string(a);
    s += "," + std::to_string(leg) + "," + std::to_string(value) + "," + std::to_string(goals) + "," +
         std::to_string(assists) + "," + std::to_string(condition());
    return s;
}

std::string Tplayer::growthtext() const {
    std::string s;
    for (int a : lastability) s += std::to_string(a) + ",";
    return s;
}

void Tplayer::playersave(OutStream& s) const {
    writestr(s, name);
    for (int v : {age, at, leg, rating, games, goals, assists, form, peak, mood, injury}) s.writeInt(v);
    for (const Attrs* list : {&ability, &exp, &talent, &lastability})
        for (int v : *list) s.writeInt(v);
    writestr(s, career);
}

void Tplayer::playerload(InStream& s) {
    name = readString(s);
    for (int* v : {&age, &at, &leg, &rating, &games, &goals, &assists, &form, &peak, &mood, &injury})
        *v = s.readInt();
    for (Attrs* list : {&ability, &exp, &talent, &lastability})
        for (int& v : *list) v = s.readInt();
    career = readString(s);

    // Figures a match or a table would trip over are refused, not carried in.
    auto check = [&](bool ok, const char* what) {
        if (!ok) throw FormatError(name + " の " + what + " が範囲外です");
    };
    check(at >= 0 && at <= 6, "ポジション");
    check(leg == -1 || leg == 1, "利き足");
    check(age >= 0 && age <= 99 && peak >= 0 && peak <= 99, "年齢");
    check(mood >= 0 && mood <= 100, "モチベーション");
    check(form >= -10 && form <= 10, "調子");
    check(injury >= 0 && injury <= 1000, "怪我");
    check(rating >= -1000000 && rating <= 1000000, "評価");
    for (int i = 0; i < 7; ++i) {
        check(ability[i] >= 10 && ability[i] <= 89 && lastability[i] >= 10 && lastability[i] <= 89, "能力");
        check(talent[i] >= 1 && talent[i] <= 4, "才能");
        check(exp[i] >= -1000000 && exp[i] <= 1000000, "経験");
    }
    formdelta = 0;
    rebound = false;
    moodadd(0);
}

}  // namespace vm
