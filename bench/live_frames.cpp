// SPDX-License-Identifier: GPL-3.0-or-later
// The watched match's frame rate on the real clock: opens the match window
// of a prepared match day, lets it play for a while and reports the intervals
// between the frames the driver played (taken from its own clock readings,
// not from paint events), how many came later than 20 ms, how often the
// clock was read, and how much processor time the whole process took
// meanwhile. The sound is off, so no whistle holds play. Run it with a display:
//   xvfb-run -a build/bench/vm_measure_live [seconds=60] [speed=3] [stats]
// With `stats` the statistics panel is shown over the pitch (the S key).
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "league/season.h"
#include "league/tleague.h"
#include "match/tgame.h"
#include "newgameworld.h"
#include "screens/appearance.h"
#include "screens/clock.h"
#include "screens/gamesettings.h"
#include "screens/matchpitch.h"
#include "screens/screenhost.h"
#include "screens/statspanel.h"
#include "screens/tmatch.h"
#include "season/matchdayflow.h"
#include "silentprompts.h"
#include "util/textfile.h"

namespace vm {
namespace {

// The game's clock, noting each reading. A reading after which the match
// stands at another frame (its counter or celebration moved) is the reading
// the driver played that frame at.
class FrameClock : public SystemClock {
public:
    qint64 now() override {
        const qint64 ns = wall_.nsecsElapsed();
        if (match_) {
            ++readings;
            const std::pair<int, int> at{match_->match().counter(), match_->match().game().celebration};
            if (reading_ >= 0 && at != frame_) frames.push_back(reading_);
            frame_ = at;
            reading_ = ns;
        }
        return SystemClock::now();
    }
    void watch(Tmatch* match) {
        match_ = match;
        wall_.start();
    }
    std::vector<qint64> frames;  // in nanoseconds
    long readings = 0;

private:
    QPointer<Tmatch> match_;
    QElapsedTimer wall_;
    std::pair<int, int> frame_{-1, -1};
    qint64 reading_ = -1;
};

double seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

double processorSeconds() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return seconds(r.ru_utime) + seconds(r.ru_stime);
}

std::string loadAverage() {
    QFile f("/proc/loadavg");
    return f.open(QIODevice::ReadOnly) ? f.readLine().trimmed().toStdString() : "unknown";
}

int measure(int playSeconds, int speed, bool statsPanel) {
    NewGameWorld career("live", 7);
    World& world = *career.world;
    seasonstart(world);
    for (auto& l : world.leagues) l->round = 0;
    MatchDayFlow flow(world);
    flow.click();
    flow.toautomatch(false);  // watching: prepared, nothing played
    writeLines(world.path("data/msp.dat"), {std::to_string(speed)});

    GameSettings().setSoundEnabled(false);
    SilentPrompts prompts;
    FrameClock clock;
    ScreenHost host(world, prompts, clock);
    std::printf("load average before: %s\n", loadAverage().c_str());
    QPointer<Tmatch> match = host.openMatch(true);
    if (!match) return 1;
    clock.watch(match);
    if (statsPanel) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier, "s");
        QCoreApplication::sendEvent(match, &press);
        if (!match->statsPanel().isVisible()) {
            std::fprintf(stderr, "the statistics panel did not open\n");
            return 1;
        }
    }

    const double cpuBefore = processorSeconds();
    QElapsedTimer wall;
    wall.start();
    // exit, not quit: quitting would close the match window first.
    QTimer::singleShot(playSeconds * 1000, Qt::PreciseTimer, qApp, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = processorSeconds() - cpuBefore;
    if (!match) {
        std::fprintf(stderr, "the match ended before the measurement did\n");
        return 1;
    }
    const std::vector<qint64>& at = clock.frames;
    std::vector<double> gaps;
    for (std::size_t i = 1; i < at.size(); ++i) gaps.push_back(static_cast<double>(at[i] - at[i - 1]) / 1e6);
    std::sort(gaps.begin(), gaps.end());
    double sum = 0;
    int late = 0;
    for (double g : gaps) {
        sum += g;
        late += g > 20.0;
    }
    const auto pct = [&](double q) {
        return gaps.empty() ? 0.0 : gaps[static_cast<std::size_t>(q * (gaps.size() - 1))];
    };
    std::printf("speed %d%s, %.1f s of play, match clock %d s\n", speed,
                statsPanel ? " with the statistics panel" : "", elapsed, match->match().game().clock);
    std::printf("frames played: %zu; clock read %.0f times a second\n", at.size(),
                static_cast<double>(clock.readings) / elapsed);
    if (!gaps.empty()) {
        std::printf("interval between frames: mean %.2f ms, median %.2f ms, 99th %.2f ms, max %.2f ms\n",
                    sum / static_cast<double>(gaps.size()), pct(0.5), pct(0.99), gaps.back());
        std::printf("frames later than 20 ms: %d of %zu (%.2f %%)\n", late, gaps.size(),
                    100.0 * late / static_cast<double>(gaps.size()));
    }
    std::printf("processor: %.2f s in %.1f s (%.1f %% of one core)\n", cpu, elapsed, 100.0 * cpu / elapsed);
    std::printf("load average after: %s\n", loadAverage().c_str());
    return 0;
}

}  // namespace
}  // namespace vm

int main(int argc, char** argv) {
    // The bench's own settings, so that the player's are neither read nor changed.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    vm::useGameFont();
    const int playSeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const int speed = argc > 2 ? std::atoi(argv[2]) : 3;
    const bool statsPanel = argc > 3 && std::string(argv[3]) == "stats";
    return vm::measure(playSeconds, speed, statsPanel);
}
