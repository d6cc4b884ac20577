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

}  // namespace vm
