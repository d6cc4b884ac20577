// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/goalslider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace vm {

namespace {
constexpr int kMarkWidth = 3;
const QColor kMark{0xE0, 0x10, 0x10};
}  // namespace

GoalSlider::GoalSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::NoTicks);
}

void GoalSlider::setGoals(std::vector<int> frames) {
    goals_ = std::move(frames);
    update();
}

int GoalSlider::markX(int frame) const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    return groove.x() + handle.width() / 2 +
           QStyle::sliderPositionFromValue(minimum(), maximum(), frame, span, opt.upsideDown);
}

void GoalSlider::paintEvent(QPaintEvent* event) {
    // The marks go under the handle, so that the handle standing on a goal stays visible.
    {
        QPainter p(this);
        for (int frame : goals_) p.fillRect(markX(frame) - kMarkWidth / 2, 0, kMarkWidth, height(), kMark);
    }
    QSlider::paintEvent(event);
}

}  // namespace vm
