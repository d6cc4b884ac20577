// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/pitchdrawing.h"

#include "screens/pictures.h"

namespace vm {
namespace {

const QColor kShirtGreen{0x00, 0x80, 0x00};
constexpr QSize kShirt{12, 24};
constexpr int kNumberPixels = 9;

}  // namespace

QImage shirtPicture(const QImage& emblem, int side, const QString& number, qreal ratio) {
    QImage shirt(kShirt * ratio, QImage::Format_RGB32);
    shirt.setDevicePixelRatio(ratio);
    shirt.fill(kShirtGreen);
    QPainter p(&shirt);
    p.drawImage(QRect(0, 0, 12, 12), emblem);
    QFont f = p.font();
    f.setPixelSize(kNumberPixels);
    f.setBold(true);
    f.setStretch(QFont::SemiCondensed);
    p.setFont(f);
    p.setPen(side == 0 ? QColor(Qt::white) : QColor(Qt::yellow));
    p.drawText(QRect(0, 12, 12, 12), Qt::AlignCenter, number);
    return shirt;
}

QImage shirtPicture(const QImage& emblem, int side, int man, qreal ratio) {
    return shirtPicture(emblem, side, QString("%1").arg(man + 1, 2, 10, QChar('0')), ratio);
}

PitchPictures::PitchPictures(const World& world)
    : pitch(loadSkin(world, "pitch.jpg")),
      ball(loadSkin(world, "ball.png")),
      shadow(loadSkin(world, "ballshadow.png")) {}

void drawPitch(QPainter& p, const QRect& area, const PitchPictures& pictures, const SideShirts& shirts,
               const PitchPicture& frame) {
    // The pitch picture is smoothed when the screen enlarges it; the shirts
    // and the ball are pixel art and stay sharp blocks.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(area, pictures.pitch);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QPoint origin = area.topLeft();
    for (int side = 0; side < 2; ++side)
        for (int man = 0; man < 11; ++man) {
            const Point at = frame.shirts[side][man];
            p.drawImage(origin + QPoint(at.x, at.y), shirts[side][man]);
        }
    p.drawImage(origin + QPoint(frame.shadow.x, frame.shadow.y), pictures.shadow);
    p.drawImage(origin + QPoint(frame.ball.x, frame.ball.y), pictures.ball);
}

}  // namespace vm
