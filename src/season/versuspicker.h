// SPDX-License-Identifier: GPL-3.0-or-later
// The versus picker without the screen: the versus files in a list, the club
// each side plays with, chosen from a file, and the start of the match
// between them. The screen draws grid() and the two sides and forwards its
// presses and the confirm.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "league/versus.h"
#include "season/newsprogramme.h"
#include "util/bitmap.h"
#include "util/grid.h"

namespace vm {

class World;
class Prompts;
class Tteam;

// The heading of the file list.
inline constexpr const char* kVersusListHeading = "←,VSdata,→";
// The mark of the file a versus side plays with, in column 0 (left) or 2 (right).
inline constexpr const char* kSideMark = "○";
inline constexpr const char* kNoSideText = "チームが選択されていません";
// The confirm button.
inline constexpr const char* kPlayVersusText = "対戦";

// A versus side's roster table: Name, Age, AT, Spe, Str, Ctl, Sho, Dri, Pas,
// Cro, Leg, the condition figure and the roster index. Rows 1 to 11 are the
// starting eleven; the condition figure colours the row.
inline constexpr int kSideColumns = 13;
inline constexpr int kSideConditionCol = 11;

// What the versus match needs to open: club 0 against club 1 in fixture 0 of
// Division 2 on match day 18 (no home side). No tactics board goes with it, so
// it is not a league match: the other fixtures of the match day are not
// played, and the news that follows (the versus programme) reads only this one.
struct VersusMatch {
    int division = 2;
    int fixture = 0;
    int home = 0;  // side 0: the left club
    int away = 1;  // side 1: the right club
    int round = kVersusRound;
    bool isLeagueMatch = false;
    int newsStart = kAfterVersus;  // the versus programme, which ends on the title screen
};

// One side of a versus match as the screen shows it (side 0 left, side 1 right).
struct VersusSide {
    bool chosen = false;  // false: the side's emblem, box and table are hidden
    int row = 0;          // the list row marked "○" for this side
    std::string file;     // the versus file's name without ".dat"
    std::string name;     // the club's name: the box's first line
    std::string comment;  // the file's comment: the box's second line
    Bitmap emblem;
    Grid roster;  // kSideColumns columns, positions by name, feet by letter
};

class VersusPicker {
public:
    // Lists the versus files by name.
    VersusPicker(World& world, Prompts& prompts);
    ~VersusPicker();
    VersusPicker(const VersusPicker&) = delete;
    VersusPicker& operator=(const VersusPicker&) = delete;

    // With no versus file there is nothing to choose: the screen closes as
    // soon as it opens, without a message.
    bool closesAtOnce() const { return grid_.rowCount() == 1; }
    // The file list: "←,VSdata,→" with the names in column 1 and the sides'
    // marks beside them.
    const Grid& grid() const { return grid_; }
    const VersusSide& side(int s) const { return sides_.at(static_cast<std::size_t>(s)); }

    // A press in column 0 or 2 chooses that side's club from the row's file
    // (a file that cannot be read is refused with its message, the side stays
    // as it was); column 1 and the heading do nothing.
    void press(int col, int row);
    // "対戦": both clubs take the places of clubs 0 and 1 and the season is
    // set up for the match; nothing (and a message) while a side is missing.
    std::optional<VersusMatch> confirm();

private:
    void chooseSide(int s, int row);

    World& world_;
    Prompts& prompts_;
    Grid grid_;
    std::array<VersusSide, 2> sides_;
    // The clubs the sides will play with; they take the places of clubs 0 and
    // 1 only when the match starts, so leaving the screen changes nothing.
    std::array<std::unique_ptr<Tteam>, 2> clubs_;
};

}  // namespace vm
