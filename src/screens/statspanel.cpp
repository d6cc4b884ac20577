// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics panel over the pitch.
#include "screens/statspanel.h"

#include <QPainter>

#include "screens/qtext.h"

namespace vm {

namespace {
constexpr int kLine = 18;
constexpr int kWidth = 220;
}  // namespace

StatsPanel::StatsPanel(QWidget* pitch) : QWidget(pitch) {
    setObjectName("statspanel");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void StatsPanel::setLines(const Lines& lines) {
    if (lines == lines_) return;
    lines_ = lines;
    setGeometry((parentWidget()->width() - kWidth) / 2, 40, kWidth,
                kLine * static_cast<int>(lines_.size()) + 12);
    drawPlate();
    update();
}

void StatsPanel::drawPlate() {
    ++repaints_;
    const qreal ratio = devicePixelRatioF();
    plate_ = QPixmap(size() * ratio);
    plate_.setDevicePixelRatio(ratio);
    plate_.fill(Qt::transparent);
    QPainter p(&plate_);
    p.fillRect(rect(), QColor(0, 0, 0, 150));
    p.setPen(Qt::white);
    QFont f = font();
    f.setPixelSize(12);
    p.setFont(f);
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        const int y = 6 + i * kLine;
        p.drawText(QRect(6, y, 50, kLine), Qt::AlignRight | Qt::AlignVCenter, qstr(lines_[i][1]));
        p.drawText(QRect(60, y, 100, kLine), Qt::AlignCenter, qstr(lines_[i][0]));
        p.drawText(QRect(164, y, 50, kLine), Qt::AlignLeft | Qt::AlignVCenter, qstr(lines_[i][2]));
    }
}

void StatsPanel::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, plate_);
}

}  // namespace vm
