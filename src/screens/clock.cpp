// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clock.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

namespace vm {

qint64 SystemClock::now() {
    static const QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

void SystemClock::sleep(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

void SystemClock::after(int ms, QObject* context, std::function<void()> fn) {
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(fn));
}

}  // namespace vm
