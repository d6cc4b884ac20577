// SPDX-License-Identifier: GPL-3.0-or-later
// The pitch of the watched match (TMATCH): the pitch picture with the 22
// numbered shirts, the ball's shadow and the ball raised above it, drawn
// into a buffer each frame and shown whole; and the goal captions over it.
#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <string>

#include "screens/pitchdrawing.h"
#include "season/livecues.h"
#include "season/livescoreboard.h"

class QLabel;

namespace vm {

class World;

class MatchPitch : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{640, 480};

    // The pitch of clubs `club0` (side 0) and `club1` (side 1) at kick-off.
    // Throws DataError when the pitch or a ball picture cannot be read.
    MatchPitch(const World& world, int club0, int club1, QWidget* parent = nullptr);

    // Draws a frame into the buffer in order: the pitch, side 0's shirts,
    // side 1's shirts, the shadow, the ball; then shows the buffer.
    void drawFrame(const PitchPicture& picture);
    // Shirt `man` of `side` shows `number` from the next frame on.
    void setShirtNumber(int side, int man, const std::string& number);
    // "GOAL！！" and the scorer as the match's cues left them.
    void showCaptions(const GoalCaptions& captions);

    const QImage& frame() const { return buffer_; }
    const QImage& shirt(int side, int man) const { return shirts_[side][man]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SideShirts shirts_;  // imgList0, imgList1
    std::array<QImage, 2> emblems_;
    PitchPictures pictures_;
    QImage buffer_;  // imgura: the frame being drawn, then shown whole
    QLabel* lbgoal;
    QLabel* lbgoalman;
};

}  // namespace vm
