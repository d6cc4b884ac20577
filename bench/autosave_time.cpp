// SPDX-License-Identifier: GPL-3.0-or-later
// What an autosave costs on the real clock: the autosave alone (the saved
// game built, read back, written, flushed, renamed and its folder flushed)
// and the hand-over from the news to the main screen (a new main screen
// opened by the host) with "オートセーブ" off and on, each the median of
// many. Runs offscreen, in settings of its own (the player's are untouched):
//   build/bench/vm_measure_autosave [repeats=25]
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "league/autosaves.h"
#include "newgameworld.h"
#include "screens/appearance.h"
#include "screens/clock.h"
#include "screens/gamesettings.h"
#include "screens/screenhost.h"
#include "screens/tmain.h"
#include "season/career.h"
#include "season/newsprogramme.h"
#include "season/simplecoach.h"
#include "silentprompts.h"

namespace vm {
namespace {

template <class Step>
double medianMs(int repeats, Step step) {
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        step();
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

int measure(int repeats) {
    NewGameWorld career("autosave", 5);
    World& world = *career.world;
    SimpleCoach coach;
    if (!playtransferwindow(world, coach)) return 1;
    playnews(world, kAfterTransfers, coach);
    for (int day = 0; day < 5; ++day) playday(world, coach);

    SilentPrompts prompts;
    SystemClock clock;
    ScreenHost host(world, prompts, clock);
    std::printf("autosave alone: median %.2f ms of %d\n", medianMs(repeats, [&] { writeAutosave(world); }),
                repeats);
    GameSettings settings;
    double ms[2] = {0, 0};
    for (bool on : {false, true}) {
        settings.setAutosaveEnabled(on);
        ms[on] = medianMs(repeats, [&] {
            host.openMain();
            QCoreApplication::processEvents();
        });
    }
    std::printf("news -> main screen: median %.2f ms with autosave off, %.2f ms on (%d each)\n", ms[0], ms[1],
                repeats);
    return 0;
}

}  // namespace
}  // namespace vm

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The bench's own settings, so that the player's are neither read nor changed.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    vm::useGameFont();
    return vm::measure(argc > 1 ? std::max(20, std::atoi(argv[1])) : 25);
}
