// SPDX-License-Identifier: GPL-3.0-or-later
// The match's set-up and its tick: the sides' movement by mode, body
// contests, keeping the men on the pitch and handing the ball to the kick.
#include "match/tgame.h"

#include <cmath>

#include "match/scans.h"
#include "match/tatk.h"
#include "match/tdf.h"
#include "match/walks.h"
#include "players/clubworld.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vm {

namespace {

// Every stunned man's count runs down by one; a negative count is left as it
// is, and the spare places stay 0.
void countdown(std::array<Tmteam, 2>& men) {
    for (Tmteam& team : men) {
        for (int& s : team.stun) s -= s > 0;
    }
}

#if defined(__x86_64__)
// Both sides' counts, eight men to an instruction: a lane's "count > 0" is -1
// where it holds, so adding it counts down.
[[gnu::target("avx2")]] void countdownAvx2(std::array<Tmteam, 2>& men) {
    for (Tmteam& team : men) {
        for (int k = 0; k < 16; k += 8) {
            auto* lanes = reinterpret_cast<__m256i*>(team.stun.data() + k);
            const __m256i count = _mm256_load_si256(lanes);
            _mm256_store_si256(lanes,
                               _mm256_add_epi32(count, _mm256_cmpgt_epi32(count, _mm256_setzero_si256())));
        }
    }
}
#else
void countdownAvx2(std::array<Tmteam, 2>& men) {
    countdown(men);
}
#endif

}  // namespace

Tgame::Tgame(ClubWorld& world, int club0, int club1, int home)
    : kick(world.rng), world_(&world), rng_(world.rng), home_(home) {
    world.rng.seed(world.seeds.next());
    club = {club0, club1};
    world.team(club0).matchteam(men[0], home_ == 0);
    world.team(club1).matchteam(men[1], home_ == 1);
    if (world.matchfigures) observer = std::make_unique<MatchObserver>();
    kickoff();
}

Tgame::Tgame(Rng& rng, const Tmteam& side0, const Tmteam& side1, int home)
    : men{side0, side1}, kick(rng), rng_(rng), home_(home) {
    kickoff();
}

Tgame::~Tgame() {
    if (finished_) return;
    try {
        finish();
    } catch (...) {
        // A destructor must not throw; the driver calls finish() to see errors.
    }
}

void Tgame::kickoff() {
    // Both goalkeepers stand on their goal lines; side 1 plays the mirrored spots.
    men[0][0].basex = 0;
    men[1][0].basex = 0;
    for (auto m : men[1]) {
        m.basex = pitch::kWidth - m.basex;
        m.basey = pitch::kHeight - m.basey;
        place(m, m.basex, m.basey);
    }
    mode = {1, 1};
    sublog = {};
    goallist[0].reserve(16);
    goallist[1].reserve(16);
    scorertext.reserve(128);
    // The ball starts just off the spot, rolling along the halfway line.
    ball = ballstate{};
    ball.x = 319;
    ball.y = 239;
    ball.fx = 315.0;
    ball.fy = 235.0;
    ball.speed = 2.0;
    ball.angle = std::atan2(rng_.Random(2) * 2 - 1, 0);
    clock = 0;
    celebration = 0;
}

void Tgame::gamestep(int counter) {
    clock = counter / 10;
    // Each side's movement tells who it left off the pitch; a contest that
    // moves a man makes both sides be looked at again.
    std::array<unsigned, 2> off;
    off[0] = teammove(0);
    off[1] = teammove(1);
    if (mode[0] > 0 && bodycheck()) off = {offpitch(men[0]), offpitch(men[1])};
    keepinpitch(0, off[0]);
    keepinpitch(1, off[1]);
    kick.setup(men[0], men[1], ball);
    kick.ballstep(mode);
    ballcheck();
    if (observer) observer->tick(*this);
}

[[gnu::always_inline]] inline unsigned Tgame::teammove(int side) {
    switch (mode[side]) {
        case 0: return regroup(side);
        case 1: {
            Tdf df(ball, lookahead_, kick.heading());
            return df.dfmove(men[side], men[1 - side]);
        }
        case 2: {
            Tatk atk({ball.x, ball.y});
            return atk.atkmove(men[side], men[1 - side]);
        }
        default: return offpitch(men[side]);
    }
}

unsigned Tgame::regroup(int side) {
    Tmteam& team = men[side];
    const auto keeper = team[0];
    Walks walks;
    if (std::abs(ball.x - keeper.basex) > 99) {
        walks.order(0, keeper.basex, keeper.basey);
    } else {
        walks.order(0, ball.x, ball.y);
    }
    for (int i = 1; i < 11; ++i) walks.order(i, team[i].basex, team[i].basey);
    walks.walk(team);
    return offpitch(team);
}

bool Tgame::bodycheck() {
    // Most ticks nobody meets anybody: one scan over all the pairs finds the
    // men of side 0 who meet somebody, and only they contest.
    const unsigned meeting = meeters(men[0], men[1]);
    const bool moved = meeting != 0 && contests(meeting);
    if (scans::haveAvx2()) {
        countdownAvx2(men);
    } else {
        countdown(men);
    }
    return moved;
}

bool Tgame::contests(unsigned meeting) {
    // A man pushed in a contest meets the next ones from where he landed;
    // when a man of side 1 is pushed the men still to come are asked again.
    bool moved = false;
    while (meeting != 0) {
        const int i = __builtin_ctz(meeting);
        meeting &= meeting - 1;
        auto a = men[0][i];
        if (a.stun != 0) continue;
        bool pushed = false;
        for (int j = 0; j < 11; ++j) {
            auto b = men[1][j];
            if (b.stun != 0 || !menmeet(a, b)) continue;
            const int ra = rng_.Random(a.power);
            const int rb = rng_.Random(b.power);
            // The loser is pulled in by a close contest and pushed off by a clear one.
            if (rb < ra) {
                toward(b, pos(a), (rb - ra) / 2 + 1);
                settle(b);
                pushed = moved = true;
                if (j != 0) b.stun = 45;
            } else if (ra < rb) {
                toward(a, pos(b), (ra - rb) / 2 + 1);
                settle(a);
                moved = true;
                if (i != 0) a.stun = 45;
            }
        }
        if (pushed) meeting = meeters(men[0], men[1]) & ~((2u << i) - 1);
    }
    return moved;
}

void Tgame::keepinpitch(int side, unsigned off) {
    // Every movement has already brought the whole-unit positions up to date;
    // a man whose whole-unit position lies well inside the lines has his exact
    // one inside too, and only a man off the pitch needs putting back.
    for (; off != 0; off &= off - 1) {
        auto m = men[side][__builtin_ctz(off)];
        m.fx = std::clamp(m.fx, double{pitch::kMinX}, double{pitch::kMaxX});
        m.fy = std::clamp(m.fy, double{pitch::kMinY}, double{pitch::kMaxY});
        settle(m);
    }
}

void Tgame::setspots(int side, const std::array<Point, 10>& spots) {
    for (int i = 1; i < 11; ++i) {
        men[side][i].basex = spots[i - 1].x;
        men[side][i].basey = spots[i - 1].y;
    }
}

}  // namespace vm
