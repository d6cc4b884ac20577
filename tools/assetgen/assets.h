// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture and sound of the game, each made by one function. Pictures
// come back as images to be written in the form the game reads; sounds as
// 16-bit mono samples at kSoundRate.
#pragma once

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace vm::assets {

// Pictures.
QImage makeTitle();           // skin/title.jpg, 640 x 480
QImage makeEmblems();         // teamimage.bmp, 120 x 24: twenty 12 x 12 club crests
QImage makePitch();           // skin/pitch.jpg, 640 x 480
QImage makeClubhouse();       // skin/main.jpg, 660 x 461
QImage makeTransferOffice();  // skin/trade.jpg, 660 x 461
QImage makeNewsStudio();      // skin/news.jpg, 640 x 480
QImage makeArchive();         // skin/save.jpg, 700 x 520
QImage makeCasterSmall();     // skin/caster.jpg, 160 x 120
QImage makeCasterLarge();     // skin/caster2.bmp, 320 x 240
QImage makeBall();            // skin/ball.png, 8 x 8 with alpha
QImage makeBallShadow();      // skin/ballshadow.png, 8 x 8 with alpha
QImage makeIcon(int size);    // icons/hicolor/<size>x<size>/apps/vellmora2.png
std::string iconSvg();        // icons/hicolor/scalable/apps/vellmora2.svg

// Sounds.
constexpr int kSoundRate = 22050;
using Samples = std::vector<std::int16_t>;
Samples makeKickoffWhistle();  // sound/mstart.wav
Samples makeFinalWhistle();    // sound/mend.wav
Samples makeGoalRoar();        // sound/goal.wav
Samples makeHomeChant();       // sound/home.wav
Samples makePostHit();         // sound/post.wav

}  // namespace vm::assets
