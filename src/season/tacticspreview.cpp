// SPDX-License-Identifier: GPL-3.0-or-later
// The formation preview: the attacking movement run over club 0's eleven
// around the steered ball.
#include "season/tacticspreview.h"

#include <cmath>
#include <stdexcept>

#include "match/geometry.h"
#include "match/tatk.h"
#include "util/arith.h"

namespace vm {
namespace {

// How far the ball may roll off the pitch: one pitch beyond each line. The
// men chase it there, and their distances to it must stay well inside the
// whole numbers the movement rules square.
constexpr int kBallMinX = -pitch::kWidth, kBallMaxX = 2 * pitch::kWidth;
constexpr int kBallMinY = -pitch::kHeight, kBallMaxY = 2 * pitch::kHeight;

}  // namespace

Point ballStep(Point at, double direction, double speed) {
    return {limit(at.x + roundEven(std::cos(direction) * speed), kBallMinX, kBallMaxX),
            limit(at.y + roundEven(std::sin(direction) * speed), kBallMinY, kBallMaxY)};
}

void PreviewBall::aim(Point cursor) {
    direction = std::atan2(static_cast<double>(cursor.y - at.y), static_cast<double>(cursor.x - at.x));
    speed = kKickSpeed;
}

void PreviewBall::roll() {
    at = ballStep(at, direction, speed);
}

TacticsPreview::TacticsPreview(Tteam& club) {
    if (club.roster.size() < 11) throw std::logic_error("the preview needs eleven players");
    club.matchteam(men_, false);
    for (int i = 0; i < 11; ++i) club.getplayer(i).games -= 1;

    // The opposing keeper: our own keeper mirrored through the centre spot.
    Tman keeper = static_cast<Tman>(men_[0]);
    keeper.basex = pitch::kWidth - keeper.basex;
    keeper.basey = pitch::kHeight - keeper.basey;
    keeper.x = pitch::kWidth - keeper.x;
    keeper.y = pitch::kHeight - keeper.y;
    keeper.fx = keeper.x;
    keeper.fy = keeper.y;
    opp_[0] = keeper;
}

void TacticsPreview::step(Point ball) {
    Tatk atk(ball);
    for (int i = 0; i < kStepsPerTick; ++i) atk.atkmove(men_, opp_);
}

void TacticsPreview::regroup() {
    for (auto m : men_) {
        m.x = m.basex;
        m.y = m.basey;
        m.fx = m.basex;
        m.fy = m.basey;
    }
}

Point TacticsPreview::markerCorner(int man) const {
    const auto m = men_[man];
    return {m.x - 6, m.y - 6};
}

}  // namespace vm
