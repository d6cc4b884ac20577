// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/playercard.h"

#include <algorithm>
#include <stdexcept>

#include "league/world.h"
#include "transfers/offerkey.h"
#include "transfers/ttrade.h"
#include "util/arith.h"

namespace vm {
namespace {

constexpr int kStarters = 11;
constexpr int kBenchEnd = 13;
constexpr int kCareerCols = 6;

// The list a card of club `owner` (99: the pool) finds its player in, or null.
const PlayerList* cardlist(const World& world, int owner) {
    if (owner == kPoolOwner) return world.trade ? &world.trade->pool : nullptr;
    if (owner < 0 || owner >= kClubCount) return nullptr;
    return &world.team(owner).roster;
}

const Tplayer& findplayer(const World& world, int owner, int index) {
    const PlayerList* list = cardlist(world, owner);
    const Tplayer* p = nullptr;
    if (list && index >= 0 && index < static_cast<int>(list->size())) p = (*list)[index].get();
    if (p == nullptr)
        throw std::invalid_argument("その選手はいません: " + std::to_string(owner) + "," +
                                    std::to_string(index));
    return *p;
}

std::string atktype(int at) {
    std::string text = posText(at);
    if (text.starts_with("O")) text += "ER";
    if (text.starts_with("S")) text += "ADOW";
    return text;
}

std::string place(int index) {
    if (index < kStarters) return pad(index + 1, 2);
    return index < kBenchEnd ? kBenchText : kOutOfSquadText;
}

Attrs lastseason(const Tplayer& p) {
    Attrs last{};
    const auto cells = splitCommas(p.growthtext());
    for (std::size_t a = 0; a < last.size() && a < cells.size(); ++a) last[a] = std::stoi(cells[a]);
    return last;
}

// The career text: "/" before every entry, "*" between its cells.
Grid careertable(const World& world, const std::string& career) {
    Grid g(kCareerCols, 1);
    g.setRow(0, kCareerHeading);
    std::size_t at = career.find('/');
    while (at != std::string::npos) {
        const std::size_t next = career.find('/', at + 1);
        const std::string entry = career.substr(at + 1, next == std::string::npos ? next : next - at - 1);
        at = next;
        if (entry.empty()) continue;
        Grid::Row row;
        row.cells.assign(kCareerCols, "");
        std::size_t start = 0;
        for (int c = 0; c < kCareerCols && start <= entry.size(); ++c) {
            const std::size_t star = entry.find('*', start);
            row.cells[c] = entry.substr(start, star == std::string::npos ? star : star - start);
            start = star == std::string::npos ? entry.size() + 1 : star + 1;
        }
        // A club number the world does not know (a damaged record) stays a number.
        std::string& club = row.cells[1];
        if (!club.empty() && club.find_first_not_of("0123456789") == std::string::npos && club.size() <= 2) {
            const int k = std::stoi(club);
            if (k < kClubCount) club = world.team(k).name;
        }
        g.rows().push_back(std::move(row));
    }
    gridsort(g, 0, false);
    return g;
}

}  // namespace

PlayerCard pload(const World& world, int owner, int index) {
    const Tplayer& p = findplayer(world, owner, index);
    PlayerCard card;
    card.owner = owner;
    card.index = index;
    card.player = &p;
    card.key = offerkey(owner, index);
    card.freeagent = owner == kPoolOwner;
    if (!card.freeagent) card.emblem = world.team(owner).emblem;
    card.ability = p.ability;
    card.last = lastseason(p);
    card.condition = p.condition();
    card.leg = p.leg;
    card.identity = {card.freeagent ? std::string(kPoolOwnerName) : world.team(owner).name,
                     p.name,
                     std::to_string(p.age),
                     std::to_string(p.value),
                     atktype(p.at),
                     card.freeagent ? std::string() : place(index),
                     std::to_string(p.games),
                     std::to_string(p.goals),
                     std::to_string(p.assists)};
    card.career = careertable(world, p.career);
    card.careerVisible = !p.career.empty();
    return card;
}

int cardindex(const World& world, const PlayerCard& card) {
    const PlayerList* list = cardlist(world, card.owner);
    if (!list || !card.player) return -1;
    const auto it =
        std::find_if(list->begin(), list->end(), [&](const auto& p) { return p.get() == card.player; });
    return it == list->end() ? -1 : static_cast<int>(it - list->begin());
}

bool showsplayer(const World& world, const PlayerCard& card, int owner, int index) {
    return card.owner == owner && index >= 0 && cardindex(world, card) == index;
}

std::optional<PlayerCard> cardreload(const World& world, const PlayerCard& card) {
    const int index = cardindex(world, card);
    if (index < 0) return std::nullopt;
    return pload(world, card.owner, index);
}

}  // namespace vm
