// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/replaypitch.h"

#include <QPainter>

#include "season/livecues.h"

namespace vm {

namespace {
constexpr QSize kPitch{640, 480};
}  // namespace

ReplayPitch::ReplayPitch(const World& world, QWidget* parent) : QWidget(parent), pictures_(world) {
    setFixedSize(kPitch);
}

void ReplayPitch::setSides(const std::array<QImage, 2>& emblems) {
    for (int side = 0; side < 2; ++side)
        for (int man = 0; man < 11; ++man)
            shirts_[side][man] = shirtPicture(emblems[side], side, man, devicePixelRatioF());
}

void ReplayPitch::showFrame(const std::optional<PitchPicture>& picture, bool goalCaption) {
    picture_ = picture;
    caption_ = goalCaption;
    update();
}

void ReplayPitch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_)
        drawPitch(p, rect(), pictures_, shirts_, *picture_);
    else
        p.drawImage(rect(), pictures_.pitch);
    if (caption_) {
        QFont f = font();
        f.setPixelSize(48);
        f.setBold(true);
        f.setItalic(true);
        p.setFont(f);
        p.setPen(QColor(0xFF, 0x00, 0x00));
        p.drawText(kGoalCaptionBox, Qt::AlignCenter | Qt::TextDontClip, QString::fromUtf8(kGoalCaption));
    }
}

}  // namespace vm
