// SPDX-License-Identifier: GPL-3.0-or-later
#include "league/newgame.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "league/tleague.h"
#include "league/world.h"
#include "util/bitmap.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {
namespace {

constexpr const char* kTeamNames = "data/name/teamname.txt";
constexpr const char* kTeamImage = "data/teamimage.bmp";
constexpr const char* kFormations = "data/formation.txt";

std::vector<std::string> readTeamNames(World& w) {
    std::vector<std::string> names = readLines(w.shipped(kTeamNames));
    if (names.size() < static_cast<std::size_t>(kClubCount))
        throw DataError(std::string(kTeamNames) + " には " + std::to_string(kClubCount) +
                        " チーム分の名前が必要です");
    names.resize(kClubCount);
    return names;
}

// All emblems in one picture: clubs 0..9 in the top row, 10..19 below.
Bitmap readEmblems(World& w) {
    Bitmap all;
    try {
        all = decodeBmp(readBytes(w.shipped(kTeamImage)));
    } catch (const FormatError& e) {
        throw DataError(std::string(kTeamImage) + " が壊れています: " + e.what());
    }
    if (all.width < 10 * kEmblemSide || all.height < 2 * kEmblemSide)
        throw DataError(std::string(kTeamImage) + " は 120 × 24 ピクセル以上の画像である必要があります");
    return all;
}

// Every line-up key the formation lookup can produce must lead to a line of
// eleven spots, so that choosing the formations cannot fail half-way.
void checkFormations(World& w) {
    const auto& lines = w.fixedLines(kFormations);
    for (char a : {'0', '1'})
        for (char b : {'0', '1'})
            for (char c : {'0', '1', '2'})
                for (char d : {'0', '1'}) {
                    const std::string key{a, b, c, d};
                    auto it = std::find(lines.begin(), lines.end(), key);
                    bool ok = it != lines.end() && it + 1 != lines.end() && (it + 1)->size() >= 66;
                    for (std::size_t i = 0; ok && i < 66; ++i)
                        ok = (*(it + 1))[i] >= '0' && (*(it + 1))[i] <= '9';
                    if (!ok) throw DataError(std::string(kFormations) + " に布陣 " + key + " がありません");
                }
}

}  // namespace

void newgame(World& w) {
    const std::vector<std::string> names = readTeamNames(w);
    const Bitmap emblems = readEmblems(w);
    checkFormations(w);

    // The user's two weak clubs are made anew; the others keep their players.
    std::array<std::unique_ptr<Tteam>, 2> fresh;
    for (int k = 0; k < 2; ++k) {
        fresh[k] = std::make_unique<Tteam>(w, 15, 1, k);
        fresh[k]->popularity = (k + 1) * 5;
    }
    for (int k = 0; k < 2; ++k) w.teams[k] = std::move(fresh[k]);
    for (auto& l : w.leagues) l.reset();  // a new game starts between seasons
    w.stats.restart(w.kanri.year);

    for (int j = 0; j < kClubCount; ++j) {
        Tteam& club = w.team(j);
        club.emblem = emblems.crop((j % 10) * kEmblemSide, (j / 10) * kEmblemSide, kEmblemSide, kEmblemSide);
        club.name = names[j];
        club.autoselect();
        club.formationload();
        if (j == 0)
            club.coachupdate();  // the user appoints his own coaches
        else
            club.autocoach();
    }
}

}  // namespace vm
