// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/playerrename.h"

#include "league/world.h"
#include "season/playercard.h"
#include "season/prompts.h"
#include "util/cp932.h"

namespace vm {

bool canrename(const World& world) {
    return !world.leagues[0] && !world.leagues[1] && !world.trade;
}

std::optional<std::string> playernameproblem(std::string_view name) {
    if (!isOneCommaItem(name)) return kUnusableName;
    if (codePoints(name) >= kNameLimit) return kNameTooLong;
    return std::nullopt;
}

bool renameplayer(World& world, Prompts& prompts, int club, int index) {
    if (!canrename(world) || club < 0 || club >= kClubCount) return false;
    Tteam& owner = world.team(club);
    if (index < 0 || index >= static_cast<int>(owner.roster.size())) return false;
    Tplayer& player = owner.getplayer(index);
    const auto answer = prompts.input(kRenameCaption, kRenamePrompt, player.name);
    if (!answer) return false;
    if (const auto problem = playernameproblem(*answer)) {
        prompts.message(*problem);
        return false;
    }
    player.name = *answer;
    return true;
}

CardRename renamefromcard(World& world, Prompts& prompts, PlayerCard& card) {
    if (!canrename(world)) return CardRename::kept;
    const int index = cardindex(world, card);
    if (index < 0) {
        prompts.message(kPlayerLeft);
        return CardRename::left;
    }
    if (!renameplayer(world, prompts, card.owner, index)) return CardRename::kept;
    card = pload(world, card.owner, index);
    return CardRename::renamed;
}

}  // namespace vm
