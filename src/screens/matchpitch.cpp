// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/matchpitch.h"

#include <QLabel>
#include <QPainter>

#include "league/world.h"
#include "screens/pictures.h"

namespace vm {
namespace {

const QColor kBackground{0x00, 0x99, 0x00};
const QColor kSilver{0xC0, 0xC0, 0xC0};
const QRect kScorerBox{200, 288, 250, 27};

// Puts `label` centred on `box`, widened about its centre when the text
// needs more room than the box gives.
void centreOn(QLabel* label, const QRect& box) {
    const int width = std::max(box.width(), label->sizeHint().width());
    label->setGeometry(box.center().x() - width / 2 + 1, box.top(), width, box.height());
}

QLabel* caption(QWidget* parent, const char* name, int pixels, const QColor& colour, bool emphasis) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont f = label->font();
    f.setPixelSize(pixels);
    f.setBold(emphasis);
    f.setItalic(emphasis);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QString("QLabel { color: %1; background: transparent; }").arg(colour.name()));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

}  // namespace

MatchPitch::MatchPitch(const World& world, int club0, int club1, QWidget* parent)
    : QWidget(parent), pictures_(world) {
    setObjectName("TMATCH");
    setFixedSize(kSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The frame is drawn at the screen's own resolution: sharp at every scale.
    const qreal ratio = devicePixelRatioF();
    buffer_ = QImage(kSize * ratio, QImage::Format_RGB32);
    buffer_.setDevicePixelRatio(ratio);
    emblems_ = {toImage(world.team(club0).emblem), toImage(world.team(club1).emblem)};
    for (int side = 0; side < 2; ++side)
        for (int man = 0; man < 11; ++man)
            shirts_[side][man] = shirtPicture(emblems_[side], side, man, ratio);
    buffer_.fill(kBackground);

    lbgoal = caption(this, "lbgoal", 48, Qt::red, true);
    lbgoal->setText(QString::fromUtf8(kGoalCaption));
    centreOn(lbgoal, kGoalCaptionBox);
    lbgoalman = caption(this, "lbgoalman", 27, kSilver, false);
}

void MatchPitch::drawFrame(const PitchPicture& picture) {
    QPainter p(&buffer_);
    const QRect area({0, 0}, kSize);
    p.fillRect(area, kBackground);
    drawPitch(p, area, pictures_, shirts_, picture);
    p.end();
    update();
}

void MatchPitch::setShirtNumber(int side, int man, const std::string& number) {
    shirts_.at(side).at(man) =
        shirtPicture(emblems_[side], side, QString::fromStdString(number), buffer_.devicePixelRatio());
}

void MatchPitch::showCaptions(const GoalCaptions& captions) {
    const QString scorer = QString::fromStdString(captions.scorertext);
    if (lbgoalman->text() != scorer) {
        lbgoalman->setText(scorer);
        centreOn(lbgoalman, kScorerBox);
    }
    lbgoal->setVisible(captions.goal);
    lbgoalman->setVisible(captions.scorer);
}

void MatchPitch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, buffer_);
}

}  // namespace vm
