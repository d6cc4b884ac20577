// SPDX-License-Identifier: GPL-3.0-or-later
// The pitch as the live match and the replay viewer both draw it: the pitch
// picture, both sides' numbered shirts, then the ball's shadow and the ball
// raised above it by its height.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

#include <array>

#include "league/world.h"
#include "season/livescoreboard.h"

namespace vm {

// Where "GOAL！！" stands on the pitch while a goal is celebrated.
inline constexpr QRect kGoalCaptionBox{232, 200, 217, 49};

// A 12 x 24 shirt: the club's emblem on top, below it `number` in white for
// side 0 and yellow for side 1, on green (008000); `ratio` device pixels a
// game pixel, so the number is sharp at every scale and the emblem stays
// pixel art.
QImage shirtPicture(const QImage& emblem, int side, const QString& number, qreal ratio = 1);
// The shirt numbered 01..11 of man `man` (0..10).
QImage shirtPicture(const QImage& emblem, int side, int man, qreal ratio = 1);

using SideShirts = std::array<std::array<QImage, 11>, 2>;

// The pictures a pitch is drawn from, read from data/skin; DataError names a
// picture that is missing or broken.
struct PitchPictures {
    explicit PitchPictures(const World& world);
    QImage pitch;
    QImage ball;
    QImage shadow;
};

// One frame over `area` (the pitch's 640 x 480) in the drawing order.
void drawPitch(QPainter& p, const QRect& area, const PitchPictures& pictures, const SideShirts& shirts,
               const PitchPicture& frame);

}  // namespace vm
