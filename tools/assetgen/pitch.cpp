// SPDX-License-Identifier: GPL-3.0-or-later
// The match pitch seen from above, on the match engine's own coordinates (one
// unit = one pixel): touch lines at y 10 and 470, goal lines at x 10 and 630,
// posts at y 210-212 and 268-270, the keeper's catch area as the penalty box,
// and the goals standing outside the goal lines.
#include "assets.h"
#include "noise.h"
#include "paint.h"

#include <cmath>

namespace vm::assets {

namespace {

constexpr int kW = 640, kH = 480;
constexpr int kLeft = 10, kRight = 630, kTop = 10, kBottom = 470;
constexpr int kBoxDepth = 80;                   // the keeper catches within 80 of his line
constexpr int kBoxTop = 130, kBoxBottom = 350;  // and within 110 of the middle
constexpr int kSixDepth = 32, kSixTop = 186, kSixBottom = 294;
constexpr double kCircle = 54;        // centre circle radius
constexpr double kSpotDistance = 65;  // penalty spot from the goal line

const QColor kChalk(244, 247, 240);

// Grass mown in bands across the pitch, with a faint second pattern along it
// and fine texture; the bands are 40 units wide so that sixteen fit exactly.
void paintGrass(QImage& img) {
    forEachPixel(img, [](int x, int y, QRgb& px) {
        const bool band = (x / 40) % 2 == 0;
        const bool cross = (y / 60) % 2 == 0;
        double f = band ? 1.0 : 0.88;
        f *= cross ? 1.0 : 0.97;
        const double blades = latticeValue(x, y, 9101) - 0.5;
        const double patches = fbm(x / 48.0, y / 48.0, 9102, 4) - 0.5;
        // Mower stripes: faint lines along each band.
        const double stripe = ((x % 40) == 0) ? -0.03 : 0.0;
        f *= 1.0 + 0.06 * blades + 0.12 * patches + stripe;
        px = rgbF(58 * f, 150 * f, 56 * f);
    });
}

// Crisp two-pixel chalk lines: a line "at" coordinate c covers pixels c-1 and c.
void chalkRect(QPainter& p, int x0, int y0, int x1, int y1) {
    p.fillRect(x0 - 1, y0 - 1, x1 - x0 + 2, 2, kChalk);
    p.fillRect(x0 - 1, y1 - 1, x1 - x0 + 2, 2, kChalk);
    p.fillRect(x0 - 1, y0 - 1, 2, y1 - y0 + 2, kChalk);
    p.fillRect(x1 - 1, y0 - 1, 2, y1 - y0 + 2, kChalk);
}

void paintMarkings(QImage& img) {
    QPainter p(&img);
    // Straight lines, pixel-exact.
    chalkRect(p, kLeft, kTop, kRight, kBottom);
    p.fillRect(kW / 2 - 1, kTop - 1, 2, kBottom - kTop + 2, kChalk);
    chalkRect(p, kLeft, kBoxTop, kLeft + kBoxDepth, kBoxBottom);
    chalkRect(p, kRight - kBoxDepth, kBoxTop, kRight, kBoxBottom);
    chalkRect(p, kLeft, kSixTop, kLeft + kSixDepth, kSixBottom);
    chalkRect(p, kRight - kSixDepth, kSixTop, kRight, kSixBottom);

    // Curves, antialiased, on the same centre lines.
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(kChalk, 2.0);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPointF centre(kW / 2.0, kH / 2.0);
    p.drawEllipse(centre, kCircle, kCircle);
    // Corner arcs.
    const double corner = 8;
    p.drawArc(QRectF(kLeft - corner, kTop - corner, 2 * corner, 2 * corner), 270 * 16, 90 * 16);
    p.drawArc(QRectF(kRight - corner, kTop - corner, 2 * corner, 2 * corner), 180 * 16, 90 * 16);
    p.drawArc(QRectF(kLeft - corner, kBottom - corner, 2 * corner, 2 * corner), 0, 90 * 16);
    p.drawArc(QRectF(kRight - corner, kBottom - corner, 2 * corner, 2 * corner), 90 * 16, 90 * 16);
    // The arcs at the edge of each box, around the penalty spots.
    for (int side = 0; side < 2; ++side) {
        const double sx = side == 0 ? kLeft + kSpotDistance : kRight - kSpotDistance;
        const double boxEdge = side == 0 ? kLeft + kBoxDepth : kRight - kBoxDepth;
        const double half = std::acos(std::abs(boxEdge - sx) / kCircle) * 180.0 / M_PI;
        const double start = side == 0 ? -half : 180 - half;
        p.drawArc(QRectF(sx - kCircle, kH / 2.0 - kCircle, 2 * kCircle, 2 * kCircle),
                  static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(2 * half * 16)));
        p.setPen(Qt::NoPen);
        p.setBrush(kChalk);
        p.drawEllipse(QPointF(sx, kH / 2.0), 2.0, 2.0);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kChalk);
    p.drawEllipse(centre, 2.5, 2.5);
}

// One goal: net behind the line, side netting, and the frame with its shadow.
// dir is -1 for the left goal (the net lies at smaller x) and +1 for the right.
void paintGoal(QImage& img, int lineX, int dir) {
    QPainter p(&img);
    const int depth = 9;  // the net reaches to the edge of the picture
    const int back = lineX + dir * depth;
    const int x0 = std::min(lineX, back), x1 = std::max(lineX, back);
    // Shadow of the net and frame on the grass, falling down and to the right.
    p.fillRect(QRect(x0 + 2, 213 + 3, x1 - x0, 57), QColor(0, 0, 0, 45));
    // Net mesh.
    for (int y = 211; y <= 269; ++y)
        for (int x = x0; x <= x1; ++x) {
            const bool knot = ((x + y) % 3 == 0) || ((x - y + 300) % 3 == 0);
            if (!knot) continue;
            QRgb& px = reinterpret_cast<QRgb*>(img.scanLine(y))[x];
            px = rgbF(qRed(px) * 0.45 + 225 * 0.55, qGreen(px) * 0.45 + 228 * 0.55,
                      qBlue(px) * 0.45 + 225 * 0.55);
        }
    // Back bar and side netting frame.
    const QColor frame(250, 250, 250);
    p.fillRect(QRect(x0, 211, x1 - x0 + 1, 1), frame);
    p.fillRect(QRect(x0, 269, x1 - x0 + 1, 1), frame);
    p.fillRect(QRect(back, 211, 1, 59), QColor(220, 222, 220));
    // Posts (y 210-212 and 268-270) with the crossbar between them on the line.
    p.fillRect(QRect(lineX - 1, 210, 3, 61), QColor(255, 255, 255));
    // A touch of shade on the side of each post away from the light.
    p.fillRect(QRect(lineX + 1, 212, 1, 1), QColor(170, 175, 170));
    p.fillRect(QRect(lineX + 1, 270, 1, 1), QColor(170, 175, 170));
    p.fillRect(QRect(lineX + 2, 211, 1, 60), QColor(0, 0, 0, 60));
}

}  // namespace

QImage makePitch() {
    QImage img(kW, kH, QImage::Format_RGB32);
    paintGrass(img);
    paintMarkings(img);
    paintGoal(img, kLeft, -1);
    paintGoal(img, kRight, +1);
    return img;
}

}  // namespace vm::assets
