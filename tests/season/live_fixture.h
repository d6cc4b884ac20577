// SPDX-License-Identifier: GPL-3.0-or-later
// A season on its first match day with the match day prepared as for
// watching, and a made-up clock that drives the live match one frame at a
// time, so that tests play whole matches without waiting.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "league/newgame.h"
#include "league/season.h"
#include "league/tleague.h"
#include "league/world.h"
#include "match/tgame.h"
#include "season/livematch.h"
#include "season/matchdayflow.h"
#include "support/scratch.h"
#include "util/textfile.h"

namespace vm::test {

class LiveTest : public ::testing::Test {
protected:
    Scratch scratch;
    std::unique_ptr<World> world = scratch.world(7);
    LiveMatch::Millis now = 0;

    void SetUp() override {
        newgame(*world);
        seasonstart(*world);
        for (auto& l : world->leagues) l->round = 0;
    }

    // The first click of the match day with watching chosen (training,
    // line-ups, preparation; no fixture played).
    void prepare() {
        MatchDayFlow main(*world);
        main.click();
        main.toautomatch(false);
    }

    void speedFile(const std::string& text) { writeBytesAtomic(world->path("data/msp.dat"), text); }

    std::unique_ptr<LiveMatch> open(bool league) {
        auto m = std::make_unique<LiveMatch>(*world, league, now);
        m->idle(now);  // the kick-off picture and whistle
        m->soundEnded();
        return m;
    }

    // The next frame: the clock moves on by one frame's gap.
    LiveMatch::Frame frame(LiveMatch& m, const MarkerCorners* board = nullptr) {
        now += LiveMatch::kFrameGap + 1;
        return m.idle(now, board);
    }

    // Frames until the match is finished, every whistle heard out at once.
    // Returns the frames played.
    int playOut(LiveMatch& m) {
        int played = 0;
        while (!m.finished()) {
            played += frame(m).played;
            if (m.holding()) m.soundEnded();
        }
        return played;
    }

    std::filesystem::path tmp(const std::string& name) const { return world->path("data/tmp/" + name); }
    Tleague& league(int d) { return *world->leagues[d - 1]; }

    static std::vector<CueKind> kinds(const std::vector<Cue>& cues) {
        std::vector<CueKind> k;
        for (const Cue& c : cues) k.push_back(c.kind);
        return k;
    }
};

}  // namespace vm::test
