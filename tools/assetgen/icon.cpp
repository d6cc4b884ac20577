// SPDX-License-Identifier: GPL-3.0-or-later
// The match ball and its shadow (8 x 8, drawn over the pitch) and the
// application icon: a football on a mown-grass tile with a red "2" badge.
// The icon is one list of vector layers, rendered to PNG at every size and
// written as SVG, so all its forms show the same drawing.
#include "assets.h"
#include "lettering.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <vector>

namespace vm::assets {

QImage makeBall() {
    QImage img(8, 8, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(3.2, 3.0), 4.2);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.6, QColor(238, 238, 236));
    g.setColorAt(1, QColor(170, 172, 176));
    p.setPen(QPen(QColor(40, 40, 46, 220), 0.8));
    p.setBrush(g);
    p.drawEllipse(QPointF(4, 4), 3.3, 3.3);
    // One dark panel, so the ball reads as a football even this small.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 36));
    p.drawEllipse(QPointF(4.5, 4.4), 1.2, 1.1);
    return img;
}

QImage makeBallShadow() {
    QImage img(8, 8, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(4, 4.4), 3.8);
    g.setColorAt(0, QColor(0, 20, 0, 150));
    g.setColorAt(0.7, QColor(0, 20, 0, 110));
    g.setColorAt(1, QColor(0, 20, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(4, 4.4), 3.8, 2.9);
    return img;
}

namespace {

constexpr double kDesign = 256.0;

struct Layer {
    QPainterPath path;
    QColor fill;            // used when there is no gradient
    bool gradient = false;  // linear gradient from g1 (colour c1) to g2 (c2)
    QPointF g1, g2;
    QColor c1, c2;
    QColor stroke = Qt::transparent;
    double strokeWidth = 0;
};

QPainterPath regularPolygon(QPointF c, double r, double startDeg, int n) {
    QPainterPath p;
    for (int i = 0; i < n; ++i) {
        const double a = (startDeg + 360.0 * i / n) * M_PI / 180.0;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

std::vector<Layer> iconLayers() {
    std::vector<Layer> layers;
    QPainterPath tile;
    tile.addRoundedRect(QRectF(12, 12, 232, 232), 46, 46);

    Layer bg;
    bg.path = tile;
    bg.gradient = true;
    bg.g1 = QPointF(0, 12);
    bg.g2 = QPointF(0, 244);
    bg.c1 = QColor(58, 170, 82);
    bg.c2 = QColor(14, 88, 40);
    bg.stroke = QColor(8, 52, 24);
    bg.strokeWidth = 6;
    layers.push_back(bg);

    // Mown bands.
    for (int i = 0; i < 2; ++i) {
        QPainterPath band;
        band.addRect(QRectF(12 + 46.4 * (2 * i + 1), 12, 46.4, 232));
        Layer l;
        l.path = band.intersected(tile);
        l.fill = QColor(255, 255, 255, 22);
        layers.push_back(l);
    }

    // The ball, drawn flat: a central pentagon, seams running out of its
    // corners, and the neighbouring pentagons cut by the rim.
    const QPointF c(120, 118);
    const double R = 78;
    QPainterPath disc;
    disc.addEllipse(c, R, R);
    Layer shadow;
    shadow.path.addEllipse(QPointF(c.x() + 8, c.y() + 10), R, R);
    shadow.fill = QColor(0, 30, 10, 80);
    layers.push_back(shadow);
    Layer ball;
    ball.path = disc;
    ball.gradient = true;
    ball.g1 = QPointF(c.x() - R, c.y() - R);
    ball.g2 = QPointF(c.x() + R, c.y() + R);
    ball.c1 = QColor(255, 255, 255);
    ball.c2 = QColor(196, 200, 206);
    layers.push_back(ball);

    const QColor ink(24, 26, 34);
    Layer seams;
    seams.stroke = ink;
    seams.strokeWidth = 5;
    seams.fill = Qt::transparent;
    Layer patches;
    patches.fill = ink;
    const double inner = 0.3 * R;  // central pentagon
    const double outerAt = 0.84 * R, outerSize = 0.27 * R;
    patches.path = regularPolygon(c, inner, -90, 5);
    auto polar = [&](QPointF centre, double r, double deg) {
        const double a = deg * M_PI / 180.0;
        return QPointF(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    };
    for (int k = 0; k < 5; ++k) {
        const double a = -90 + 72.0 * k;
        const QPointF outer = polar(c, outerAt, a);
        // The outer pentagon points one corner back at the central one.
        patches.path.addPath(regularPolygon(outer, outerSize, a + 180, 5).intersected(disc));
        seams.path.moveTo(polar(c, inner, a));
        seams.path.lineTo(polar(outer, outerSize, a + 180));
        // Its two side corners are joined to the neighbouring pentagons, and
        // its outer corners run on to the rim.
        const QPointF next = polar(c, outerAt, a + 72);
        seams.path.moveTo(polar(outer, outerSize, a + 180 + 216));
        seams.path.lineTo(polar(next, outerSize, a + 72 + 180 + 144));
        for (double corner : {72.0, 288.0}) {
            const QPointF from = polar(outer, outerSize, a + 180 + corner);
            seams.path.moveTo(from);
            seams.path.lineTo(
                polar(c, 0.97 * R,
                      std::atan2(from.y() - c.y(), from.x() - c.x()) * 180 / M_PI + (corner < 180 ? 8 : -8)));
        }
    }
    layers.push_back(seams);
    layers.push_back(patches);
    Layer rim;
    rim.path = disc;
    rim.fill = Qt::transparent;
    rim.stroke = ink;
    rim.strokeWidth = 6;
    layers.push_back(rim);

    // The "2" badge.
    const QPointF bc(188, 190);
    Layer badge;
    badge.path.addEllipse(bc, 46, 46);
    badge.gradient = true;
    badge.g1 = QPointF(0, bc.y() - 46);
    badge.g2 = QPointF(0, bc.y() + 46);
    badge.c1 = QColor(240, 70, 60);
    badge.c2 = QColor(160, 18, 28);
    badge.stroke = QColor(255, 255, 255);
    badge.strokeWidth = 6;
    layers.push_back(badge);
    LetteringStyle s;
    s.capHeight = 54;
    s.weight = 0.22;
    s.slant = 0.12;
    Layer two;
    const double w = letteringWidth("2", s) + s.slant * s.capHeight;
    two.path = letteringPath("2", s).translated(bc.x() - w / 2, bc.y() + s.capHeight / 2);
    two.fill = QColor(255, 255, 255);
    layers.push_back(two);
    return layers;
}

std::string svgNumber(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string svgColour(const QColor& c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red(), c.green(), c.blue());
    return buf;
}

std::string svgPathData(const QPainterPath& path) {
    std::string d;
    QPointF start;
    QPointF last;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            start = last = QPointF(e.x, e.y);
            d += "M" + svgNumber(e.x) + " " + svgNumber(e.y);
        } else if (e.isLineTo()) {
            last = QPointF(e.x, e.y);
            d += "L" + svgNumber(e.x) + " " + svgNumber(e.y);
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += "C" + svgNumber(e.x) + " " + svgNumber(e.y) + " " + svgNumber(c2.x) + " " + svgNumber(c2.y) +
                 " " + svgNumber(end.x) + " " + svgNumber(end.y);
            last = QPointF(end.x, end.y);
            i += 2;
        }
        const bool subpathEnds = i + 1 >= path.elementCount() || path.elementAt(i + 1).isMoveTo();
        if (subpathEnds && !e.isMoveTo() && last == start) d += "Z";
    }
    return d;
}

}  // namespace

QImage makeIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kDesign, size / kDesign);
    for (const Layer& l : iconLayers()) {
        if (l.gradient) {
            QLinearGradient g(l.g1, l.g2);
            g.setColorAt(0, l.c1);
            g.setColorAt(1, l.c2);
            p.setBrush(g);
        } else {
            p.setBrush(l.fill);
        }
        if (l.strokeWidth > 0)
            p.setPen(QPen(l.stroke, l.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        else
            p.setPen(Qt::NoPen);
        p.drawPath(l.path);
    }
    return img;
}

std::string iconSvg() {
    std::string defs, body;
    int gradients = 0;
    for (const Layer& l : iconLayers()) {
        std::string fill = "none";
        if (l.gradient) {
            const std::string id = "g" + std::to_string(gradients++);
            defs += "    <linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\"" +
                    svgNumber(l.g1.x()) + "\" y1=\"" + svgNumber(l.g1.y()) + "\" x2=\"" +
                    svgNumber(l.g2.x()) + "\" y2=\"" + svgNumber(l.g2.y()) + "\">\n" +
                    "      <stop offset=\"0\" stop-color=\"" + svgColour(l.c1) + "\"/>\n" +
                    "      <stop offset=\"1\" stop-color=\"" + svgColour(l.c2) + "\"/>\n" +
                    "    </linearGradient>\n";
            fill = "url(#" + id + ")";
        } else if (l.fill.alpha() > 0) {
            fill = svgColour(l.fill);
            if (l.fill.alpha() < 255) fill += "\" fill-opacity=\"" + svgNumber(l.fill.alphaF());
        }
        body += "  <path d=\"" + svgPathData(l.path) + "\" fill=\"" + fill + "\"";
        if (l.path.fillRule() == Qt::OddEvenFill) body += " fill-rule=\"evenodd\"";
        if (l.strokeWidth > 0)
            body += " stroke=\"" + svgColour(l.stroke) + "\" stroke-width=\"" + svgNumber(l.strokeWidth) +
                    "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
        body += "/>\n";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
           "  <title>Vellmora 2</title>\n"
           "  <defs>\n" +
           defs + "  </defs>\n" + body + "</svg>\n";
}

}  // namespace vm::assets
