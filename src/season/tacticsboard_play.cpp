// SPDX-License-Identifier: GPL-3.0-or-later
// The tactics board in motion: the formation preview, and the place swaps
// and the substitution offered while club 0's match is watched.
#include "season/tacticsboard.h"

#include <utility>

#include "league/world.h"
#include "util/arith.h"

namespace vm {

TacticsBoard::PreviewStart TacticsBoard::startPreview() {
    if (preview_) return PreviewStart::stored;
    const bool stored = tacticssave();
    if (club().roster.size() < kStarters) return PreviewStart::tooFewPlayers;
    preview_.emplace(club());
    imgmove();
    return stored ? PreviewStart::stored : PreviewStart::incomplete;
}

const char* TacticsBoard::previewRefusal(PreviewStart start) {
    switch (start) {
        case PreviewStart::stored: return nullptr;
        case PreviewStart::incomplete: return kMembersMissing;
        case PreviewStart::tooFewPlayers: return kSquadTooSmall;
    }
    return nullptr;
}

void TacticsBoard::previewStep() {
    if (!preview_) return;
    preview_->step(ball_.at);
    imgmove();
    ball_.roll();
}

void TacticsBoard::aimBall(Point cursor) {
    if (preview_) ball_.aim(cursor);
}

void TacticsBoard::stopBall() {
    if (preview_) ball_.stop();
}

void TacticsBoard::stopPreview() {
    if (!preview_) return;
    preview_->regroup();
    imgmove();
    preview_.reset();
}

void TacticsBoard::imgmove() {
    for (int man = 0; man < kStarters; ++man) markers_[man].corner = preview_->markerCorner(man);
}

bool TacticsBoard::matchposchange(int n, int row) {
    if (n < 2 || n > 11 || row < 2 || row > 11 || n == row) return false;
    std::swap(markers_[n - 1].corner, markers_[row - 1].corner);
    return true;
}

bool TacticsBoard::matchmenberchange(int n, int row) {
    if (n < 1 || n > kStarters || (row != 12 && row != 13) || !substitution || substituted_) return false;
    const int index = row - 1;
    const Tteam& team = club();
    if (index > team.playerhigh()) return false;
    if (!substitution(n - 1, index)) return false;
    substituted_ = true;
    TacticsMarker& m = markers_[n - 1];
    m.caption = pad(row, 2);
    m.label = team.getplayer(index).name;
    // One substitution a match: the bench leaves the board.
    markers_[11].visible = markers_[12].visible = false;
    return true;
}

}  // namespace vm
