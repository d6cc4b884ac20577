// SPDX-License-Identifier: GPL-3.0-or-later
// The display scale at start-up. Qt fixes its scale when the application is
// made, so the chosen scale (the settings', or --scale for one run) goes into
// the environment before that; an absolute scale leaves the desktop's own
// factor out, so that 2倍 is two device pixels a game pixel on any desktop.
#pragma once

#include <QList>
#include <QSize>

#include "screens/gamesettings.h"

class QScreen;

namespace vm {

// Sets what Qt reads when the application is made. Automatic leaves Qt to
// the desktop's scale; an absolute scale turns the desktop's factor off (and
// with it the larger type a high font DPI would give) and sets the game's
// own, divided by `nativeFactor`, the factor a platform keeps regardless (a
// scaled Wayland output), as measured on an earlier start. Returns the
// factor it set, 0 for automatic.
double prepareDisplayScale(DisplayScale scale, double nativeFactor);
// After the application is made with `applied` (prepareDisplayScale's
// answer, not 0): the factor the platform kept on `screen`.
double keptNativeFactor(const QScreen& screen, double applied);

// Whether the game's largest window, the watched match, fits `available`
// device pixels when drawn at `factor`.
bool scaleFits(double factor, QSize available);
// The scales the settings menu offers on `screen`: automatic, and each
// absolute scale at which every window fits the screen's available area.
QList<DisplayScale> offeredScales(const QScreen& screen);

// The scale `--scale WORD` or `--scale=WORD` asks for in `arguments`
// (nullopt when it is not given); throws std::invalid_argument, with the
// message for the player, when the word is not a scale.
std::optional<DisplayScale> commandLineScale(const QStringList& arguments);

}  // namespace vm
