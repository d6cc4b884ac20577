// SPDX-License-Identifier: GPL-3.0-or-later
// Small drawing helpers shared by the pictures: pixel loops, colour mixing,
// soft shadows and lettering with outline.
#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vm::assets {

inline int clampByte(double v) {
    return static_cast<int>(std::clamp(std::lround(v), 0L, 255L));
}

inline QRgb rgbF(double r, double g, double b) {
    return qRgb(clampByte(r), clampByte(g), clampByte(b));
}

inline QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor(
        clampByte(a.red() + (b.red() - a.red()) * t), clampByte(a.green() + (b.green() - a.green()) * t),
        clampByte(a.blue() + (b.blue() - a.blue()) * t), clampByte(a.alpha() + (b.alpha() - a.alpha()) * t));
}

inline QColor scaled(const QColor& c, double f) {
    return QColor(clampByte(c.red() * f), clampByte(c.green() * f), clampByte(c.blue() * f), c.alpha());
}

// Calls fn(x, y, pixel) for every pixel of an RGB32 image.
template <typename Fn>
void forEachPixel(QImage& image, Fn fn) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) fn(x, y, line[x]);
    }
}

// A soft shadow: the shape drawn several times, slightly spread, faintly.
inline void softShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int alpha, double spread) {
    p.save();
    p.setPen(Qt::NoPen);
    const int rings = 6;
    for (int i = rings; i >= 1; --i) {
        const double s = spread * i / rings;
        QPen pen(QColor(0, 0, 0, alpha / rings), 2 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(QColor(0, 0, 0, alpha / rings));
        p.drawPath(shape.translated(offset));
    }
    p.restore();
}

// Lettering with a dark outline under the fill.
inline void drawLettering(QPainter& p, const QPainterPath& text, const QBrush& fill, const QColor& outline,
                          double outlineWidth) {
    p.save();
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(outline);
        p.drawPath(text);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(text);
    p.restore();
}

// Darkens the edges of a picture, as a lens would.
inline void vignette(QImage& image, double strength) {
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    const double norm = cx * cx + cy * cy;
    forEachPixel(image, [&](int x, int y, QRgb& px) {
        const double d = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / norm;
        const double f = 1.0 - strength * d * d;
        px = rgbF(qRed(px) * f, qGreen(px) * f, qBlue(px) * f);
    });
}

}  // namespace vm::assets
