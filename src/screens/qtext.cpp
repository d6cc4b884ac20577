// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qtext.h"

namespace vm {

QLabel* plateLabel(const QString& text, QRect geometry, QWidget* parent, const QColor& plate, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setStyleSheet(
        QString("QLabel { color: #fffbf0; background: rgba(%1, %2, %3, %4); border-radius: 3px;"
                " padding: 0 4px;%5 }")
            .arg(plate.red())
            .arg(plate.green())
            .arg(plate.blue())
            .arg(plate.alpha())
            .arg(bold ? " font-weight: bold;" : ""));
    return label;
}

}  // namespace vm
