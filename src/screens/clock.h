// SPDX-License-Identifier: GPL-3.0-or-later
// The time the screens run on. The game uses the system's monotonic clock;
// the screen tests give a clock that jumps ahead, so that pauses, frame
// timers and the end of a programme never make a test wait.
#pragma once

#include <QObject>
#include <QtGlobal>

#include <chrono>
#include <functional>

namespace vm {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic clock.
    virtual qint64 now() = 0;
    // Holds the thread for `ms` milliseconds (the headless run's short pauses).
    virtual void sleep(int ms) = 0;
    // Runs `fn` from the event loop once `ms` milliseconds have passed, unless
    // `context` is gone by then. The window goes on painting meanwhile.
    virtual void after(int ms, QObject* context, std::function<void()> fn) = 0;
    // Runs `fn` from the event loop once now() reads `due` or more, unless
    // `context` is gone by then: a wake at a due time instead of a poll.
    virtual void at(qint64 due, QObject* context, std::function<void()> fn) = 0;
    // The interval of a timer that polls this clock for frames: 1 ms for the
    // system clock, 0 (every pass of the event loop) for a clock that jumps.
    virtual int pollInterval() const = 0;
};

class SystemClock : public Clock {
public:
    qint64 now() override;
    void sleep(int ms) override;
    void after(int ms, QObject* context, std::function<void()> fn) override;
    // Within about a millisecond of the instant the clock turns to `due`: a
    // precise timer, with no sleep and no spin.
    void at(qint64 due, QObject* context, std::function<void()> fn) override;
    int pollInterval() const override { return 1; }
};

// The whole milliseconds a timer is armed for to fire `left` from now:
// rounded down, but at least one while any time is left, so that a wake a
// hair early never turns into a spin; none for a time already past.
int timerWait(std::chrono::nanoseconds left);

}  // namespace vm
