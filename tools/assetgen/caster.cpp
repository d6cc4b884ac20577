// SPDX-License-Identifier: GPL-3.0-or-later
// The news presenter at the studio desk. One scene, 320 x 240 design units:
// the large picture (start and end of the programme) shows all of it, the
// small one beside the message box is a close-up of head and shoulders.
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

constexpr int kSceneW = 320, kSceneH = 240;
const QColor kSkin(236, 192, 160);
const QColor kSkinShade(206, 156, 126);
const QColor kHair(58, 38, 28);
const QColor kJacket(32, 44, 78);

void studio(QPainter& p) {
    QRadialGradient bg(QPointF(160, 90), 230);
    bg.setColorAt(0, QColor(60, 110, 190));
    bg.setColorAt(0.6, QColor(24, 50, 110));
    bg.setColorAt(1, QColor(10, 22, 56));
    p.fillRect(QRectF(0, 0, kSceneW, kSceneH), bg);
    // Out-of-focus studio lights.
    Prng rng(5101);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const QPointF c(rng.range(0, kSceneW), rng.range(0, 170));
        const double r = rng.range(5, 16);
        const bool warm = rng.uniform() < 0.3;
        QRadialGradient g(c, r);
        const QColor col = warm ? QColor(255, 210, 150) : QColor(150, 200, 255);
        g.setColorAt(0, QColor(col.red(), col.green(), col.blue(), 70));
        g.setColorAt(0.8, QColor(col.red(), col.green(), col.blue(), 40));
        g.setColorAt(1, QColor(col.red(), col.green(), col.blue(), 0));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    // The programme's ball on the screen wall behind the presenter's shoulder.
    p.setOpacity(0.35);
    FootballLook look;
    look.leather = QColor(220, 235, 255);
    look.patch = QColor(30, 60, 130);
    drawFootball(p, QPointF(262, 70), 40, look);
    p.setOpacity(1.0);
}

void torso(QPainter& p) {
    // Jacket: shoulders, arms leaning on the desk.
    QPainterPath jacket;
    jacket.moveTo(66, 240);
    jacket.lineTo(72, 196);
    jacket.cubicTo(72, 162, 96, 152, 136, 147);
    jacket.lineTo(160, 146);
    jacket.lineTo(184, 147);
    jacket.cubicTo(224, 152, 248, 162, 248, 196);
    jacket.lineTo(254, 240);
    jacket.closeSubpath();
    QLinearGradient jg(0, 146, 0, 240);
    jg.setColorAt(0, kJacket.lighter(130));
    jg.setColorAt(1, kJacket.darker(130));
    p.setPen(QPen(kJacket.darker(180), 1.2));
    p.setBrush(jg);
    p.drawPath(jacket);
    // Shirt and tie in the opening of the jacket.
    QPainterPath shirt;
    shirt.moveTo(144, 146);
    shirt.lineTo(176, 146);
    shirt.lineTo(160, 200);
    shirt.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 246, 250));
    p.drawPath(shirt);
    QPainterPath tie;
    tie.moveTo(156, 150);
    tie.lineTo(164, 150);
    tie.lineTo(162, 157);
    tie.lineTo(166, 192);
    tie.lineTo(160, 200);
    tie.lineTo(154, 192);
    tie.lineTo(158, 157);
    tie.closeSubpath();
    QLinearGradient tg(150, 0, 170, 0);
    tg.setColorAt(0, QColor(210, 40, 50));
    tg.setColorAt(1, QColor(150, 20, 32));
    p.setBrush(tg);
    p.drawPath(tie);
    // Lapels.
    p.setBrush(kJacket.darker(125));
    QPainterPath lapelL;
    lapelL.moveTo(143, 147);
    lapelL.lineTo(160, 204);
    lapelL.lineTo(146, 186);
    lapelL.lineTo(136, 166);
    lapelL.lineTo(141, 160);
    lapelL.lineTo(134, 152);
    lapelL.closeSubpath();
    p.drawPath(lapelL);
    QTransform mirror(-1, 0, 0, 1, 320, 0);
    p.drawPath(mirror.map(lapelL));
    // Lapel microphone and the channel pin.
    p.setBrush(QColor(20, 20, 24));
    p.drawEllipse(QPointF(141, 172), 2.2, 2.2);
    p.setBrush(QColor(220, 40, 50));
    p.drawEllipse(QPointF(184, 176), 2.5, 2.5);
}

