// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/backdrop.h"

#include <QPainter>

namespace vm {

Backdrop::Backdrop(QImage picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {}

void Backdrop::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), picture_);
}

}  // namespace vm
