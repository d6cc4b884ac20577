// SPDX-License-Identifier: GPL-3.0-or-later
// Renaming clubs, loading emblems and appointing coaches from the main screen.
#include "season/clubedits.h"

#include <string>

#include "league/tleague.h"
#include "league/world.h"
#include "season/names.h"
#include "util/bitmap.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {

bool betweenseasons(const World& world) {
    return !world.leagues[0] && !world.leagues[1];
}

bool renameclub(World& world, Prompts& prompts, int club) {
    if (!betweenseasons(world)) return false;
    Tteam& team = world.team(club);
    const auto answer = prompts.input("チーム名変更", "チーム名を入力してください", team.name);
    if (!answer || *answer == team.name) return false;
    if (!isOneCommaItem(*answer)) {
        prompts.message(kUnusableName);
        return false;
    }
    // A division copies the names when a season starts and refuses longer ones.
    if (answer->size() > kMaxStoredNameBytes) {
        prompts.message(kNameTooLong);
        return false;
    }
    team.name = *answer;
    return true;
}

void loademblem(World& world, int club, const std::filesystem::path& file) {
    const std::string bytes = readBytes(file);  // DataError names the file
    Bitmap picture;
    try {
        picture = decodeBmp(bytes);
    } catch (const FormatError& e) {
        throw DataError(file.generic_string() + " を読み込めません（" + e.what() + "）");
    }
    world.team(club).emblem = picture.crop(0, 0, kEmblemSide, kEmblemSide);
}

bool changeemblem(World& world, Prompts& prompts, int club) {
    const auto file = prompts.openFile("エンブレム", {}, kEmblemFilter);
    if (!file) return false;
    try {
        loademblem(world, club, *file);
    } catch (const DataError& e) {
        prompts.error(e.what());
        return false;
    }
    return true;
}

bool appointcoach(World& world, Prompts& prompts, int index, int slot) {
    Tteam& club = world.team(0);
    if (!betweenseasons(world) || world.trade || index < 0 || index > club.playerhigh()) return false;
    if (club.roster.size() <= 11) {
        prompts.message(kSquadTooSmall);
        return false;
    }
    const Tplayer& player = club.getplayer(index);
    if (!prompts.askOkCancel(player.name + "を引退させ、コーチ" + std::to_string(slot) +
                             "にします。よろしいですか"))
        return false;
    if (player.value == 0) {
        prompts.message(player.name + "はコーチ就任を拒否しました");
        return false;
    }
    return club.coachset(index, slot);
}

}  // namespace vm
