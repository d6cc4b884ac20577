// SPDX-License-Identifier: GPL-3.0-or-later
// Renaming a player from his card, which the game allows only between
// seasons outside the transfer window.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "season/names.h"

namespace vm {

class World;
class Prompts;
struct PlayerCard;

inline constexpr const char* kRenameCaption = "選手名変更";
inline constexpr const char* kRenamePrompt = "選手名を入力してください";
// A name must be shorter than this many characters.
inline constexpr std::size_t kNameLimit = 12;

// True between seasons when no transfer window is open.
bool canrename(const World& world);

// Why a typed name cannot be used (the message to show), or nothing when it
// can: it must be one comma-text item that code page 932 can hold, and
// shorter than kNameLimit characters.
std::optional<std::string> playernameproblem(std::string_view name);

// Asks for a new name for roster player `index` of club `club`, prefilled with
// his name, and gives it to him. A refused name is explained and changes
// nothing; a cancelled question changes nothing. True when he was renamed.
// Asks nothing and returns false when renaming is not allowed now.
bool renameplayer(World& world, Prompts& prompts, int club, int index);

// Told when the name on a card is clicked after its player left the club.
inline constexpr const char* kPlayerLeft = "この選手はもうチームにいません";

enum class CardRename {
    renamed,  // the card has been made again with his new name
    kept,     // nothing asked, cancelled or refused: the name stays
    left,     // he is no longer in the card's club (kPlayerLeft was shown)
};
// The name clicked on a card: renames the card's player himself, found where
// he stands now, since his club's roster may have changed order since the
// card was made. Asks nothing when renaming is not allowed now.
CardRename renamefromcard(World& world, Prompts& prompts, PlayerCard& card);

}  // namespace vm
