// SPDX-License-Identifier: GPL-3.0-or-later
// Football drawing: the twelve dark pentagons sit on the vertices of an
// icosahedron, a third of the way along each edge; the remaining edges of the
// truncated icosahedron are the seams between the white hexagons.
#include "football.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vm::assets {

namespace {

struct Vec {
    double x, y, z;
};
Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator*(Vec a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
double dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec unit(Vec a) {
    return a * (1.0 / std::sqrt(dot(a, a)));
}

std::array<Vec, 12> icosahedron() {
    const double g = (1.0 + std::sqrt(5.0)) / 2.0;
    return {Vec{0, 1, g}, {0, 1, -g},  {0, -1, g}, {0, -1, -g}, {1, g, 0},  {1, -g, 0},
            {-1, g, 0},   {-1, -g, 0}, {g, 0, 1},  {g, 0, -1},  {-g, 0, 1}, {-g, 0, -1}};
}

struct Projector {
    QPointF centre;
    double radius;
    double m[3][3];

    Vec rotate(Vec v) const {
        return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
                m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
    }
    // A point on the unit sphere (already rotated) to the screen; points on the
    // far side are pulled onto the rim so that shapes crossing it stay closed.
    QPointF project(Vec v) const {
        if (v.z < 0) {
            const double r = std::hypot(v.x, v.y);
            if (r > 0) v = {v.x / r, v.y / r, 0};
        }
        return {centre.x() + radius * v.x, centre.y() - radius * v.y};
    }
};

// Points along the great-circle arc from a to b (unit vectors), b included.
void arcPoints(Vec a, Vec b, int steps, std::vector<Vec>& out) {
    for (int i = 1; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        out.push_back(unit(a * (1 - t) + b * t));
    }
}

}  // namespace

void drawFootball(QPainter& painter, QPointF centre, double radius, const FootballLook& look) {
    Projector pr{centre, radius, {}};
    {
        const double cy = std::cos(look.yaw), sy = std::sin(look.yaw);
        const double cx = std::cos(look.tilt), sx = std::sin(look.tilt);
        const double cz = std::cos(look.roll), sz = std::sin(look.roll);
        // R = Rz(roll) * Rx(tilt) * Ry(yaw)
        const double ry[3][3] = {{cy, 0, sy}, {0, 1, 0}, {-sy, 0, cy}};
        const double rx[3][3] = {{1, 0, 0}, {0, cx, -sx}, {0, sx, cx}};
        const double rz[3][3] = {{cz, -sz, 0}, {sz, cz, 0}, {0, 0, 1}};
        double t[3][3] = {};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int k = 0; k < 3; ++k) t[i][j] += rx[i][k] * ry[k][j];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                pr.m[i][j] = 0;
                for (int k = 0; k < 3; ++k) pr.m[i][j] += rz[i][k] * t[k][j];
            }
    }

    const auto raw = icosahedron();
    std::array<Vec, 12> v{};
    for (int i = 0; i < 12; ++i) v[i] = pr.rotate(unit(raw[i]));
    const double edge = 2.0 / std::sqrt(dot(raw[0], raw[0]));  // edge length on the unit sphere
    auto neighbours = [&](int i) {
        std::vector<int> n;
        for (int j = 0; j < 12; ++j)
            if (j != i && std::abs(std::sqrt(dot(v[i] - v[j], v[i] - v[j])) - edge) < 1e-6) n.push_back(j);
        // Order them around v[i].
        const Vec axis = v[i];
        const Vec ref = unit(v[n[0]] - axis * dot(v[n[0]], axis));
        const Vec ref2 = cross(axis, ref);
        std::sort(n.begin(), n.end(), [&](int a, int b) {
            const Vec da = v[a] - axis * dot(v[a], axis), db = v[b] - axis * dot(v[b], axis);
            return std::atan2(dot(da, ref2), dot(da, ref)) < std::atan2(dot(db, ref2), dot(db, ref));
        });
        return n;
    };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);

    // Leather, lit from the upper left.
    const QPointF lightSpot(centre.x() - radius * 0.35, centre.y() - radius * 0.4);
    QRadialGradient body(lightSpot, radius * 1.45);
    body.setColorAt(0.0, look.leather.lighter(104));
    body.setColorAt(0.55, look.leather);
    body.setColorAt(1.0, look.leather.darker(150));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawPath(disc);
    painter.setClipPath(disc);

    const Vec light = unit({-0.45, 0.55, 0.7});
    for (int i = 0; i < 12; ++i) {
        if (v[i].z < -0.45) continue;  // wholly on the far side
        const auto n = neighbours(i);
        std::vector<Vec> corners;
        for (int j : n) corners.push_back(unit(v[i] + (v[j] - v[i]) * (1.0 / 3.0)));
        std::vector<Vec> outline;
        for (std::size_t k = 0; k < corners.size(); ++k)
            arcPoints(corners[k], corners[(k + 1) % corners.size()], 6, outline);
        QPolygonF poly;
        for (const Vec& p : outline) poly << pr.project(p);
        const double lit = std::clamp(0.55 + 0.45 * dot(v[i], light), 0.0, 1.0);
        QColor c = look.patch;
        c.setRgbF(c.redF() * (0.6 + 0.6 * lit), c.greenF() * (0.6 + 0.6 * lit),
                  c.blueF() * (0.6 + 0.6 * lit));
        painter.setBrush(c);
        painter.drawPolygon(poly);
    }

    if (look.seamWidth > 0) {
        QPen seam(QColor(90, 92, 100, 170), look.seamWidth);
        seam.setCapStyle(Qt::RoundCap);
        painter.setPen(seam);
        painter.setBrush(Qt::NoBrush);
        for (int i = 0; i < 12; ++i)
            for (int j = i + 1; j < 12; ++j) {
                if (std::abs(std::sqrt(dot(v[i] - v[j], v[i] - v[j])) - edge) > 1e-6) continue;
                const Vec a = unit(v[i] + (v[j] - v[i]) * (1.0 / 3.0));
                const Vec b = unit(v[i] + (v[j] - v[i]) * (2.0 / 3.0));
                if (a.z < 0 && b.z < 0) continue;
                std::vector<Vec> pts{a};
                arcPoints(a, b, 6, pts);
                QPainterPath path;
                bool drawing = false;
                for (const Vec& p : pts) {
                    if (p.z < 0) {
                        drawing = false;
                        continue;
                    }
                    if (drawing)
                        path.lineTo(pr.project(p));
                    else
                        path.moveTo(pr.project(p));
                    drawing = true;
                }
                painter.drawPath(path);
            }
    }

    // Shade towards the rim and add a soft highlight.
    painter.setPen(Qt::NoPen);
    QRadialGradient rim(centre, radius);
    rim.setColorAt(0.0, QColor(0, 0, 0, 0));
    rim.setColorAt(0.7, QColor(0, 0, 0, 0));
    rim.setColorAt(1.0, QColor(0, 0, 0, 90));
    painter.setBrush(rim);
    painter.drawPath(disc);
    QRadialGradient shine(lightSpot, radius * 0.55);
    shine.setColorAt(0.0, QColor(255, 255, 255, 120));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawPath(disc);
    painter.restore();
}

}  // namespace vm::assets
