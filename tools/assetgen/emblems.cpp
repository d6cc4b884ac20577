// SPDX-License-Identifier: GPL-3.0-or-later
// The twenty club crests of teamimage.bmp, drawn as pixel art: at 12 x 12 a
// crest must be built pixel by pixel to stay readable when the game stretches
// it to 16, 28 or 100 pixels. Each crest is a shape (shield, roundel, badge)
// with a dark rim, a field pattern in two colours and sometimes a charge.
#include "assets.h"
#include "paint.h"

#include <array>
#include <cmath>
#include <string_view>

namespace vm::assets {

namespace {

constexpr int kSize = 12;
using Mask = std::array<std::string_view, kSize>;

constexpr Mask kShield = {"############", "############", "############", "############",
                          "############", "############", "############", ".##########.",
                          "..########..", "...######...", "....####....", ".....##....."};
constexpr Mask kRoundel = {"....####....", "..########..", ".##########.", ".##########.",
                           "############", "############", "############", "############",
                           ".##########.", ".##########.", "..########..", "....####...."};
constexpr Mask kBadge = {"..########..", ".##########.", "############", "############",
                         "############", "############", "############", "############",
                         "############", "############", ".##########.", "..########.."};

enum class Field { Solid, Stripes, Hoops, HalvesV, HalvesH, Sash, Cross, Quarters, Chevron, Chief, Pale };

// Charges: small sprites placed in the middle of the field.
struct Charge {
    int w, h;
    std::array<std::string_view, 5> rows;
};
constexpr Charge kNone = {0, 0, {}};
constexpr Charge kStar = {5, 5, {"..#..", ".###.", "#####", ".###.", ".#.#."}};
constexpr Charge kBall = {4, 4, {".##.", "#..#", "#..#", ".##.", ""}};
constexpr Charge kCrown = {5, 4, {"#.#.#", "#####", "#####", ".###.", ""}};
constexpr Charge kTower = {5, 5, {"#.#.#", "#####", ".###.", ".#.#.", ".###."}};
constexpr Charge kBird = {7, 3, {"#.....#", ".##.##.", "...#...", "", ""}};

struct Crest {
    const Mask* shape;
    Field field;
    QColor a, b;  // field colours
    const Charge* charge;
    QColor c;  // charge colour
};

const QColor kRim(20, 22, 38);
const QColor kOutside(0x00, 0x80, 0x00);  // the shirt green of the match view

QColor white() {
    return {245, 245, 240};
}

std::array<Crest, 20> crests() {
    const QColor red(210, 30, 36), navy(20, 36, 110), royal(30, 84, 200), sky(110, 180, 235);
    const QColor gold(250, 200, 40), black(28, 28, 30), green(20, 130, 60), maroon(130, 24, 48);
    const QColor orange(245, 130, 20), purple(110, 50, 150), yellow(250, 220, 30);
    return {{
        {&kShield, Field::Solid, royal, royal, &kStar, gold},     // 0
        {&kRoundel, Field::Stripes, red, white(), &kNone, {}},    // 1
        {&kShield, Field::HalvesV, black, white(), &kNone, {}},   // 2
        {&kBadge, Field::Hoops, green, white(), &kNone, {}},      // 3
        {&kShield, Field::Sash, white(), red, &kNone, {}},        // 4
        {&kRoundel, Field::Solid, yellow, yellow, &kBall, navy},  // 5
        {&kShield, Field::Cross, red, white(), &kNone, {}},       // 6
        {&kBadge, Field::Quarters, royal, yellow, &kNone, {}},    // 7
        {&kShield, Field::Chevron, maroon, sky, &kNone, {}},      // 8
        {&kRoundel, Field::Chevron, orange, black, &kNone, {}},   // 9
        {&kShield, Field::Stripes, black, yellow, &kNone, {}},    // 10
        {&kShield, Field::Solid, green, green, &kCrown, gold},    // 11
        {&kBadge, Field::HalvesH, red, black, &kNone, {}},        // 12
        {&kRoundel, Field::Pale, navy, white(), &kNone, {}},      // 13
        {&kShield, Field::Chief, purple, gold, &kBird, white()},  // 14
        {&kBadge, Field::Sash, sky, navy, &kNone, {}},            // 15
        {&kShield, Field::Hoops, royal, white(), &kNone, {}},     // 16
        {&kRoundel, Field::Quarters, red, white(), &kNone, {}},   // 17
        {&kShield, Field::Solid, red, red, &kTower, white()},     // 18
        {&kBadge, Field::Solid, purple, purple, &kStar, gold},    // 19
    }};
}

bool inside(const Mask& m, int x, int y) {
    return x >= 0 && y >= 0 && x < kSize && y < kSize &&
           m[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
}

// Which of the two field colours a pixel takes (false = a, true = b).
bool fieldPick(Field f, int x, int y) {
    switch (f) {
        case Field::Solid: return false;
        case Field::Stripes: return ((x + 1) / 2) % 2 == 1;
        case Field::Hoops: return ((y + 1) / 2) % 2 == 1;
        case Field::HalvesV: return x >= 6;
        case Field::HalvesH: return y >= 5;
        case Field::Sash: return std::abs(x - y) <= 1;
        case Field::Cross: return x == 4 || x == 5 || y == 4 || y == 5;
        case Field::Quarters: return (x >= 6) != (y >= 5);
        case Field::Chevron: {
            const int d = y - (5 - std::abs(2 * x - 11) / 2);
            return d >= 2 && d <= 4;
        }
        case Field::Chief: return y <= 3;
        case Field::Pale: return x >= 4 && x <= 7;
    }
    return false;
}

void drawCrest(QImage& img, int ox, int oy, const Crest& crest) {
    const Mask& m = *crest.shape;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            QColor c = kOutside;
            if (inside(m, x, y)) {
                const bool rim = !inside(m, x - 1, y) || !inside(m, x + 1, y) || !inside(m, x, y - 1) ||
                                 !inside(m, x, y + 1);
                if (rim) {
                    c = kRim;
                } else {
                    c = fieldPick(crest.field, x, y) ? crest.b : crest.a;
                    // A light bevel: brighter to the upper left.
                    c = scaled(c, 1.10 - 0.018 * (x + y));
                }
            }
            img.setPixel(ox + x, oy + y, c.rgb());
        }
    const Charge& ch = *crest.charge;
    if (ch.w == 0) return;
    const int cx = (kSize - ch.w) / 2;
    // On a shield the middle of the field lies higher; under a chief, lower.
    const int cy = crest.field == Field::Chief ? 5 : crest.shape == &kShield ? 3 : (kSize - ch.h) / 2;
    for (int y = 0; y < ch.h; ++y)
        for (int x = 0; x < ch.w; ++x)
            if (ch.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#')
                img.setPixel(ox + cx + x, oy + cy + y, crest.c.rgb());
}

}  // namespace

QImage makeEmblems() {
    QImage img(10 * kSize, 2 * kSize, QImage::Format_RGB32);
    const auto all = crests();
    for (int j = 0; j < 20; ++j)
        drawCrest(img, (j % 10) * kSize, (j / 10) * kSize, all[static_cast<std::size_t>(j)]);
    return img;
}

}  // namespace vm::assets
