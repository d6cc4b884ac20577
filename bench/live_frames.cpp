// SPDX-License-Identifier: GPL-3.0-or-later
// The watched match's frame rate on the real clock: opens the match window
// of a prepared match day, lets it play for a while and reports how often
// the pitch was painted, how many frames came late, and how much processor
// time the whole process took meanwhile. Run it with a display:
//   xvfb-run -a build/bench/vm_measure_live [seconds=60] [speed=3]
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
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
#include "screens/matchpitch.h"
#include "screens/screenhost.h"
#include "screens/tmatch.h"
#include "season/matchdayflow.h"
#include "silentprompts.h"
#include "util/textfile.h"

namespace vm {
namespace {

// The moments the pitch was painted, in nanoseconds.
struct PaintTimes : QObject {
    QElapsedTimer clock;
    std::vector<qint64> at;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) at.push_back(clock.nsecsElapsed());
        return false;
    }
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

int measure(int playSeconds, int speed) {
    NewGameWorld career("live", 7);
    World& world = *career.world;
    seasonstart(world);
    for (auto& l : world.leagues) l->round = 0;
    MatchDayFlow flow(world);
    flow.click();
    flow.toautomatch(false);  // watching: prepared, nothing played
    writeLines(world.path("data/msp.dat"), {std::to_string(speed)});

    SilentPrompts prompts;
    SystemClock clock;
    ScreenHost host(world, prompts, clock);
    std::printf("load average before: %s\n", loadAverage().c_str());
    QPointer<Tmatch> match = host.openMatch(true);
    if (!match) return 1;
    PaintTimes paints;
    paints.clock.start();
    match->pitch().installEventFilter(&paints);

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
    match->pitch().removeEventFilter(&paints);

    std::vector<double> gaps;
    for (std::size_t i = 1; i < paints.at.size(); ++i)
        gaps.push_back(static_cast<double>(paints.at[i] - paints.at[i - 1]) / 1e6);
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
    std::printf("speed %d, %.1f s of play, match clock %d s\n", speed, elapsed, match->match().game().clock);
    std::printf("frames painted: %zu\n", paints.at.size());
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
    QApplication app(argc, argv);
    vm::useGameFont();
    const int playSeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const int speed = argc > 2 ? std::atoi(argv[2]) : 3;
    return vm::measure(playSeconds, speed);
}
