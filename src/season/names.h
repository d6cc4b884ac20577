// SPDX-License-Identifier: GPL-3.0-or-later
// The rule every name the player types must pass: one item of comma text as
// typed, so that it can stand in the game's comma-separated tables and files.
#pragma once

#include <string_view>

namespace vm {

// The refusal of a name with a character the tables cannot hold.
inline constexpr const char* kUnusableName = "使用できない文字を含んでいます";
// The refusal of a name that is too long.
inline constexpr const char* kNameTooLong = "名前が長すぎます";

// True when `text` is exactly one item of comma text as typed: not empty, and
// without a comma, a double quote, a space or any other control character,
// and every character one that code page 932 can store.
bool isOneCommaItem(std::string_view text);

}  // namespace vm
