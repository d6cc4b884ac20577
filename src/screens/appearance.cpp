// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/appearance.h"

#include <QApplication>
#include <QDirIterator>
#include <QFontDatabase>

namespace vm {

void useGameFont() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"Noto Sans CJK JP", "Noto Sans JP", "IPAGothic", "VL Gothic"}) {
        if (installed.contains(family)) {
            QFont f = QApplication::font();
            f.setFamily(family);
            QApplication::setFont(f);
            return;
        }
    }
}

QIcon gameIcon(const World& world) {
    QIcon icon;
    const QString folder = QString::fromStdString(world.shipped("data/icons").string());
    QDirIterator it(folder, {"vellmora2.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) icon.addFile(it.next());
    return icon;
}

}  // namespace vm
