// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clickablelabel.h"

#include <QMouseEvent>

namespace vm {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);  // it shows names
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
    QLabel::mousePressEvent(event);
}

}  // namespace vm
