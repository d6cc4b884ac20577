// SPDX-License-Identifier: GPL-3.0-or-later
// The calm backgrounds behind the tables: the club house (main screen), the
// transfer office, the TV studio of the news and the manager's desk of the
// save screen. Each keeps its contrast low where tables and labels sit.
#include "assets.h"
#include "football.h"
#include "lettering.h"
#include "noise.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace vm::assets {

namespace {

// Vertical wooden planks with grain, knots of colour and grooves between them.
void paintPlanks(QImage& img, const QRect& area, int plankWidth, const QColor& base, std::uint64_t seed,
                 double contrast) {
    Prng rng(seed);
    std::vector<double> tone(static_cast<std::size_t>(area.width() / plankWidth + 2));
    for (double& t : tone) t = rng.range(0.9, 1.06);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const int rel = x - area.left();
            const int plank = rel / plankWidth, inPlank = rel % plankWidth;
            const auto ps = static_cast<std::uint64_t>(plank) * 977 + seed;
            // Grain: rings bent by slow noise, stretched along the plank.
            const double bend = fbm(rel / 30.0, y / 160.0, ps, 3);
            const double rings = std::sin((inPlank + 26.0 * bend) * 0.55) * 0.5 + 0.5;
            const double fibre = fbm(rel / 2.5, y / 40.0, ps + 5, 2);
            double f = tone[static_cast<std::size_t>(plank)] *
                       (1.0 + contrast * (0.10 * (rings - 0.5) + 0.14 * (fibre - 0.5)));
            if (inPlank == 0) f *= 0.62;  // groove
            if (inPlank == 1) f *= 1.10;  // its lit edge
            if (inPlank == plankWidth - 1) f *= 0.85;
            line[x] = rgbF(base.red() * f, base.green() * f, base.blue() * f);
        }
    }
}

// Soft light from a point, brightening the picture towards it.
void lightFrom(QImage& img, QPointF at, double radius, double strength) {
    forEachPixel(img, [&](int x, int y, QRgb& px) {
        const double d = std::hypot(x - at.x(), y - at.y()) / radius;
        const double f = 1.0 + strength * std::exp(-d * d);
        px = rgbF(qRed(px) * f, qGreen(px) * f, qBlue(px) * f);
    });
}

void moulding(QPainter& p, const QRectF& r, const QColor& wood) {
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, wood.lighter(130));
    g.setColorAt(0.35, wood);
    g.setColorAt(0.7, wood.darker(130));
    g.setColorAt(1, wood.darker(170));
    p.fillRect(r, g);
}

}  // namespace

QImage makeClubhouse() {
    constexpr int kW = 660, kH = 461;
    QImage img(kW, kH, QImage::Format_RGB32);
    const QColor oak(196, 150, 96);
    paintPlanks(img, QRect(0, 0, kW, kH), 55, oak, 3101, 1.0);
    QPainter p(&img);
    // A crown moulding at the top and a dado rail near the floor frame the wall.
    moulding(p, QRectF(0, 0, kW, 12), QColor(120, 78, 40));
    p.fillRect(QRectF(0, 12, kW, 3), QColor(0, 0, 0, 50));
    moulding(p, QRectF(0, kH - 16, kW, 16), QColor(120, 78, 40));
    p.end();
    lightFrom(img, QPointF(kW * 0.3, -40), 420, 0.16);
    vignette(img, 0.3);
    return img;
}

