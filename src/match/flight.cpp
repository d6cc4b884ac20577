// SPDX-License-Identifier: GPL-3.0-or-later
// The goalkeeper's forecast of the ball, kept up to date tick by tick.
#include "match/flight.h"

namespace vm {

namespace {

// The parts of a ball that its flight reads.
bool sameFlight(const ballstate& a, const ballstate& b) {
    return a.fx == b.fx && a.fy == b.fy && a.z == b.z && a.vz == b.vz && a.speed == b.speed &&
           a.angle == b.angle && a.spin == b.spin;
}

}  // namespace

Point Lookahead::at(const ballstate& b, const Heading& h) {
    if (valid_) {
        if (!(sameFlight(origin_, b) && originHeading_ == h)) {
            // One tick of flight later: the forecast moves on by one tick too.
            ballstate next = origin_;
            Heading nextHeading = originHeading_;
            advance(next, nextHeading);
            if (sameFlight(next, b) && nextHeading == h) {
                advance(ahead_, aheadHeading_);
                origin_ = b;
                originHeading_ = h;
            } else {
                valid_ = false;
            }
        }
    }
    if (!valid_) {
        origin_ = ahead_ = b;
        originHeading_ = aheadHeading_ = h;
        for (int t = 0; t < kTicks; ++t) advance(ahead_, aheadHeading_);
        valid_ = true;
    }
    return {roundPitch(ahead_.fx), roundPitch(ahead_.fy)};
}

}  // namespace vm
