// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen: a floodlit stadium at night seen from the side of the
// pitch, the game's name in large lettering, a ball on the centre spot, and a
// calm, darker band at the bottom where the four buttons sit.
#include "assets.h"
#include "football.h"
#include "lettering.h"
#include "noise.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace vm::assets {

namespace {

constexpr int kW = 640, kH = 480;
constexpr double kHorizon = 120.0;   // vanishing line of the ground
constexpr double kPitchTop = 262.0;  // far touch line on screen
constexpr double kFocal = 560.0;     // horizontal scale of the ground projection
constexpr double kBallSpot = 318.0;  // screen row of the centre spot, under the ball

// Depth of a ground row on screen (1 at the far touch line, growing nearer).
double depthOfRow(double y) {
    return (kPitchTop - kHorizon) / (y - kHorizon);
}
double rowOfDepth(double z) {
    return kHorizon + (kPitchTop - kHorizon) / z;
}

void paintSky(QImage& img) {
    forEachPixel(img, [](int, int y, QRgb& px) {
        const double t = std::clamp(y / 250.0, 0.0, 1.0);
        px = rgbF(6 + 30 * t * t, 14 + 60 * t * t, 38 + 100 * t);
    });
    Prng rng(7001);
    for (int i = 0; i < 70; ++i) {
        const int x = rng.below(kW), y = rng.below(140);
        const double b = rng.range(0.25, 0.7) * (1.0 - y / 170.0);
        QRgb& px = reinterpret_cast<QRgb*>(img.scanLine(y))[x];
        px = rgbF(qRed(px) + 200 * b, qGreen(px) + 200 * b, qBlue(px) + 190 * b);
    }
}

// The far stand: a roofed tier full of people, under the glow of the lights.
void paintStand(QImage& img) {
    const int top = 168, bottom = 250;
    Prng rng(7002);
    const std::array<QColor, 8> crowd = {QColor(230, 230, 225), QColor(200, 40, 40),   QColor(40, 70, 170),
                                         QColor(240, 200, 40),  QColor(210, 160, 120), QColor(40, 40, 50),
                                         QColor(90, 150, 210),  QColor(150, 30, 60)};
    for (int by = top + 10; by < bottom; by += 2) {
        for (int bx = 0; bx < kW; bx += 2) {
            const QColor c = crowd[static_cast<std::size_t>(rng.below(static_cast<int>(crowd.size())))];
            // Rows further back are darker; the light falls off from the two towers.
            const double glow = 0.55 * std::exp(-std::pow((bx - 70) / 170.0, 2)) +
                                0.55 * std::exp(-std::pow((bx - 570) / 170.0, 2));
            double f = (0.25 + 0.35 * (by - top) / (bottom - top) + glow * 0.5) * rng.range(0.55, 1.0);
            if ((by - top) % 12 < 2) f *= 0.55;  // the step of each tier
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const double d = (dx + dy == 0) ? 1.0 : 0.8;
                    reinterpret_cast<QRgb*>(img.scanLine(by + dy))[bx + dx] =
                        rgbF(c.red() * f * d, c.green() * f * d, c.blue() * f * d);
                }
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Roof with its shadow on the top rows.
    QLinearGradient roof(0, top - 8, 0, top + 14);
    roof.setColorAt(0, QColor(30, 36, 50));
    roof.setColorAt(0.4, QColor(14, 16, 24));
    roof.setColorAt(1, QColor(10, 12, 18, 0));
    p.fillRect(QRectF(0, top - 8, kW, 22), roof);
    p.fillRect(QRectF(0, top - 9, kW, 2), QColor(120, 130, 150));
    // Advertising boards along the front of the stand.
    const std::array<QColor, 5> boards = {QColor(20, 60, 150), QColor(200, 30, 40), QColor(240, 240, 235),
                                          QColor(250, 190, 20), QColor(20, 120, 90)};
    for (int i = 0; i * 80 < kW; ++i) {
        const QColor c = boards[static_cast<std::size_t>(i % 5)];
        QLinearGradient g(0, bottom, 0, bottom + 10);
        g.setColorAt(0, c.lighter(125));
        g.setColorAt(1, c.darker(140));
        p.fillRect(QRectF(i * 80, bottom, 80, 10), g);
        p.fillRect(QRectF(i * 80 + 10, bottom + 4, 46, 2),
                   c.lightness() > 150 ? QColor(40, 40, 60) : QColor(255, 255, 255, 200));
    }
    p.fillRect(QRectF(0, bottom + 10, kW, 2), QColor(10, 20, 10));
}

// The floodlight towers, their glow and the beams falling onto the grass.
void paintFloodlights(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (double x : {70.0, 570.0}) {
        // Mast.
        p.fillRect(QRectF(x - 2, 48, 4, 125), QColor(20, 24, 34));
        // Lamp bank: four rows of lamps on a frame.
        p.fillRect(QRectF(x - 30, 34, 60, 22), QColor(30, 34, 44));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 6; ++c) {
                const QPointF lamp(x - 25 + c * 10, 39 + r * 6.5);
                QRadialGradient g(lamp, 5);
                g.setColorAt(0, QColor(255, 255, 245));
                g.setColorAt(0.5, QColor(255, 250, 220, 220));
                g.setColorAt(1, QColor(255, 240, 200, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(g);
                p.drawEllipse(lamp, 5, 5);
            }
        // Halo.
        QRadialGradient halo(QPointF(x, 45), 150);
        halo.setColorAt(0, QColor(255, 250, 225, 120));
        halo.setColorAt(0.25, QColor(220, 230, 255, 45));
        halo.setColorAt(1, QColor(200, 220, 255, 0));
        p.setBrush(halo);
        p.drawEllipse(QPointF(x, 45), 150, 150);
        // Beam towards the middle of the pitch.
        const double toward = x < kW / 2 ? 1.0 : -1.0;
        QPainterPath beam;
        beam.moveTo(x - 20, 50);
        beam.lineTo(x + 20, 50);
        beam.lineTo(x + toward * 330, kH);
        beam.lineTo(x + toward * 90, kH);
        beam.closeSubpath();
        QLinearGradient bg(0, 50, 0, kH);
        bg.setColorAt(0, QColor(255, 250, 225, 40));
        bg.setColorAt(1, QColor(255, 250, 225, 0));
        p.setBrush(bg);
        p.drawPath(beam);
    }
}

// The pitch in perspective, mown in bands across its length.
void paintPitch(QImage& img) {
    for (int y = static_cast<int>(kPitchTop); y < kH; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double z = depthOfRow(y + 0.5);
        for (int x = 0; x < kW; ++x) {
            const double wx = (x + 0.5 - kW / 2.0) * z / kFocal;  // ground units across
            const bool light = static_cast<int>(std::floor(wx / 0.16)) % 2 == 0;
            const double grain = fbm(wx * 40, z * 40, 7003, 3);
            const double near = std::clamp((y - kPitchTop) / (kH - kPitchTop), 0.0, 1.0);
            double g = (light ? 1.0 : 0.86) * (0.8 + 0.25 * grain);
            // Grass is lit by the towers at the far side and falls darker towards us,
            // which leaves a calm field for the buttons.
            g *= 1.05 - 0.45 * near;
            line[x] = rgbF(34 * g, 128 * g, 44 * g);
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPen chalk(QColor(235, 240, 230, 210), 1.6);
    p.setPen(chalk);
    auto ground = [](double wx, double z) { return QPointF(kW / 2.0 + wx * kFocal / z, rowOfDepth(z)); };
    // Far touch line and the halfway line running towards us.
    p.drawLine(QPointF(0, kPitchTop + 1), QPointF(kW, kPitchTop + 1));
    p.setPen(QPen(QColor(235, 240, 230, 200), 2.2));
    p.drawLine(ground(0, 1.0), QPointF(kW / 2.0, kH));
    // Centre circle around the spot where the ball lies.
    QPolygonF circle;
    const double zc = depthOfRow(kBallSpot), r = 0.18;
    for (int i = 0; i <= 96; ++i) {
        const double a = i * 2 * M_PI / 96;
        circle << ground(r * std::cos(a), zc + r * std::sin(a) * 0.5);
    }
    p.drawPolyline(circle);
}

QPainterPath swoosh(double left, double right, double y) {
    QPainterPath s;
    s.moveTo(left, y + 6);
    s.cubicTo(left + (right - left) * 0.35, y - 10, left + (right - left) * 0.7, y - 6, right, y - 18);
    s.cubicTo(left + (right - left) * 0.7, y + 4, left + (right - left) * 0.35, y + 2, left, y + 6);
    s.closeSubpath();
    return s;
}

void paintName(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    LetteringStyle word;
    word.capHeight = 92;
    word.weight = 0.19;
    word.slant = 0.2;
    word.tracking = 0.05;
    LetteringStyle digit = word;
    digit.capHeight = 132;
    digit.weight = 0.2;

    const double wordW = letteringWidth("Vellmora", word);
    const double digitW = letteringWidth("2", digit) + digit.slant * digit.capHeight;
    const double gap = 18;
    const double left = (kW - (wordW + gap + digitW)) / 2.0;
    const double baseline = 178;

    const QPainterPath name = letteringPath("Vellmora", word).translated(left, baseline);
    const QPainterPath two = letteringPath("2", digit).translated(left + wordW + gap, baseline + 6);

    softShadow(p, name, QPointF(6, 8), 150, 6);
    softShadow(p, two, QPointF(6, 8), 150, 6);

    QLinearGradient gold(0, baseline - 70, 0, baseline);
    gold.setColorAt(0.0, QColor(255, 255, 250));
    gold.setColorAt(0.45, QColor(255, 240, 190));
    gold.setColorAt(1.0, QColor(236, 168, 30));
    drawLettering(p, name, gold, QColor(8, 20, 52), 9);

    QLinearGradient red(0, baseline - 132, 0, baseline + 6);
    red.setColorAt(0.0, QColor(255, 140, 90));
    red.setColorAt(0.5, QColor(235, 50, 40));
    red.setColorAt(1.0, QColor(150, 16, 24));
    drawLettering(p, two, red, QColor(8, 20, 52), 9);
    // A thin light line inside the outline of the big numeral.
    p.setPen(QPen(QColor(255, 220, 190, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(two);

    // A golden stroke under the name, like a ball's flight.
    const QPainterPath s = swoosh(left + 30, left + wordW + gap + digitW - 30, baseline + 26);
    softShadow(p, s, QPointF(4, 5), 120, 3);
    QLinearGradient sg(left, 0, left + wordW, 0);
    sg.setColorAt(0, QColor(236, 168, 30, 0));
    sg.setColorAt(0.3, QColor(236, 178, 40));
    sg.setColorAt(1, QColor(255, 236, 160));
    p.setPen(QPen(QColor(8, 20, 52), 2.5));
    p.setBrush(sg);
    p.drawPath(s);
}

void paintBall(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = 40;
    const QPointF centre(kW / 2.0, kBallSpot - r + 3);
    // Shadow on the grass, cast away from the left tower.
    QRadialGradient sh(QPointF(centre.x() + 14, centre.y() + r - 2), r * 1.2);
    sh.setColorAt(0, QColor(0, 0, 0, 150));
    sh.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sh);
    p.drawEllipse(QPointF(centre.x() + 14, centre.y() + r - 2), r * 1.25, r * 0.32);
    FootballLook look;
    look.seamWidth = 1.2;
    drawFootball(p, centre, r, look);
}

// Darkens the band of the buttons evenly so that the cream panels stand out.
void calmButtonBand(QImage& img) {
    QPainter p(&img);
    QLinearGradient g(0, 318, 0, kH);
    g.setColorAt(0, QColor(0, 10, 0, 0));
    g.setColorAt(0.25, QColor(0, 10, 0, 70));
    g.setColorAt(1, QColor(0, 10, 0, 130));
    p.fillRect(QRectF(0, 318, kW, kH - 318), g);
}

}  // namespace

QImage makeTitle() {
    QImage img(kW, kH, QImage::Format_RGB32);
    paintSky(img);
    paintStand(img);
    paintPitch(img);
    paintFloodlights(img);
    calmButtonBand(img);
    paintBall(img);
    paintName(img);
    vignette(img, 0.35);
    return img;
}

}  // namespace vm::assets
