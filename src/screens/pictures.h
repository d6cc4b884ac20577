// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures for the screens: the game's bitmaps as Qt images, and the skin
// pictures under data/skin (JPEG through libjpeg, BMP through the game's reader,
// PNG through Qt).
#pragma once

#include <QImage>
#include <QPixmap>

#include <string_view>

#include "league/world.h"
#include "util/bitmap.h"

namespace vm {

QImage toImage(const Bitmap& bitmap);
// `image` enlarged to `size` game pixels at `ratio` device pixels a game
// pixel, each of its pixels a sharp block (nearest neighbour): pixel art
// such as the emblems stays pixel art at every display scale.
QPixmap pixelArt(const QImage& image, QSize size, qreal ratio);

// Loads data/skin/<file> from the world's shipped data (.jpg, .bmp or .png).
// Throws DataError naming the file when it is missing or broken.
QImage loadSkin(const World& world, std::string_view file);

}  // namespace vm
