// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen test starts from: a scratch folder with the game's data, a
// world with a fixed seed, scripted prompts, a clock that never waits and the
// host that opens the screens, and the game's settings at their defaults.
// Screens left open are released afterwards, and every table a test looks
// at is checked for cut headings and values.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

#include "fastclock.h"
#include "table_check.h"
#include "screens/gamesettings.h"
#include "screens/screenhost.h"
#include "support/scratch.h"
#include "support/scripted_prompts.h"

namespace vm::test {

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest() { GameSettings().clear(); }

    Scratch scratch;
    std::unique_ptr<World> world = scratch.world(7, false);
    ScriptedPrompts prompts;
    FastClock clock;
    std::unique_ptr<ScreenHost> host = std::make_unique<ScreenHost>(*world, prompts, clock);

    void TearDown() override {
        host.reset();
        // Anything else a failed check left open must not leak into the next test.
        QList<QPointer<QWidget>> open;
        for (QWidget* w : QApplication::topLevelWidgets()) open.append(w);
        for (const QPointer<QWidget>& w : open) delete w.data();
    }

    // Lets closed screens go and pending events run.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class T>
    static T* child(QObject* parent, const char* name) {
        T* found = parent->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        // Every table a test looks at shows its headings and values whole.
        if constexpr (std::is_base_of_v<GridView, T>) expectWholeColumns(found);
        return found;
    }
};

}  // namespace vm::test
