// SPDX-License-Identifier: GPL-3.0-or-later
// The player card's contents: everything the card window draws for one
// player, and how a card finds its player again. The offers made and
// answered on a card are season/offeranswers.h.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "players/tplayer.h"
#include "util/bitmap.h"
#include "util/grid.h"

namespace vm {

class World;

inline constexpr std::array<const char*, 7> kAttributeNames = {"Speed",  "Strength", "ballContorol", "Shoot",
                                                               "Drible", "Pass",     "Cross"};
inline constexpr std::array<const char*, 9> kIdentityNames = {"Team",     "Name",  "Age",  "Value", "Atktype",
                                                              "Position", "Games", "Goal", "Asist"};
// The rows of the identity table.
enum IdentityRow {
    kCardTeam,
    kCardName,
    kCardAge,
    kCardValue,
    kCardAtktype,
    kCardPlace,
    kCardGames,
    kCardGoals,
    kCardAssists,
};
inline constexpr const char* kCareerHeading = "Year,Team,Trade,Game,Gol,Asi";
// Drawn instead of an emblem for a player of no club.
inline constexpr const char* kNoClubMark = "無";
inline constexpr const char* kBenchText = "ベンチ";
inline constexpr const char* kOutOfSquadText = "ベンチ外";

struct PlayerCard {
    int owner = 0;  // club number, 99 for a free agent
    int index = 0;  // roster index, or pool index for a free agent, as the card was made
    // The player himself. A roster's order changes while his card is open
    // (the coach's line-up, a stored line-up, a team-mate made coach), so the
    // card finds him by this, never by `index`. Only compared: he may have
    // left the club, and then nothing may be read through it.
    const Tplayer* player = nullptr;
    std::string key;         // the offer key "TT,PPP"
    bool freeagent = false;  // true: "無" in place of the emblem
    Bitmap emblem;           // the owner's emblem; empty for a free agent
    Attrs ability{};         // the red bars
    Attrs last{};            // last season's values: the blue strips
    int condition = 0;       // above 0 magenta, below 0 teal, else cream
    int leg = -1;            // -1: the right foot shape is red, 1: the left
    // The identity table's values in the order of kIdentityNames: owner name
    // (or "無所属"), name, age, value, position type with "ER"/"ADOW" for
    // OVER/SHADOW, place in the line-up ("01".."11", "ベンチ", "ベンチ外",
    // empty for a free agent), games, goals, assists.
    std::array<std::string, 9> identity;
    // Heading kCareerHeading, one row per season or move, latest year first,
    // club numbers shown as club names.
    Grid career;
    bool careerVisible = false;
};

// The card of roster player `index` of club `owner`, or of free agent
// `index` when the owner is 99 (only while a transfer window is open).
// Throws std::invalid_argument when there is no such player.
PlayerCard pload(const World& world, int owner, int index);

// Where the card's player stands now: his index in the roster of the card's
// club (in the window's pool for a free agent), or -1 when he is no longer
// there (made coach, gone with the window, another world loaded).
int cardindex(const World& world, const PlayerCard& card);
// True when `card` shows roster player `index` of club `owner` (99: free
// agent `index`) as they stand now, wherever he stood when it was made.
bool showsplayer(const World& world, const PlayerCard& card, int owner, int index);
// The card made again where its player stands now (his place in the line-up
// may have changed, or his name); nothing when he has left the card's club.
std::optional<PlayerCard> cardreload(const World& world, const PlayerCard& card);

}  // namespace vm
