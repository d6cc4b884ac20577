// SPDX-License-Identifier: GPL-3.0-or-later
// The rules at the pitch's edges: throw-ins, the goal line (goal, post and
// bar, goal kick, corner), the restart positions and the goal record.
#include <cmath>
#include <string>

#include "match/tgame.h"
#include "players/clubworld.h"

namespace vm {

void Tgame::ballcheck() {
    if (ball.x > 630) goallinecheck(1, 0);
    if (ball.x <= 9) goallinecheck(0, 1);
    if (ball.y > 9 && ball.y < 471) return;
    // Throw-in from the touch line where the ball went out.
    ball.speed = 0;
    ball.y = (ball.y / 470) * 460 + 10;
    ball.fy = ball.y;
    for (int s = 0; s < 2; ++s) {
        if (s == kick.last.side) {
            restartpos(1 - s);
            throwins[1 - s] += 1;
        }
    }
    mode = {1, 1};
}

void Tgame::goallinecheck(int keeperside, int attacking) {
    const auto keeper = men[keeperside][0];
    enum { goal, post, out } result;
    if (ball.z >= 13.5) {
        result = ball.z <= 14.5 && ball.y >= 216 && ball.y <= 264 ? post : out;  // the bar
    } else if ((ball.y >= 210 && ball.y <= 212) || (ball.y >= 268 && ball.y <= 270)) {
        result = post;
    } else if (ball.y >= 213 && ball.y <= 267) {
        result = goal;
    } else {
        result = out;
    }

    if (result == goal) {
        goalrecord(attacking);
        kick.last = {};
        kick.prev = {};
        ball.x = 319;
        ball.y = 239;
        ball.fx = 319;
        ball.fy = 239;
        mode = {1, 1};
        allToSpots();
        // The restart rolls toward the conceding side's own goal.
        ball.angle = std::atan2(0, keeper.basex - 320);
        ball.speed = 2.0;
        ball.vz = 0;
    } else if (result == post) {
        ball.postflag = true;
        ball.speed = std::max(ball.speed, 0.8);
        ball.angle = kPi - ball.angle;
    } else {
        ball.speed = 0;
        // The corner is taken on the side where the ball crossed the line.
        const int crossed = std::clamp(ball.y, 0, pitch::kHeight - 1);
        const Point spot = pointtoward(base(keeper), pitch::kCentre, 20);
        ball.x = spot.x;
        ball.y = spot.y;
        ball.fx = spot.x;
        ball.fy = spot.y;
        if (kick.last.side == attacking) {
            allToSpots();  // goal kick: the modes stay as they are
            goalkicks[keeperside] += 1;
        } else {
            ball.y = (crossed / 240) * 460 + 10;
            ball.fy = ball.y;
            restartpos(attacking);
            mode = {1, 1};
            corners[attacking] += 1;
        }
    }
}

void Tgame::allToSpots() {
    for (Tmteam& team : men) {
        for (auto m : team) {
            place(m, m.basex, m.basey);
            m.stun = 0;
        }
    }
}

void Tgame::restartpos(int kicking) {
    for (int s = 0; s < 2; ++s) {
        Tmteam& team = men[s];
        const int shiftx = s == kicking ? (ball.x - team[0].basex) / 2 : (ball.x - 320) / 2;
        for (int i = 0; i < 11; ++i) {
            auto m = team[i];
            m.stun = 0;
            if (i == 0) {
                place(m, m.basex, m.basey);
            } else {
                place(m, m.basex + shiftx, m.basey + (ball.y - 240) / 4);
            }
        }
    }
    // The nearest man of the kicking side takes the ball.
    Tmteam& team = men[kicking];
    int taker = 0;
    int best = distance2(team[0].x, team[0].y, ball.x, ball.y);
    for (int i = 1; i < 11; ++i) {
        const int d = distance2(team[i].x, team[i].y, ball.x, ball.y);
        if (d < best) {
            best = d;
            taker = i;
        }
    }
    place(team[taker], ball.x, ball.y);
}

int Tgame::mancode(int side, int man) const {
    return sublog[side].slot == man ? sublog[side].index : man;
}

void Tgame::creditsub(int side, int man) {
    if (sublog[side].slot != man || world_ == nullptr) return;
    world_->team(club[side]).getplayer(sublog[side].index).formdelta += 1;
}

void Tgame::goalrecord(int scoring) {
    const int s = scoring;
    std::string line = pad(minute(), 2);
    celebration = 70 + s;
    bool owngoal = false;
    if (kick.last.side != s) {
        if (mode[1 - s] == 2) {
            owngoal = true;
        } else {
            // The conceding side only touched it on the way: the scoring side's
            // previous man on the ball gets the goal.
            kick.last = kick.prev;
            kick.prev = {-1, 0};
            // Nobody of the scoring side had it before either: it went in off
            // the conceding side alone.
            owngoal = kick.last.side != s;
        }
    }
    if (owngoal) {
        line += "99";
        scorertext = "Own Goal";
        goallist[s].push_back(line);
        return;
    }

    const int scorer = kick.last.man;
    const auto sm = men[s][scorer];
    const int code = mancode(s, scorer);
    scorertext.clear();
    if (code != scorer) {
        scorertext += std::to_string(code + 1);
        line += std::to_string(code);
        creditsub(s, scorer);
    } else {
        scorertext += pad(scorer + 1, 2);
        line += pad(scorer, 2);
    }
    scorertext += sm.name;

    // The commentary is built in place: it has room for any line.
    kick.commentary.clear();
    if (kick.prev.side == s) {
        const int helper = kick.prev.man;
        const auto hm = men[s][helper];
        const int hcode = mancode(s, helper);
        if (hcode != helper) {
            line += std::to_string(hcode);
            creditsub(s, helper);
        } else {
            line += pad(helper, 2);
        }
        kick.commentary += pad(helper + 1, 2);
        kick.commentary += hm.name;
        kick.commentary += "のアシストから";
    }
    kick.commentary += scorertext;
    kick.commentary += "が決めた";
    goallist[s].push_back(line);
}

}  // namespace vm
