// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own display lettering: a bold, rounded monoline face drawn from
// skeleton strokes, so that pictures never depend on the fonts a machine has.
#pragma once

#include <QPainterPath>

#include <string_view>

namespace vm::assets {

struct LetteringStyle {
    double capHeight = 40.0;  // pixels from baseline to the top of a capital
    double weight = 0.16;     // stroke width as a share of the cap height
    double slant = 0.0;       // italic shear: x moves right by slant per pixel of height
    double tracking = 0.12;   // extra space between letters, share of the cap height
};

// Outline of one line of text with its baseline at y = 0 and its left edge at
// x = 0, filled with Qt::WindingFill. Letters: A-Z, a e l m o r, 0-9, space,
// '.', '-'. Anything else is a programming error and throws.
QPainterPath letteringPath(std::string_view text, const LetteringStyle& style);

// Width the text occupies, in pixels, including the stroke's round ends.
double letteringWidth(std::string_view text, const LetteringStyle& style);

}  // namespace vm::assets
