// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a watched match window's event loop in the screen tests: until a
// condition holds, for a number of drawn frames, or until the window goes.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <functional>

#include <gtest/gtest.h>

#include "screens/matchpitch.h"
#include "screens/tmatch.h"

namespace vm::test {

// A match runs far longer than this many passes of the event loop only when
// it never ends.
inline constexpr long kPassesAtMost = 5'000'000;

// The event loop runs until `done` holds or the window has gone.
inline void runUntil(const QPointer<Tmatch>& m, const std::function<bool()>& done) {
    long passes = 0;
    while (m && !done()) {
        QCoreApplication::processEvents();
        ASSERT_LT(++passes, kPassesAtMost) << "the match does not move on";
    }
}

// Until the pitch has drawn `count` more frames.
inline void frames(const QPointer<Tmatch>& m, int count = 1) {
    for (int k = 0; k < count && m; ++k) {
        const qint64 drawn = m->pitch().frame().cacheKey();
        runUntil(m, [&] { return m->pitch().frame().cacheKey() != drawn; });
    }
}

}  // namespace vm::test
