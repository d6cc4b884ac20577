#include "screens/replaypitch.h"

#include <QPainter>

#include "screens/pictures.h"

namespace vm {

namespace {
constexpr QSize kPitch{640, 480};
constexpr int kShirtWidth = 12;
constexpr int kShirtHeight = 24;
// Where the live match shows its "GOAL！！".
constexpr QRect kGoalBox{232, 200, 217, 49};
}  // namespace

QImage shirtPicture(const QImage& emblem, int number, int side) {
    QImage shirt(kShirtWidth, kShirtHeight, QImage::Format_RGB32);
    shirt.fill(QColor(0x00, 0x80, 0x00));
    QPainter p(&shirt);
    p.drawImage(QRect(0, 0, kShirtWidth, kShirtWidth), emblem);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(side == 0 ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xFF, 0xFF, 0x00));
    p.drawText(QRect(0, kShirtWidth, kShirtWidth, kShirtHeight - kShirtWidth),
               Qt::AlignCenter | Qt::TextDontClip, QString("%1").arg(number, 2, 10, QChar('0')));
    return shirt;
}

ReplayPitch::ReplayPitch(const World& world, QWidget* parent)
    : QWidget(parent),
      pitch_(loadSkin(world, "pitch.jpg")),
      ball_(loadSkin(world, "ball.png")),
      shadow_(loadSkin(world, "ballshadow.png")) {
    setFixedSize(kPitch);
}

void ReplayPitch::setSides(const std::array<QImage, 2>& emblems) {
    for (int side = 0; side < 2; ++side)
        for (int man = 0; man < 11; ++man) shirts_[side][man] = shirtPicture(emblems[side], man + 1, side);
}

void ReplayPitch::showFrame(const std::optional<PitchPicture>& picture, bool goalCaption) {
    picture_ = picture;
    caption_ = goalCaption;
    update();
}

void ReplayPitch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(rect(), pitch_);
    if (picture_) {
        for (int side = 0; side < 2; ++side)
            for (int man = 0; man < 11; ++man) {
                const Point at = picture_->shirts[side][man];
                p.drawImage(QPoint(at.x, at.y), shirts_[side][man]);
            }
        p.drawImage(QPoint(picture_->shadow.x, picture_->shadow.y), shadow_);
        p.drawImage(QPoint(picture_->ball.x, picture_->ball.y), ball_);
    }
    if (caption_) {
        QFont f = font();
        f.setPixelSize(48);
        f.setBold(true);
        f.setItalic(true);
        p.setFont(f);
        p.setPen(QColor(0xFF, 0x00, 0x00));
        p.drawText(kGoalBox, Qt::AlignCenter | Qt::TextDontClip, "GOAL！！");
    }
}

}  // namespace vm
