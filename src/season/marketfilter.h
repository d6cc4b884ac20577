// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer screen's list of players the user can buy, and its narrowing
// by the filter panel ("絞込み") back to the whole list ("初期化").
#pragma once

#include <array>
#include <string>

#include "util/grid.h"

namespace vm {

class Ttrade;

// The choice that filters nothing.
inline constexpr const char* kAllChoice = "ALL";
// The position choice ("攻撃スタイル") and the foot choice ("利き足"), first item the reset.
inline constexpr std::array<const char*, 8> kPositionChoices = {"ALL", "GK", "CB", "DM",
                                                                "OV",  "AM", "SH", "FW"};
inline constexpr std::array<const char*, 3> kFootChoices = {"ALL", "R", "L"};

// A number box of the panel: its range, its arrow step and its reset value,
// at which it filters nothing.
struct SpinRange {
    int low;
    int high;
    int step;
    int reset;
};
// "年齢": keep players of at most this age.
inline constexpr SpinRange kAgeLimit{18, 39, 3, 39};
// "スピード" .. "クロス": keep players with at least this much of the attribute.
inline constexpr SpinRange kAttributeMinimum{0, 85, 5, 0};

// What the filter panel holds. A default value is the panel after "初期化".
struct ListFilter {
    std::string position = kAllChoice;  // one of kPositionChoices
    std::string foot = kAllChoice;      // one of kFootChoices
    int agelimit = kAgeLimit.reset;
    std::array<int, 7> minimum{};  // speed, strength, ball control, shoot, dribble, pass, cross
    bool operator==(const ListFilter&) const = default;
};

// Club 0's candidates (every market row of another owner within its money),
// with position and foot shown as texts. Needs this week's market.
Grid tlistload(const Ttrade& trade);

// Narrows a list from tlistload in the panel's order: the position and foot
// choices, then the age limit (sorted by age ascending and cut from the
// bottom), then each attribute minimum in turn (sorted by it descending and
// cut from the bottom). Stops once no player is left; the headings stay.
// The list is left sorted by the last limit applied.
void narrowlist(Grid& list, const ListFilter& filter);

}  // namespace vm
