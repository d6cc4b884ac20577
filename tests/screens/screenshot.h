// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of what a player sees, for docs/screens: when VM_SCREENSHOTS
// names a folder, a screen test can leave a picture of a window there
// (scripts/screenshots.sh runs the screen tests under Xvfb for that).
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
    window->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(QString(name) + ".png"));
}

}  // namespace vm::test
