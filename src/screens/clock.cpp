// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clock.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace vm {

void Clock::at(qint64 due, QObject* context, std::function<void()> fn) {
    after(static_cast<int>(std::clamp<qint64>(due - now(), 0, std::numeric_limits<int>::max())), context,
          std::move(fn));
}

namespace {
const QElapsedTimer& started() {
    static const QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock;
}
}  // namespace

qint64 SystemClock::now() {
    return started().elapsed();
}

void SystemClock::sleep(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

void SystemClock::after(int ms, QObject* context, std::function<void()> fn) {
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(fn));
}

void SystemClock::at(qint64 due, QObject* context, std::function<void()> fn) {
    // A timer counts whole milliseconds from when it is started and the event
    // loop rounds its wait up, so one aimed at `due` lands up to two
    // milliseconds after it. Aimed one early, it sleeps what is left (never
    // more than about a millisecond) and runs `fn` as the clock turns to `due`.
    const qint64 wait = std::max<qint64>(0, due - now() - 1);
    QTimer::singleShot(static_cast<int>(std::min<qint64>(wait, std::numeric_limits<int>::max())),
                       Qt::PreciseTimer, context, [due, fn = std::move(fn)] {
                           constexpr qint64 kMostNs = 2'000'000;
                           const qint64 left = std::min(due * 1'000'000 - started().nsecsElapsed(), kMostNs);
                           if (left > 0) QThread::usleep(static_cast<unsigned long>(left / 1000 + 1));
                           fn();
                       });
}

}  // namespace vm
