// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clock.h"

#include <QThread>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace vm {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;
using std::chrono::steady_clock;

namespace {

steady_clock::time_point started() {
    static const steady_clock::time_point origin = steady_clock::now();
    return origin;
}

qint64 elapsedMs() {
    return std::chrono::duration_cast<milliseconds>(steady_clock::now() - started()).count();
}

// Arms a single shot that finds now() at `due` or later. A timer counts
// whole milliseconds, and the event loop rounds what is left of it up again
// when it goes to sleep, after the frame just played is painted: a wait
// rounded up would land up to two milliseconds after the clock turns to
// `due`. Rounded down it lands within a millisecond of it, and a wake that
// came early arms another single shot for the rest.
void wakeAt(qint64 due, QObject* context, std::function<void()> fn) {
    const nanoseconds left = started() + milliseconds(due) - steady_clock::now();
    QTimer::singleShot(
        timerWait(left), Qt::PreciseTimer, context, [due, context, fn = std::move(fn)]() mutable {
            if (elapsedMs() < due)
                wakeAt(due, context, std::move(fn));  // woken early: wait for the rest, not spin
            else
                fn();
        });
}

}  // namespace

int timerWait(nanoseconds left) {
    if (left <= nanoseconds::zero()) return 0;
    const auto ms = std::chrono::floor<milliseconds>(left).count();
    return static_cast<int>(std::clamp<std::int64_t>(ms, 1, std::numeric_limits<int>::max()));
}

qint64 SystemClock::now() {
    return elapsedMs();
}

void SystemClock::sleep(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

void SystemClock::after(int ms, QObject* context, std::function<void()> fn) {
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(fn));
}

void SystemClock::at(qint64 due, QObject* context, std::function<void()> fn) {
    wakeAt(due, context, std::move(fn));
}

}  // namespace vm
