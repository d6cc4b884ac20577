// SPDX-License-Identifier: GPL-3.0-or-later
// The coach's automatic line-up: a fixed sequence of stable table sorts that
// picks a player for each of the eleven slots and the two bench places.
#include <string>
#include <string_view>

#include "players/tteam.h"
#include "util/grid.h"

namespace vm {
namespace {

// Columns of the work table (the roster table without Name and Age).
enum Col {
    kSlot = 0,
    kAt = 1,
    kSpe = 2,
    kStr = 3,
    kCtl = 4,
    kSho = 5,
    kDri = 6,
    kPas = 7,
    kCro = 8,
    kD = 9,   // Spe + Str + Pas
    kA = 10,  // Spe + Str + Ctl + Sho + Dri
    kK = 11,  // Spe + Ctl
    kW = 12,  // Dri + Cro
    kCondition = 13,
};

// An unassigned player's slot cell: the sorts count a single space as 999999,
// above every slot number.
constexpr std::string_view kUnassigned = " ";

enum class Group { AtAscending, AtDescending, AtUpTo3First, AtFrom4First, AtUpTo1First, None };

void groupSort(Grid& g, Group rule) {
    switch (rule) {
        case Group::AtAscending: gridsort(g, kAt, true); break;
        case Group::AtDescending: gridsort(g, kAt, false); break;
        case Group::AtUpTo3First: gridsortover(g, 3, kAt, true); break;
        case Group::AtFrom4First: gridsortover(g, 3, kAt, false); break;
        case Group::AtUpTo1First: gridsortover(g, 1, kAt, true); break;
        case Group::None: break;
    }
}

// Among the unassigned players, the first by the group rule, then by the score
// (highest first), then by the order the earlier sorts left, gets the slot.
// When every player already has a place (a roster of fewer than thirteen),
// nobody is moved.
void pick(Grid& g, int slot, int score, Group rule) {
    gridsort(g, score, false);
    groupSort(g, rule);
    gridsort(g, kSlot, false);
    if (g.rowCount() > 1 && g.cell(kSlot, 1) == kUnassigned) g.cell(kSlot, 1) = std::to_string(slot);
}

bool anyUnassigned(const Grid& g) {
    for (int r = 1; r < g.rowCount(); ++r)
        if (g.cell(kSlot, r) == kUnassigned) return true;
    return false;
}

// Rewrites a roster row into the work row: attributes shifted by 5 toward the
// sign of the condition, the four scores, the slot cell unassigned.
void prepareRow(Grid& g, int r) {
    const int condition = std::stoi(g.cell(kCondition, r));
    const int shift = condition > 0 ? 5 : condition < 0 ? -5 : 0;
    int a[7];
    for (int k = 0; k < 7; ++k) {
        a[k] = std::stoi(g.cell(kSpe + k, r)) + shift;
        g.cell(kSpe + k, r) = std::to_string(a[k]);
    }
    const int spe = a[0], str = a[1], ctl = a[2], sho = a[3], dri = a[4], pas = a[5], cro = a[6];
    g.cell(kSlot, r).assign(kUnassigned.size(), kUnassigned[0]);
    g.cell(kD, r) = std::to_string(spe + str + pas);
    g.cell(kA, r) = std::to_string(spe + str + ctl + sho + dri);
    g.cell(kK, r) = std::to_string(spe + ctl);
    g.cell(kW, r) = std::to_string(dri + cro);
}

}  // namespace

void Tteam::autoselect() {
    if (roster.empty()) return;
    Grid g;
    rostergrid(g, {2, 1});  // without Age and Name, with player references
    for (int r = 1; r < g.rowCount(); ++r) prepareRow(g, r);

    gridsort(g, kA, true);
    pick(g, 0, kK, Group::AtAscending);
    pick(g, 4, kD, Group::AtUpTo3First);
    gridsort(g, kAt, true);
    gridsort(g, kSlot, false);
    pick(g, 3, kStr, Group::AtUpTo3First);
    pick(g, 5, kStr, Group::AtUpTo1First);
    pick(g, 8, kSho, Group::AtDescending);
    pick(g, 9, kA, Group::AtFrom4First);
    pick(g, 2, kSpe, Group::AtUpTo3First);
    pick(g, 1, kD, Group::AtUpTo3First);
    pick(g, 10, kSpe, Group::AtFrom4First);
    pick(g, 6, kW, Group::AtFrom4First);
    pick(g, 7, kA, Group::None);  // the best remaining all-rounder
    if (anyUnassigned(g)) pick(g, 11, kA, Group::AtFrom4First);
    if (anyUnassigned(g)) pick(g, 12, kD, Group::AtUpTo3First);
    gridsort(g, kSlot, true);
    rosterfromgrid(g);
}

}  // namespace vm