void head(QPainter& p) {
    p.save();
    p.translate(0, 8);  // the head sits low on the shoulders
    p.setPen(Qt::NoPen);
    // Hair behind the head.
    p.setBrush(kHair);
    p.drawEllipse(QPointF(160, 90), 30, 28);
    // Ears.
    p.setBrush(kSkinShade);
    p.drawEllipse(QPointF(133.5, 101), 4.5, 7.5);
    p.drawEllipse(QPointF(186.5, 101), 4.5, 7.5);
    // Face.
    QRadialGradient face(QPointF(154, 92), 40);
    face.setColorAt(0, kSkin.lighter(106));
    face.setColorAt(0.7, kSkin);
    face.setColorAt(1, kSkinShade);
    p.setBrush(face);
    QPainterPath faceShape;
    faceShape.moveTo(134, 92);
    faceShape.cubicTo(134, 66, 186, 66, 186, 92);
    faceShape.cubicTo(186, 112, 176, 130, 160, 131);
    faceShape.cubicTo(144, 130, 134, 112, 134, 92);
    p.drawPath(faceShape);
    // Fringe with a side parting.
    QPainterPath fringe;
    fringe.moveTo(131, 98);
    fringe.cubicTo(126, 70, 150, 58, 168, 61);
    fringe.cubicTo(186, 63, 194, 78, 189, 98);
    fringe.cubicTo(186, 86, 182, 80, 174, 77);
    fringe.cubicTo(160, 84, 146, 82, 140, 78);
    fringe.cubicTo(136, 84, 135, 90, 131, 98);
    fringe.closeSubpath();
    QLinearGradient hg(0, 58, 0, 98);
    hg.setColorAt(0, kHair.lighter(150));
    hg.setColorAt(1, kHair);
    p.setBrush(hg);
    p.drawPath(fringe);
    // Eyebrows.
    p.setPen(QPen(kHair, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath browL, browR;
    browL.moveTo(143, 92);
    browL.quadTo(149, 88.5, 155, 91);
    browR.moveTo(165, 91);
    browR.quadTo(171, 88.5, 177, 92);
    p.drawPath(browL);
    p.drawPath(browR);
    // Eyes.
    p.setPen(Qt::NoPen);
    for (double ex : {149.0, 171.0}) {
        p.setBrush(QColor(250, 250, 250));
        p.drawEllipse(QPointF(ex, 99), 4.6, 2.6);
        p.setBrush(QColor(70, 48, 30));
        p.drawEllipse(QPointF(ex + 0.4, 99), 2.3, 2.3);
        p.setBrush(QColor(10, 8, 8));
        p.drawEllipse(QPointF(ex + 0.4, 99), 1.1, 1.1);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(ex + 1.1, 98.2), 0.6, 0.6);
        p.setPen(QPen(QColor(60, 40, 30), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(ex - 4.8, 96.2, 9.6, 5.6), 20 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
    }
    // Nose, shaded on one side.
    p.setPen(QPen(kSkinShade.darker(115), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath nose;
    nose.moveTo(161, 101);
    nose.cubicTo(162, 106, 164, 110, 162, 113);
    nose.quadTo(160, 114.5, 157, 113);
    p.drawPath(nose);
    // A presenter's smile.
    QPainterPath mouth;
    mouth.moveTo(151, 119);
    mouth.quadTo(160, 126, 169, 119);
    mouth.quadTo(160, 122.5, 151, 119);
    p.setPen(QPen(QColor(150, 70, 70), 1.0));
    p.setBrush(QColor(250, 245, 240));
    p.drawPath(mouth);
    // Cheeks.
    p.setPen(Qt::NoPen);
    for (double cx : {143.0, 177.0}) {
        QRadialGradient blush(QPointF(cx, 112), 8);
        blush.setColorAt(0, QColor(230, 120, 110, 60));
        blush.setColorAt(1, QColor(230, 120, 110, 0));
        p.setBrush(blush);
        p.drawEllipse(QPointF(cx, 112), 8, 8);
    }
    p.restore();
}

void neck(QPainter& p) {
    QLinearGradient ng(150, 0, 170, 0);
    ng.setColorAt(0, kSkinShade);
    ng.setColorAt(1, kSkin);
    p.setPen(Qt::NoPen);
    p.setBrush(ng);
    p.drawRect(QRectF(149, 126, 22, 26));
    // The shadow of the chin.
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QPointF(160, 139), 12, 5);
}

void desk(QPainter& p) {
    QLinearGradient top(0, 196, 0, 206);
    top.setColorAt(0, QColor(210, 220, 236));
    top.setColorAt(1, QColor(150, 162, 184));
    p.setPen(Qt::NoPen);
    p.setBrush(top);
    QPainterPath surface;
    surface.moveTo(0, 206);
    surface.lineTo(20, 196);
    surface.lineTo(300, 196);
    surface.lineTo(320, 206);
    surface.closeSubpath();
    p.drawPath(surface);
    QLinearGradient front(0, 206, 0, 240);
    front.setColorAt(0, QColor(30, 48, 96));
    front.setColorAt(1, QColor(10, 18, 44));
    p.fillRect(QRectF(0, 206, kSceneW, 34), front);
    p.fillRect(QRectF(0, 206, kSceneW, 2), QColor(150, 210, 255));
    p.fillRect(QRectF(0, 226, kSceneW, 3), QColor(200, 30, 40));
    // Script papers and the presenter's hands.
    p.setBrush(QColor(250, 250, 246));
    QPolygonF sheet;
    sheet << QPointF(136, 197) << QPointF(188, 197) << QPointF(192, 204) << QPointF(132, 204);
    p.drawPolygon(sheet);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(128, 200), 9, 5);
    p.drawEllipse(QPointF(196, 200), 9, 5);
    p.setBrush(kJacket.darker(115));
    p.drawRoundedRect(QRectF(100, 195, 24, 10), 4, 4);
    p.drawRoundedRect(QRectF(200, 195, 24, 10), 4, 4);
    // The channel mark on the desk front.
    LetteringStyle s;
    s.capHeight = 11;
    s.weight = 0.2;
    s.slant = 0.18;
    const double w = letteringWidth("V2 TV", s);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(letteringPath("V2 TV", s).translated(160 - w / 2, 222));
}

void scene(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    studio(p);
    neck(p);
    torso(p);
    head(p);
    desk(p);
}

}  // namespace

QImage makeCasterLarge() {
    QImage img(kSceneW, kSceneH, QImage::Format_RGB32);
    QPainter p(&img);
    scene(p);
    return img;
}

QImage makeCasterSmall() {
    QImage img(160, 120, QImage::Format_RGB32);
    QPainter p(&img);
    p.translate(-80, -46);
    scene(p);
    return img;
}

}  // namespace vm::assets
