// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of what a player sees, for docs/screens: when VM_SCREENSHOTS
// names a folder, a screen test can leave a picture of a window there
// (scripts/screenshots.sh runs the screen tests under Xvfb for that), its
// name followed by VM_SCREENSHOT_SUFFIX (the scale of a run at 2倍, "-2x").
// Without it nothing is written.
#pragma once

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace vm::test {

inline void screenshot(QWidget* window, const char* name) {
    const QByteArray folder = qgetenv("VM_SCREENSHOTS");
    if (folder.isEmpty() || !window) return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    const QString file = QString(name) + QString::fromLocal8Bit(qgetenv("VM_SCREENSHOT_SUFFIX")) + ".png";
    window->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(file));
}

}  // namespace vm::test
