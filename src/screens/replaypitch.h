// SPDX-License-Identifier: GPL-3.0-or-later
// The pitch of a replay, drawn as the live match draws it: the pitch picture,
// both sides' numbered shirts, the ball's shadow and the ball above it, and
// "GOAL！！" while a goal is celebrated.
#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <optional>
#include <string>

#include "league/world.h"
#include "screens/pitchdrawing.h"
#include "season/livescoreboard.h"

namespace vm {

class ReplayPitch : public QWidget {
    Q_OBJECT
public:
    // The pitch and ball pictures come from data/skin; DataError names a
    // picture that is missing or broken.
    ReplayPitch(const World& world, QWidget* parent = nullptr);

    // The shirts of both sides (numbers 01..11) from their emblems, side 0 first.
    void setSides(const std::array<QImage, 2>& emblems);
    // The numbers the shirts show from the next paint on.
    void showNumbers(const std::array<std::array<std::string, 11>, 2>& numbers);
    // What the next paint shows: the frame's pictures (none: the bare pitch)
    // and whether "GOAL！！" is up.
    void showFrame(const std::optional<PitchPicture>& picture, bool goalCaption);

    const std::optional<PitchPicture>& frame() const { return picture_; }
    bool goalCaption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PitchPictures pictures_;
    std::array<QImage, 2> emblems_;
    std::array<std::array<std::string, 11>, 2> numbers_;
    SideShirts shirts_;
    std::optional<PitchPicture> picture_;
    bool caption_ = false;
};

}  // namespace vm
