// SPDX-License-Identifier: GPL-3.0-or-later
// The live match's driver: opening, frames, the end rule, substitutions and
// the booking at the end.
#include "season/livematch.h"

#include <algorithm>
#include <exception>
#include <filesystem>

#include "league/homeside.h"
#include "league/runner.h"
#include "league/world.h"
#include "match/tgame.h"
#include "season/livereplay.h"
#include "util/arith.h"

namespace vm {

namespace {
// From the tick that takes the counter past this the match may end: one
// chance in 50 a tick, about 20 match seconds of added time.
constexpr int kEndFrom = kLiveRegulation + 5;
constexpr int kEndChance = 50;

// The player's match speed, else the default the game ships.
std::filesystem::path speedToRead(const World& world) {
    std::error_code ec;
    const std::filesystem::path own = world.path(kSpeedFile);
    return std::filesystem::exists(own, ec) ? own : world.shipped(kSpeedFile);
}
}  // namespace

void posfromtactics(Tgame& game, const MarkerCorners& corners) {
    std::array<Point, 10> spots;
    for (std::size_t i = 0; i < spots.size(); ++i) spots[i] = {corners[i].x + 6, corners[i].y + 6};
    game.setspots(0, spots);
}

LiveMatch::LiveMatch(World& world, bool league, Millis now)
    : world_(world), league_(league), division_(world.kanri.mydiv), last_(now) {
    const int opponent = useropponent(world, division_);
    if (league_) runningleague(world, 3 - division_);
    std::error_code ec;
    recording_ = std::filesystem::exists(world.path(kReplaySwitch), ec);
    const SpeedSetting setting = readspeed(speedToRead(world));
    speed_ = setting.speed;
    if (!setting.problem.empty())
        warnings_.push_back("試合速度を読めなかったため " + std::to_string(speed_) + " で始めます（" +
                            setting.problem + "）");
    game_ = std::make_unique<Tgame>(world, 0, opponent, homeside(world));
    if (recording_) game_->vtrlist = std::make_unique<std::vector<std::string>>();
    pitch_ = pitchpicture(*game_);
    board_ = openscoreboard(world, *game_);
}

LiveMatch::~LiveMatch() {
    if (finished_) return;
    try {
        finishHeadless();
    } catch (...) {
        // A destructor must not throw; the screen calls finishHeadless() to see errors.
    }
}

LiveMatch::Frame LiveMatch::idle(Millis now, const MarkerCorners* board) {
    Frame f;
    if (!opened_) {
        open(f);
        last_ = now;
        return f;
    }
    if (holding_ || paused_ || over_) return f;
    if (now < last_) {
        last_ = now;  // a clock that went back counts from now
        return f;
    }
    if (now - last_ <= kFrameGap) return f;
    f.played = frame(board, f.cues);
    last_ = now;
    return f;
}

std::optional<LiveMatch::Millis> LiveMatch::nextframe() const {
    if (!opened_) return last_;
    if (holding_ || paused_ || over_) return std::nullopt;
    return last_ + kFrameGap + 1;
}

void LiveMatch::open(Frame& f) {
    opened_ = true;
    f.played = true;
    cue(f.cues, {CueKind::kickoffWhistle});
}

void LiveMatch::soundEnded() {
    if (!holding_) return;
    holding_ = false;
    if (!over_) return;
    finished_ = true;
    savespeed();
}

void LiveMatch::setSpeed(int speed) {
    speed_ = limit(speed, kMinSpeed, kMaxSpeed);
}

bool LiveMatch::menberchange(int slot, int rosterIndex) {
    if (over_ || game_->sublog[0].slot != -1 || rosterIndex < 11 || rosterIndex > 12) return false;
    game_->substitute(0, slot, rosterIndex);
    return game_->sublog[0].slot != -1;
}

void LiveMatch::cue(std::vector<Cue>& cues, Cue c) {
    captions_.apply(c);
    if (holds(c.kind)) holding_ = true;
    cues.push_back(std::move(c));
}

bool LiveMatch::frame(const MarkerCorners* board, std::vector<Cue>& cues) {
    int played = 0;  // ticks this frame
    if (game_->celebration != 0) {
        std::vector<Cue> step;
        celebrationstep(game_->celebration, scoring_, board_.home, game_->scorertext, step);
        for (Cue& c : step) cue(cues, std::move(c));
    } else {
        // A goal does not stop the frame: its remaining ticks are played
        // from the kick-off, and the celebration starts with the next frame.
        const int speed = speed_;
        played = speed;
        for (int k = 0; k < speed; ++k) {
            if (tick()) {
                book();
                cue(cues, {CueKind::finalWhistle});
                return false;
            }
        }
    }
    substitutions(board);
    if (recording_) game_->vtrlist->push_back(game_->celebration != 0 ? "g" : vtrline(*game_));
    draw(cues);
    if (recording_) {
        const int line = static_cast<int>(game_->vtrlist->size()) - 1;
        notewatched(notes_, line, played, *game_, board_, pitch_, cues);
    }
    return true;
}

bool LiveMatch::tick() {
    game_->gamestep(counter_);
    if (league_) {
        matchday(world_, division_, false, counter_);
        matchday(world_, 3 - division_, true, counter_);
    }
    counter_ += 4;
    if (counter_ > kEndFrom && world_.Random(kEndChance) == 0) over_ = true;
    return over_;
}

void LiveMatch::substitutions(const MarkerCorners* board) {
    if (board != nullptr) {
        posfromtactics(*game_, *board);
    } else {
        game_->autosub(0);
    }
    game_->autosub(1);
}

void LiveMatch::draw(std::vector<Cue>& cues) {
    // During a celebration the picture and the scoreboard stay as they were.
    if (game_->celebration != 0) {
        game_->ball.postflag = false;
        return;
    }
    if (game_->ball.postflag) {
        cue(cues, {CueKind::postSound});
        game_->ball.postflag = false;
    }
    pitch_ = pitchpicture(*game_);
    updatescoreboard(board_, *game_, cues);
}

void LiveMatch::finishHeadless() {
    opened_ = true;
    if (!over_) givenup_ = true;
    // Without frames the automatic rule runs after every tick, as in the
    // fixtures played without a view; nobody moves the formation any more.
    while (!over_) {
        if (tick()) break;
        game_->autosub(0);
        game_->autosub(1);
    }
    book();
    holding_ = false;
    finished_ = true;
    savespeed();
}

void LiveMatch::book() {
    // The match first (bench bookkeeping and goal files), then its goals and
    // its result, each once; a step that failed is taken again next time.
    if (booked_ == Booked::nothing) {
        game_->finish();
        booked_ = Booked::match;
    }
    if (booked_ == Booked::match) {
        goalfile(world_, division_, 0);
        booked_ = Booked::goals;
    }
    if (booked_ == Booked::goals) {
        matchend(world_, division_, 0);
        if (league_) bookfigures(world_, division_, 0, *game_);
        booked_ = Booked::table;
    }
    if (booked_ != Booked::table) return;
    booked_ = Booked::all;
    // What is left only keeps things for later; failing it costs no result.
    if (recording_) {
        try {
            writereplay(world_, *game_, speed_);
            joinresults(world_, division_);
        } catch (const std::exception& e) {
            warnings_.push_back(std::string("リプレイを保存できませんでした（") + e.what() + "）");
        }
    }
    savespeed();
}

void LiveMatch::savespeed() {
    if (speed_ == savedSpeed_) return;
    // A speed that could not be written is told once, not at every try.
    savedSpeed_ = speed_;
    try {
        writespeed(world_.path(kSpeedFile), speed_);
    } catch (const std::exception& e) {
        warnings_.push_back(std::string("試合速度を保存できませんでした（") + e.what() + "）");
    }
}

}  // namespace vm
