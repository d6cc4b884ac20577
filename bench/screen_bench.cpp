// SPDX-License-Identifier: GPL-3.0-or-later
// The headless run of a match day as the player sees it: the main screen's
// "ＮＥＸＴ" with "試合を飛ばす", paced as the game paces it (the window
// processes its events after every step and pauses 1 ms every 30), on the
// real clock. Reports the wall time and how often the window repainted.
// Run it with a display (xvfb-run) or QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include "newgameworld.h"
#include "screens/appearance.h"
#include "screens/clock.h"
#include "screens/messageboxprompts.h"
#include "screens/panelbutton.h"
#include "screens/screenhost.h"
#include "screens/tmain.h"
#include "season/career.h"
#include "season/newsprogramme.h"
#include "season/simplecoach.h"

namespace vm {
namespace {

// Counts the paint events of a window and its children.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void BM_HeadlessRunOnScreen(benchmark::State& state) {
    NewGameWorld career("screen", 11);
    World& world = *career.world;
    SimpleCoach coach;
    playtransferwindow(world, coach);
    playnews(world, kAfterTransfers, coach);
    MessageBoxPrompts prompts;
    SystemClock clock;
    ScreenHost host(world, prompts, clock);
    int repaints = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Tmain* main = host.openMain();
        if (!QTest::qWaitForWindowExposed(main)) {
            state.SkipWithError("the main screen never showed");
            break;
        }
        main->findChild<QRadioButton*>("rbskip")->setChecked(true);
        PaintCounter counter;
        for (QWidget* w : main->findChildren<QWidget*>()) w->installEventFilter(&counter);
        state.ResumeTiming();

        QTest::mouseClick(main->findChild<PanelButton*>("Pnext"), Qt::LeftButton);

        state.PauseTiming();
        repaints += counter.paints;
        main->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        playnews(world, kAfterMatchDay, coach);
        state.ResumeTiming();
    }
    state.counters["repaints"] = benchmark::Counter(repaints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_HeadlessRunOnScreen)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
}  // namespace vm

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vm::useGameFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
