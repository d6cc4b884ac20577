// SPDX-License-Identifier: GPL-3.0-or-later
// A clock for screen tests that never waits: pauses only move it on, and
// what should happen later happens on the next pass of the event loop.
#pragma once

#include <QTimer>

#include <algorithm>

#include "screens/clock.h"

namespace vm::test {

class FastClock : public Clock {
public:
    qint64 now() override {
        ++readings;
        return ms += step;
    }
    void sleep(int wait) override {
        ms += wait;
        ++sleeps;
    }
    void after(int wait, QObject* context, std::function<void()> fn) override {
        ms += wait;
        QTimer::singleShot(0, context, std::move(fn));
    }
    void at(qint64 due, QObject* context, std::function<void()> fn) override {
        ms = std::max(ms, due);
        QTimer::singleShot(0, context, std::move(fn));
    }
    int pollInterval() const override { return 0; }

    qint64 ms = 0;
    qint64 step = 1;  // how far each reading moves the clock on
    int sleeps = 0;
    int readings = 0;
};

}  // namespace vm::test
