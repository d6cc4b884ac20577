// SPDX-License-Identifier: GPL-3.0-or-later
// Skeleton glyphs of the display lettering. Coordinates are in units of a
// 100-unit cap height, y growing downwards, on the centre line of the stroke:
// the baseline centre line is at y = -8, the cap line at -92, the x-height at -62.
#include "lettering.h"

#include <QPainterPathStroker>
#include <QTransform>

#include <stdexcept>
#include <string>

namespace vm::assets {

namespace {

constexpr double B = -8;   // baseline
constexpr double C = -92;  // cap line
constexpr double X = -62;  // x-height line

void line(QPainterPath& p, std::initializer_list<QPointF> pts) {
    auto it = pts.begin();
    p.moveTo(*it);
    for (++it; it != pts.end(); ++it) p.lineTo(*it);
}

QRectF box(double cx, double cy, double rx, double ry) {
    return {cx - rx, cy - ry, 2 * rx, 2 * ry};
}

void arc(QPainterPath& p, const QRectF& r, double start, double sweep, bool fresh) {
    if (fresh) p.arcMoveTo(r, start);
    p.arcTo(r, start, sweep);
}

// Draws the skeleton of one character into p and returns its advance (the
// centre-line width; stroke width and tracking are added by the caller).
double glyph(char c, QPainterPath& p) {
    switch (c) {
        case 'A':
            line(p, {{0, B}, {30, C}, {60, B}});
            line(p, {{12, -38}, {48, -38}});
            return 60;
        case 'B':
            line(p, {{30, -52}, {0, -52}, {0, C}, {30, C}});
            arc(p, box(30, -72, 20, 20), 90, -180, false);
            line(p, {{0, -52}, {34, -52}});
            arc(p, box(34, -30, 22, 22), 90, -180, false);
            p.lineTo(0, B);
            p.lineTo(0, -52);
            return 56;
        case 'C': arc(p, box(32, -50, 32, 42), 45, 270, true); return 60;
        case 'D':
            line(p, {{0, C}, {0, B}, {22, B}});
            arc(p, box(22, -50, 40, 42), -90, 180, false);
            p.closeSubpath();
            return 62;
        case 'E':
            line(p, {{52, C}, {0, C}, {0, B}, {52, B}});
            line(p, {{0, -50}, {42, -50}});
            return 52;
        case 'F':
            line(p, {{52, C}, {0, C}, {0, B}});
            line(p, {{0, -50}, {42, -50}});
            return 50;
        case 'G':
            arc(p, box(32, -50, 32, 42), 50, 265, true);
            p.lineTo(64, -46);
            p.lineTo(38, -46);
            return 64;
        case 'H':
            line(p, {{0, C}, {0, B}});
            line(p, {{58, C}, {58, B}});
            line(p, {{0, -50}, {58, -50}});
            return 58;
        case 'I': line(p, {{0, C}, {0, B}}); return 0;
        case 'J':
            line(p, {{40, C}, {40, -30}});
            arc(p, box(20, -30, 20, 22), 0, -180, false);
            return 40;
        case 'K':
            line(p, {{0, C}, {0, B}});
            line(p, {{54, C}, {0, -42}});
            line(p, {{18, -56}, {56, B}});
            return 56;
        case 'L': line(p, {{0, C}, {0, B}, {48, B}}); return 48;
        case 'M': line(p, {{0, B}, {0, C}, {34, -38}, {68, C}, {68, B}}); return 68;
        case 'N': line(p, {{0, B}, {0, C}, {58, B}, {58, C}}); return 58;
        case 'O': p.addEllipse(box(34, -50, 34, 42)); return 68;
        case 'P':
            line(p, {{0, B}, {0, C}, {30, C}});
            arc(p, box(30, -70, 22, 22), 90, -180, false);
            p.lineTo(0, -48);
            return 52;
        case 'Q':
            p.addEllipse(box(34, -50, 34, 42));
            line(p, {{42, -30}, {70, B}});
            return 70;
        case 'R':
            line(p, {{0, B}, {0, C}, {30, C}});
            arc(p, box(30, -70, 22, 22), 90, -180, false);
            p.lineTo(0, -48);
            line(p, {{26, -48}, {54, B}});
            return 54;
        case 'S':
            arc(p, box(28, -71, 25, 21), 20, 250, true);
            arc(p, box(28, -29, 27, 21), 90, -250, false);
            return 56;
        case 'T':
            line(p, {{0, C}, {60, C}});
            line(p, {{30, C}, {30, B}});
            return 60;
        case 'U':
            line(p, {{0, C}, {0, -36}});
            arc(p, box(28, -36, 28, 28), 180, 180, false);
            p.lineTo(56, C);
            return 56;
        case 'V': line(p, {{0, C}, {32, B}, {64, C}}); return 64;
        case 'W': line(p, {{0, C}, {20, B}, {44, -70}, {68, B}, {88, C}}); return 88;
        case 'X':
            line(p, {{0, C}, {56, B}});
            line(p, {{56, C}, {0, B}});
            return 56;
        case 'Y':
            line(p, {{0, C}, {30, -50}, {60, C}});
            line(p, {{30, -50}, {30, B}});
            return 60;
        case 'Z': line(p, {{2, C}, {56, C}, {0, B}, {58, B}}); return 58;
        case 'a':
            p.addEllipse(QRectF(0, X, 48, 54));
            line(p, {{48, X}, {48, B}});
            return 48;
        case 'e':
            line(p, {{0, -35}, {50, -35}});
            arc(p, QRectF(0, X, 50, 54), 0, 300, false);
            return 50;
        case 'l': line(p, {{0, C - 4}, {0, B}}); return 0;
        case 'm':
            line(p, {{0, X}, {0, B}});
            arc(p, QRectF(0, X, 32, 44), 180, -180, true);
            p.lineTo(32, B);
            arc(p, QRectF(32, X, 32, 44), 180, -180, true);
            p.lineTo(64, B);
            return 64;
        case 'o': p.addEllipse(QRectF(0, X, 54, 54)); return 54;
        case 'r':
            line(p, {{0, X}, {0, B}});
            arc(p, QRectF(0, X, 52, 52), 180, -78, true);
            p.lineTo(38, X);
            return 38;
        case '0': p.addEllipse(box(28, -50, 28, 42)); return 56;
        case '1': line(p, {{6, -74}, {28, C}, {28, B}}); return 34;
        case '2':
            arc(p, box(28, -67, 26, 25), 160, -195, true);
            p.lineTo(0, B);
            p.lineTo(58, B);
            return 58;
        case '3':
            arc(p, box(27, -71, 23, 21), 150, -240, true);
            arc(p, box(27, -29, 25, 21), 90, -250, false);
            return 54;
        case '4': line(p, {{42, B}, {42, C}, {0, -34}, {60, -34}}); return 60;
        case '5':
            line(p, {{50, C}, {6, C}, {2, -54}});
            arc(p, box(28, -32, 25, 24), 140, -280, false);
            return 54;
        case '6':
            p.addEllipse(box(28, -32, 25, 24));
            p.moveTo(3, -32);
            p.cubicTo(3, -72, 20, C, 46, C);
            return 56;
        case '7': line(p, {{0, C}, {56, C}, {18, B}}); return 56;
        case '8':
            p.addEllipse(box(28, -71, 21, 21));
            p.addEllipse(box(28, -29, 25, 21));
            return 56;
        case '9':
            p.addEllipse(box(28, -68, 25, 24));
            p.moveTo(53, -68);
            p.cubicTo(53, -28, 36, B, 10, B);
            return 56;
        case ' ': return 26;
        case '.': line(p, {{0, B}, {0.01, B}}); return 0;
        case '-': line(p, {{0, -40}, {30, -40}}); return 30;
        default: break;
    }
    throw std::invalid_argument(std::string("no lettering glyph for '") + c + "'");
}

}  // namespace

double letteringWidth(std::string_view text, const LetteringStyle& style) {
    const double unit = style.capHeight / 100.0;
    const double weightUnits = style.weight * 100.0;
    const double trackUnits = style.tracking * 100.0;
    double x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        QPainterPath scratch;
        x += glyph(text[i], scratch) + weightUnits;
        if (i + 1 < text.size()) x += trackUnits;
    }
    return x * unit;
}

QPainterPath letteringPath(std::string_view text, const LetteringStyle& style) {
    const double unit = style.capHeight / 100.0;
    const double weightUnits = style.weight * 100.0;
    const double trackUnits = style.tracking * 100.0;
    QPainterPath skeleton;
    double x = weightUnits / 2;  // the first stroke's round end touches x = 0
    for (char c : text) {
        QPainterPath g;
        const double advance = glyph(c, g);
        skeleton.addPath(g.translated(x, 0));
        x += advance + weightUnits + trackUnits;
    }
    // Shear and scale the skeleton first, then stroke it, so that the pen stays
    // round (an even stroke) and curves are flattened at pixel resolution.
    QTransform t(unit, 0, -style.slant * unit, unit, 0, 0);
    QPainterPathStroker stroker;
    stroker.setWidth(style.weight * style.capHeight);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath outline = stroker.createStroke(t.map(skeleton)).simplified();
    outline.setFillRule(Qt::WindingFill);
    return outline;
}

}  // namespace vm::assets