QImage makeTransferOffice() {
    constexpr int kW = 660, kH = 461, kDesk = 418;
    QImage img(kW, kH, QImage::Format_RGB32);
    // Painted wall with a quiet striped paper.
    forEachPixel(img, [](int x, int y, QRgb& px) {
        const double stripe = (x / 22) % 2 == 0 ? 1.0 : 0.965;
        const double plaster = fbm(x / 6.0, y / 6.0, 3201, 3) - 0.5;
        const double f = stripe * (1.0 + 0.05 * plaster);
        px = rgbF(150 * f, 168 * f, 186 * f);
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Afternoon light through window blinds, falling across the wall.
    for (int slat = 0; slat < 9; ++slat) {
        QPainterPath band;
        const double y0 = -60 + slat * 26;
        band.moveTo(330, y0);
        band.lineTo(700, y0 - 90);
        band.lineTo(700, y0 - 74);
        band.lineTo(330, y0 + 16);
        band.closeSubpath();
        QLinearGradient g(330, 0, 700, 0);
        g.setColorAt(0, QColor(255, 244, 214, 0));
        g.setColorAt(0.5, QColor(255, 244, 214, 34));
        g.setColorAt(1, QColor(255, 244, 214, 52));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(band.translated(0, 140));
    }
    // Skirting board and the edge of the desk in the foreground.
    p.end();
    paintPlanks(img, QRect(0, kDesk, kW, kH - kDesk), 660, QColor(96, 60, 36), 3202, 1.4);
    p.begin(&img);
    moulding(p, QRectF(0, kDesk - 6, kW, 8), QColor(112, 72, 44));
    p.fillRect(QRectF(0, kDesk + 2, kW, 4), QColor(0, 0, 0, 40));
    p.end();
    vignette(img, 0.28);
    return img;
}

QImage makeNewsStudio() {
    constexpr int kW = 640, kH = 480, kBanner = 44;
    QImage img(kW, kH, QImage::Format_RGB32);
    forEachPixel(img, [](int x, int y, QRgb& px) {
        const double d = std::hypot((x - 320) / 420.0, (y - 210) / 300.0);
        const double f = std::clamp(1.0 - 0.75 * d, 0.0, 1.0);
        // A screen wall of small LED tiles behind the presenter.
        const bool gap = (x % 8 == 0) || (y % 8 == 0);
        const double tile = gap ? 0.82 : 1.0;
        px = rgbF((14 + 40 * f) * tile, (30 + 70 * f) * tile, (70 + 120 * f) * tile);
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Sweeping arcs of light of the studio set.
    for (int i = 0; i < 5; ++i) {
        const double r = 180 + i * 55;
        QPen arc(QColor(120, 190, 255, 46 - i * 6), 3 + i);
        p.setPen(arc);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(320 - r, 250 - r * 0.55, 2 * r, 1.1 * r), 20 * 16, 140 * 16);
    }
    // The programme's big ball, faint, on the screen wall.
    p.setOpacity(0.16);
    FootballLook look;
    look.leather = QColor(210, 230, 255);
    look.patch = QColor(30, 60, 130);
    look.seamWidth = 2;
    drawFootball(p, QPointF(470, 200), 150, look);
    p.setOpacity(1.0);
    // Studio floor with a reflection of the lights.
    QLinearGradient floor(0, 392, 0, kH);
    floor.setColorAt(0, QColor(10, 18, 40));
    floor.setColorAt(1, QColor(4, 8, 20));
    p.fillRect(QRectF(0, 392, kW, kH - 392), floor);
    // The lit edge of the studio desk riser, with its glow on the wall.
    QLinearGradient glow(0, 352, 0, 392);
    glow.setColorAt(0, QColor(120, 190, 255, 0));
    glow.setColorAt(1, QColor(120, 190, 255, 70));
    p.fillRect(QRectF(0, 352, kW, 40), glow);
    p.fillRect(QRectF(0, 391, kW, 2), QColor(150, 210, 255, 200));
    // A light banner at the top for the page title, with the channel's mark.
    QLinearGradient banner(0, 0, 0, kBanner);
    banner.setColorAt(0, QColor(250, 251, 253));
    banner.setColorAt(1, QColor(206, 214, 226));
    p.fillRect(QRectF(0, 0, kW, kBanner), banner);
    p.fillRect(QRectF(0, kBanner, kW, 4), QColor(200, 28, 40));
    p.fillRect(QRectF(0, kBanner + 4, kW, 2), QColor(0, 0, 0, 80));
    LetteringStyle mark;
    mark.capHeight = 20;
    mark.weight = 0.2;
    mark.slant = 0.18;
    const QPainterPath tv = letteringPath("V2 TV", mark);
    const double markW = letteringWidth("V2 TV", mark) + mark.slant * mark.capHeight;
    QLinearGradient red(0, 10, 0, 34);
    red.setColorAt(0, QColor(230, 50, 50));
    red.setColorAt(1, QColor(160, 16, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRoundedRect(QRectF(kW - markW - 30, 8, markW + 20, 28), 5, 5);
    drawLettering(p, tv.translated(kW - markW - 20, 32), QColor(255, 255, 255), QColor(0, 0, 0, 0), 0);
    p.end();
    return img;
}

QImage makeArchive() {
    constexpr int kW = 700, kH = 520, kFrame = 26;
    QImage img(kW, kH, QImage::Format_RGB32);
    // Walnut desk frame.
    paintPlanks(img, QRect(0, 0, kW, kH), 140, QColor(110, 66, 38), 3401, 1.3);
    // Green leather inlay.
    const QRect inlay(kFrame, kFrame, kW - 2 * kFrame, kH - 2 * kFrame);
    for (int y = inlay.top(); y <= inlay.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = inlay.left(); x <= inlay.right(); ++x) {
            const double grain = fbm(x / 3.0, y / 3.0, 3402, 3) - 0.5;
            const double mottle = fbm(x / 60.0, y / 60.0, 3403, 3) - 0.5;
            const double f = 1.0 + 0.10 * grain + 0.14 * mottle;
            line[x] = rgbF(36 * f, 88 * f, 62 * f);
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Bevel between frame and leather, and a gold tooled line round the inlay.
    p.setPen(QPen(QColor(0, 0, 0, 110), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(inlay).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(200, 164, 80, 170), 1.2));
    p.drawRect(QRectF(inlay).adjusted(9, 9, -9, -9));
    p.setPen(QPen(QColor(200, 164, 80, 110), 0.8));
    p.drawRect(QRectF(inlay).adjusted(12, 12, -12, -12));
    p.end();
    lightFrom(img, QPointF(kW * 0.35, kH * 0.25), 500, 0.18);
    vignette(img, 0.3);
    return img;
}

}  // namespace vm::assets
