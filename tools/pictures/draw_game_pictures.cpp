// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
//
// Draws the pictures of Qintara's three typing games: the pond with the frog
// on its lily pad, the falling bug that carries a letter and the splash
// frames; the hill with nine holes and the four mole pictures; the meadow
// with four signboards, the gun in four frames and the crosshair. Each is
// written at 1x and at 2x ("name@2x.png") into the folder given, with the Qt
// resource file that lists them.
//
// The places that matter to the games (the frog's eyes and mouth, the holes,
// the signboards) follow the game scenes, whose positions are in twips, 15 to
// a pixel; the games paint the letters, pupils, tongue and counts on top.
//
// Usage: draw_game_pictures <output folder>   (QT_QPA_PLATFORM=offscreen is fine)

#include "PictureSet.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cmath>
#include <functional>

namespace {

constexpr QSize sceneSize(594, 426); // 8,910 x 6,390 twips

const QColor outline(0x2d, 0x3a, 0x2a);
const QColor skyTop(0x6c, 0xc3, 0xf5);
const QColor skyBottom(0xd4, 0xf0, 0xff);

qreal px(int twips)
{
    return twips / 15.0;
}

void fillSky(QPainter &p, const QRectF &area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, skyTop);
    sky.setColorAt(1, skyBottom);
    p.fillRect(area, sky);
}

void drawCloud(QPainter &p, const QPointF &c, qreal size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(c, size, size * 0.62);
    p.drawEllipse(c + QPointF(-size * 0.85, size * 0.18), size * 0.62, size * 0.45);
    p.drawEllipse(c + QPointF(size * 0.85, size * 0.2), size * 0.68, size * 0.45);
}

void drawSun(QPainter &p, const QPointF &c, qreal r)
{
    p.setPen(QPen(QColor(0xff, 0xc8, 0x2e), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (r + 5), c + QPointF(std::cos(a), std::sin(a)) * (r + 12));
    }
    QRadialGradient face(c, r);
    face.setColorAt(0, QColor(0xff, 0xf3, 0x8a));
    face.setColorAt(1, QColor(0xff, 0xcf, 0x33));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(c, r, r);
}

void drawFlower(QPainter &p, const QPointF &c, qreal r, const QColor &petal)
{
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * M_PI / 5;
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r, r * 0.8, r * 0.8);
    }
    p.setBrush(QColor(0xff, 0xd5, 0x3d));
    p.drawEllipse(c, r * 0.7, r * 0.7);
}

void drawGrassTuft(QPainter &p, const QPointF &base, qreal height, const QColor &colour)
{
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(base + QPointF(i * 1.5, 0), base + QPointF(i * 3.2, -height * (1 - std::abs(i) * 0.18)));
}

// ---------------------------------------------------------------- frog game

// A lily pad with its notch, centred on c.
void drawLilyPad(QPainter &p, const QPointF &c, qreal w, qreal h, qreal notchAngle)
{
    QPainterPath pad;
    const QRectF box(c.x() - w / 2, c.y() - h / 2, w, h);
    pad.moveTo(c);
    pad.arcTo(box, notchAngle + 18, 324);
    pad.closeSubpath();
    QRadialGradient green(c, w / 2);
    green.setColorAt(0, QColor(0x8c, 0xd8, 0x5a));
    green.setColorAt(1, QColor(0x3f, 0xa3, 0x3a));
    p.setPen(QPen(QColor(0x2a, 0x7a, 0x2c), 1.4));
    p.setBrush(green);
    p.drawPath(pad);
    p.setPen(QPen(QColor(0x2f, 0x8a, 0x30, 150), 1));
    for (int i = 0; i < 6; ++i) {
        const qreal a = (notchAngle + 50 + i * 48) * M_PI / 180;
        p.drawLine(c, c + QPointF(std::cos(a) * w * 0.42, -std::sin(a) * h * 0.42));
    }
}

void drawLotus(QPainter &p, const QPointF &c, qreal r)
{
    p.setPen(QPen(QColor(0xd9, 0x5b, 0x8f), 0.8));
    for (int i = -2; i <= 2; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 24);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.quadTo(-r * 0.45, -r * 0.6, 0, -r * 1.2);
        petal.quadTo(r * 0.45, -r * 0.6, 0, 0);
        p.setBrush(i == 0 ? QColor(0xff, 0xb3, 0xd1) : QColor(0xff, 0x8f, 0xbd));
        p.drawPath(petal);
        p.restore();
    }
}

void drawCattail(QPainter &p, const QPointF &base, qreal height, qreal lean)
{
    const QPointF top = base + QPointF(lean, -height);
    p.setPen(QPen(QColor(0x4e, 0x8f, 0x2e), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, top);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x55, 0x2c));
    const QPointF head = base + QPointF(lean * 0.8, -height * 0.8);
    p.drawRoundedRect(QRectF(head.x() - 3.5, head.y() - 11, 7, 22), 3.5, 3.5);
}

// The frog on the big lily pad at the bottom centre. Its eyes hold the
// pupils the game moves (pupil boxes 4,140..4,530 x 4,920..4,980 twips), its
// mouth is where the tongue starts (4,350, 5,130).
void drawFrog(QPainter &p)
{
    const QPointF eye1(280.5, 332.5);
    const QPointF eye2(301.5, 332.5);
    const QPointF mouth(px(4350), px(5130));
    const QColor skin(0x5c, 0xc2, 0x4a);
    const QColor dark(0x2e, 0x7d, 0x32);
    const QPen line(dark, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Back legs folded at the sides, feet on the pad.
    p.setPen(line);
    p.setBrush(skin);
    p.drawEllipse(QPointF(260, 378), 18, 12);
    p.drawEllipse(QPointF(322, 378), 18, 12);
    p.setBrush(QColor(0x4c, 0xb0, 0x3c));
    p.drawEllipse(QPointF(247, 389), 11, 5);
    p.drawEllipse(QPointF(335, 389), 11, 5);

    // Body and belly.
    QRadialGradient body(QPointF(291, 360), 40);
    body.setColorAt(0, QColor(0x7a, 0xd6, 0x5e));
    body.setColorAt(1, skin);
    p.setBrush(body);
    p.drawEllipse(QPointF(291, 366), 33, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe9, 0xf7, 0xb0));
    p.drawEllipse(QPointF(291, 373), 20, 16);

    // Front legs.
    p.setPen(line);
    p.setBrush(skin);
    p.drawEllipse(QPointF(276, 386), 6, 8);
    p.drawEllipse(QPointF(306, 386), 6, 8);

    // Head with the two eye bumps.
    p.drawEllipse(QPointF(291, 345), 31, 17);
    p.drawEllipse(eye1, 10, 10);
    p.drawEllipse(eye2, 10, 10);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(291, 345), 29.5, 15.5);
    p.setPen(QPen(dark, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(eye1, 7.5, 7.5);
    p.drawEllipse(eye2, 7.5, 7.5);

    // Rosy cheeks and a wide smile through the mouth point.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x8a, 0x8a, 150));
    p.drawEllipse(QPointF(268, 349), 4.5, 3);
    p.drawEllipse(QPointF(314, 349), 4.5, 3);
    QPainterPath smile;
    smile.moveTo(mouth + QPointF(-15, -2));
    smile.quadTo(mouth + QPointF(0, 7), mouth + QPointF(15, -2));
    p.setPen(QPen(QColor(0x1f, 0x5a, 0x22), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
    // Nostrils.
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawEllipse(QPointF(287, 338), 1, 0.8);
    p.drawEllipse(QPointF(295, 338), 1, 0.8);
}

void drawPond(QPainter &p, const QSizeF &s)
{
    fillSky(p, QRectF(0, 0, s.width(), 190));
    drawSun(p, QPointF(520, 60), 24);
    drawCloud(p, QPointF(120, 70), 26);
    drawCloud(p, QPointF(360, 42), 20);

    // Far hills and the grassy bank.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9b, 0xd7, 0x7a));
    QPainterPath hills;
    hills.moveTo(0, 170);
    hills.cubicTo(120, 120, 220, 160, 300, 150);
    hills.cubicTo(400, 135, 500, 115, s.width(), 160);
    hills.lineTo(s.width(), 230);
    hills.lineTo(0, 230);
    p.drawPath(hills);
    QLinearGradient bank(0, 170, 0, 300);
    bank.setColorAt(0, QColor(0x7c, 0xcf, 0x4f));
    bank.setColorAt(1, QColor(0x5a, 0xb0, 0x3c));
    p.setBrush(bank);
    QPainterPath grass;
    grass.moveTo(0, 200);
    grass.cubicTo(150, 180, 420, 185, s.width(), 195);
    grass.lineTo(s.width(), s.height());
    grass.lineTo(0, s.height());
    p.drawPath(grass);
    for (int i = 0; i < 22; ++i)
        drawGrassTuft(p, QPointF(14 + i * 27.5, 222 + (i * 37 % 23)), 9, QColor(0x3f, 0x95, 0x30));
    drawFlower(p, QPointF(60, 240), 3.2, QColor(0xff, 0xff, 0xff));
    drawFlower(p, QPointF(540, 236), 3.2, QColor(0xff, 0x9e, 0xc4));
    drawFlower(p, QPointF(470, 252), 2.8, QColor(0xff, 0xe0, 0x66));

    // The pond, reaching below the picture.
    QPainterPath pond;
    pond.moveTo(-20, 300);
    pond.cubicTo(60, 262, 200, 268, 300, 270);
    pond.cubicTo(420, 272, 540, 258, s.width() + 20, 300);
    pond.lineTo(s.width() + 20, s.height() + 20);
    pond.lineTo(-20, s.height() + 20);
    pond.closeSubpath();
    QLinearGradient water(0, 265, 0, s.height());
    water.setColorAt(0, QColor(0x5e, 0xc8, 0xe6));
    water.setColorAt(1, QColor(0x2b, 0x8c, 0xc4));
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x3c), 3));
    p.setBrush(water);
    p.drawPath(pond);

    // Sparkles on the water.
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QList<QPointF> glints = {{80, 310}, {170, 352}, {420, 318}, {500, 362}, {130, 405}, {450, 408}, {230, 300}};
    for (const QPointF &g : glints)
        p.drawArc(QRectF(g.x() - 14, g.y() - 3, 28, 6), 20 * 16, 140 * 16);

    // Reeds at both ends.
    drawCattail(p, QPointF(18, 330), 70, -4);
    drawCattail(p, QPointF(34, 336), 58, 5);
    drawCattail(p, QPointF(566, 332), 66, 4);
    drawCattail(p, QPointF(580, 340), 54, -3);

    drawLilyPad(p, QPointF(110, 345), 58, 20, 70);
    drawLilyPad(p, QPointF(470, 330), 50, 16, 120);
    drawLilyPad(p, QPointF(520, 395), 64, 22, 250);
    drawLotus(p, QPointF(520, 392), 9);
    drawLilyPad(p, QPointF(70, 400), 48, 18, 300);
    drawLilyPad(p, QPointF(291, 392), 170, 40, 285);
    drawFrog(p);
}

// A friendly fly with a white belly for the letter it carries.
void drawBug(QPainter &p, const QSizeF &s)
{
    const QPointF c(s.width() / 2, s.height() / 2 + 1);
    p.setPen(QPen(QColor(0x6a, 0x8e, 0xb8), 1));
    p.setBrush(QColor(0xd6, 0xec, 0xff, 200));
    p.drawEllipse(QRectF(c.x() - 17, c.y() - 16, 15, 11));
    p.drawEllipse(QRectF(c.x() + 2, c.y() - 16, 15, 11));
    p.setPen(QPen(QColor(0x4a, 0x2c, 0x12), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-4, -11), c + QPointF(-7, -15));
    p.drawLine(c + QPointF(4, -11), c + QPointF(7, -15));
    QRadialGradient shell(c + QPointF(-3, -3), 12);
    shell.setColorAt(0, QColor(0xff, 0xd8, 0x4d));
    shell.setColorAt(1, QColor(0xf0, 0x9a, 0x1c));
    p.setPen(QPen(QColor(0x8a, 0x4b, 0x0e), 1.2));
    p.setBrush(shell);
    p.drawEllipse(c, 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(c, 8, 8);
}

enum class SplashStep { Drop, Crown, Strider, StriderRings, Fade };

void drawRings(QPainter &p, const QPointF &c, const QList<qreal> &radii, int alpha)
{
    p.setBrush(Qt::NoBrush);
    for (const qreal r : radii) {
        p.setPen(QPen(QColor(255, 255, 255, alpha), 1.8));
        p.drawEllipse(c, r, r * 0.34);
        alpha = alpha * 2 / 3;
    }
}

void drawStrider(QPainter &p, const QPointF &c)
{
    p.setPen(QPen(QColor(0x3b, 0x2a, 0x1a), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        p.drawLine(c + QPointF(side * 3, -1), c + QPointF(side * 15, -8));
        p.drawLine(c + QPointF(side * 3, 0), c + QPointF(side * 18, 3));
        p.drawLine(c + QPointF(side * 3, 1), c + QPointF(side * 12, 8));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x36, 0x22));
    p.drawEllipse(c, 5, 2.6);
    p.drawEllipse(c + QPointF(6, -0.5), 2.2, 2);
    p.setBrush(QColor(255, 255, 255, 150));
    for (int side : {-1, 1}) {
        p.drawEllipse(c + QPointF(side * 15, -8), 2, 0.8);
        p.drawEllipse(c + QPointF(side * 18, 3), 2, 0.8);
        p.drawEllipse(c + QPointF(side * 12, 8), 2, 0.8);
    }
}

// `PLAY1Image2` to `PLAY1Image6`, shown in the order 3, 5, 4, 6, 2.
void drawSplash(QPainter &p, const QSizeF &s, SplashStep step)
{
    const QPointF c(s.width() / 2, s.height() / 2 + 6);
    switch (step) {
    case SplashStep::Drop:
        drawRings(p, c, {8}, 230);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawEllipse(c + QPointF(0, -10), 2.5, 4);
        p.drawEllipse(c + QPointF(-5, -6), 1.6, 2.2);
        p.drawEllipse(c + QPointF(5, -6), 1.6, 2.2);
        break;
    case SplashStep::Crown: {
        drawRings(p, c, {14, 22}, 230);
        QPainterPath crown;
        crown.moveTo(c + QPointF(-9, 0));
        for (int i = 0; i < 5; ++i) {
            const qreal x = -9 + i * 4.5;
            crown.lineTo(c + QPointF(x + 2.25, -10 - (i % 2) * 4));
            crown.lineTo(c + QPointF(x + 4.5, -2));
        }
        crown.closeSubpath();
        p.setPen(QPen(QColor(0x9a, 0xdc, 0xf5), 1));
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawPath(crown);
        p.setPen(Qt::NoPen);
        for (const QPointF d : {QPointF(-14, -16), QPointF(13, -18), QPointF(0, -22)})
            p.drawEllipse(c + d, 1.8, 1.8);
        break;
    }
    case SplashStep::Strider:
        drawRings(p, c, {18, 28}, 200);
        drawStrider(p, c + QPointF(2, -2));
        break;
    case SplashStep::StriderRings:
        drawRings(p, c + QPointF(-8, 0), {12, 24, 34}, 200);
        drawStrider(p, c + QPointF(-8, -2));
        break;
    case SplashStep::Fade:
        drawRings(p, c, {30, 38}, 110);
        break;
    }
}

// ---------------------------------------------------------------- mole game

// The holes sit under the mole pictures (990 x 1,065 twips each).
const QList<QPointF> moleCorners = {
    {1890, 3480}, {1440, 4860}, {3060, 3990}, {4170, 4920}, {4590, 3540},
    {5580, 4980}, {6030, 3570}, {7380, 4830}, {270, 4500},
};
constexpr QSizeF moleSize(66, 71);

QPointF holeCentre(const QSizeF &picture)
{
    return QPointF(picture.width() / 2, picture.height() - 11);
}

void drawHole(QPainter &p, const QPointF &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9b, 0x6b, 0x3f));
    p.drawEllipse(c, 31, 11);
    QRadialGradient dark(c + QPointF(0, 2), 26);
    dark.setColorAt(0, QColor(0x1e, 0x12, 0x08));
    dark.setColorAt(1, QColor(0x4a, 0x2e, 0x16));
    p.setBrush(dark);
    p.drawEllipse(c, 25, 8);
}

void drawHill(QPainter &p, const QSizeF &s)
{
    fillSky(p, QRectF(0, 0, s.width(), s.height()));
    drawSun(p, QPointF(300, 52), 26);
    drawCloud(p, QPointF(130, 62), 24);
    drawCloud(p, QPointF(470, 80), 28);

    QPainterPath far;
    far.moveTo(0, 190);
    far.cubicTo(140, 140, 250, 150, 330, 175);
    far.cubicTo(420, 150, 520, 140, s.width(), 175);
    far.lineTo(s.width(), s.height());
    far.lineTo(0, s.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x93, 0xd8, 0x6c));
    p.drawPath(far);

    QPainterPath hill;
    hill.moveTo(0, 230);
    hill.cubicTo(150, 170, 420, 165, s.width(), 220);
    hill.lineTo(s.width(), s.height());
    hill.lineTo(0, s.height());
    QLinearGradient green(0, 170, 0, s.height());
    green.setColorAt(0, QColor(0x7f, 0xd1, 0x4e));
    green.setColorAt(1, QColor(0x4a, 0xa5, 0x38));
    p.setBrush(green);
    p.drawPath(hill);
    for (int i = 0; i < 30; ++i)
        drawGrassTuft(p, QPointF(10 + i * 19.5, 240 + (i * 53 % 170)), 8, QColor(0x3c, 0x93, 0x2e));
    const QList<std::pair<QPointF, QColor>> flowers = {
        {{40, 300}, QColor(0xff, 0xff, 0xff)}, {{240, 250}, QColor(0xff, 0x9e, 0xc4)},
        {{420, 236}, QColor(0xff, 0xe0, 0x66)}, {{560, 300}, QColor(0xff, 0xff, 0xff)},
        {{350, 410}, QColor(0xff, 0x9e, 0xc4)}, {{20, 410}, QColor(0xff, 0xe0, 0x66)},
        {{575, 400}, QColor(0xff, 0x9e, 0xc4)}, {{230, 400}, QColor(0xff, 0xff, 0xff)},
    };
    for (const auto &[c, colour] : flowers)
        drawFlower(p, c, 3, colour);
    for (const QPointF &corner : moleCorners)
        drawHole(p, QPointF(px(int(corner.x())), px(int(corner.y()))) + holeCentre(moleSize));
}

enum class Mole { Mound, Peek, Up, Dazed };

// The front lip of the hole, drawn over the mole's lower body.
void drawHoleLip(QPainter &p, const QPointF &c)
{
    QPainterPath lip;
    lip.moveTo(c + QPointF(-31, 0));
    lip.quadTo(c + QPointF(0, 22), c + QPointF(31, 0));
    lip.quadTo(c + QPointF(0, 9), c + QPointF(-31, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9b, 0x6b, 0x3f));
    p.drawPath(lip);
    p.setBrush(QColor(0x7a, 0x52, 0x2e));
    p.drawEllipse(c + QPointF(-20, 6), 3, 2);
    p.drawEllipse(c + QPointF(14, 8), 2.5, 1.8);
}

void drawStar(QPainter &p, const QPointF &c, qreal r)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal radius = i % 2 ? r * 0.45 : r;
        const QPointF point = c + QPointF(std::cos(a), std::sin(a)) * radius;
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(0xc7, 0x8a, 0x00), 0.8));
    p.setBrush(QColor(0xff, 0xde, 0x3b));
    p.drawPath(star);
}

// A mole whose head centre is at head; rise lifts the body out of the hole.
void drawMoleBody(QPainter &p, const QPointF &head, bool dazed, bool paws)
{
    const QColor fur(0x8a, 0x5a, 0x32);
    const QColor face(0xe3, 0xbc, 0x8e);
    const QPen line(QColor(0x4a, 0x2c, 0x14), 1.3);
    p.setPen(line);
    p.setBrush(fur);
    // Body.
    p.drawRoundedRect(QRectF(head.x() - 19, head.y() + 2, 38, 40), 16, 16);
    // Ears.
    p.drawEllipse(head + QPointF(-16, -12), 5, 5);
    p.drawEllipse(head + QPointF(16, -12), 5, 5);
    // Head.
    p.drawEllipse(head, 20, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(head + QPointF(0, 5), 13, 10);
    p.drawEllipse(QRectF(head.x() - 11, head.y() + 19, 22, 20));
    // Eyes.
    if (dazed) {
        p.setPen(QPen(QColor(0x2a, 0x1a, 0x0c), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (const qreal side : {-7.0, 7.0}) {
            const QPointF e = head + QPointF(side, -4);
            p.drawLine(e + QPointF(-2.6, -2.6), e + QPointF(2.6, 2.6));
            p.drawLine(e + QPointF(-2.6, 2.6), e + QPointF(2.6, -2.6));
        }
    } else {
        p.setBrush(QColor(0x1e, 0x12, 0x08));
        p.drawEllipse(head + QPointF(-7, -4), 2.6, 3.2);
        p.drawEllipse(head + QPointF(7, -4), 2.6, 3.2);
        p.setBrush(Qt::white);
        p.drawEllipse(head + QPointF(-6.2, -5.2), 0.9, 0.9);
        p.drawEllipse(head + QPointF(7.8, -5.2), 0.9, 0.9);
    }
    // Nose, whiskers and mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x6f, 0x91));
    p.drawEllipse(head + QPointF(0, 2), 4.5, 3.5);
    p.setPen(QPen(QColor(0x4a, 0x2c, 0x14), 0.8));
    for (const int side : {-1, 1}) {
        p.drawLine(head + QPointF(side * 6, 5), head + QPointF(side * 17, 3));
        p.drawLine(head + QPointF(side * 6, 7), head + QPointF(side * 17, 9));
    }
    if (dazed) {
        p.setPen(QPen(QColor(0x4a, 0x2c, 0x14), 1.2));
        p.setBrush(QColor(0xff, 0x8f, 0xa8));
        p.drawEllipse(head + QPointF(0, 10), 3, 2.4);
    } else {
        p.setPen(QPen(QColor(0x4a, 0x2c, 0x14), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(head.x() - 5, head.y() + 3, 10, 7), 200 * 16, 140 * 16);
        p.setPen(QPen(QColor(0x4a, 0x2c, 0x14), 0.8));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(head.x() - 2, head.y() + 9.5, 4, 3));
    }
    if (paws) {
        p.setPen(line);
        p.setBrush(QColor(0xf2, 0xa9, 0xb8));
        p.drawEllipse(head + QPointF(-14, 24), 5.5, 4.5);
        p.drawEllipse(head + QPointF(14, 24), 5.5, 4.5);
    }
}

void drawMole(QPainter &p, const QSizeF &s, Mole mole)
{
    const QPointF hole = holeCentre(s);
    switch (mole) {
    case Mole::Mound: {
        QPainterPath mound;
        mound.moveTo(hole + QPointF(-30, 4));
        mound.cubicTo(hole + QPointF(-22, -26), hole + QPointF(22, -26), hole + QPointF(30, 4));
        mound.quadTo(hole + QPointF(0, 14), hole + QPointF(-30, 4));
        QLinearGradient earth(hole + QPointF(0, -22), hole + QPointF(0, 8));
        earth.setColorAt(0, QColor(0xb5, 0x80, 0x4c));
        earth.setColorAt(1, QColor(0x7a, 0x52, 0x2e));
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x1e), 1.2));
        p.setBrush(earth);
        p.drawPath(mound);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6a, 0x44, 0x22));
        for (const QPointF d : {QPointF(-10, -8), QPointF(6, -12), QPointF(14, -3), QPointF(-18, -1)})
            p.drawEllipse(hole + d, 2.5, 1.8);
        p.setBrush(QColor(0x9b, 0x6b, 0x3f));
        p.drawEllipse(hole + QPointF(-25, -24), 2.5, 2.5);
        p.drawEllipse(hole + QPointF(24, -28), 2, 2);
        break;
    }
    case Mole::Peek:
        p.setClipRect(QRectF(0, 0, s.width(), hole.y() + 2));
        drawMoleBody(p, hole + QPointF(0, -8), false, false);
        p.setClipping(false);
        drawHoleLip(p, hole);
        break;
    case Mole::Up:
        p.setClipRect(QRectF(0, 0, s.width(), hole.y() + 2));
        drawMoleBody(p, hole + QPointF(0, -38), false, true);
        p.setClipping(false);
        drawHoleLip(p, hole);
        break;
    case Mole::Dazed:
        p.setClipRect(QRectF(0, 0, s.width(), hole.y() + 2));
        p.save();
        p.translate(hole + QPointF(0, -30));
        p.rotate(-12);
        drawMoleBody(p, QPointF(0, 0), true, true);
        p.restore();
        p.setClipping(false);
        drawHoleLip(p, hole);
        drawStar(p, QPointF(12, 8), 6);
        drawStar(p, QPointF(34, 3), 5);
        drawStar(p, QPointF(55, 10), 6);
        break;
    }
}

// ------------------------------------------------------------ shooting game

const QList<QPointF> signCorners = {{195, 2010}, {2460, 2370}, {4680, 2550}, {7020, 2640}};
constexpr QSizeF wordSize(114, 27); // 1,710 x 405 twips

void drawSignboard(QPainter &p, const QRectF &word)
{
    const QRectF board = word.adjusted(-7, -6, 7, 6);
    // Posts into the meadow.
    p.setPen(QPen(QColor(0x5e, 0x3b, 0x1c), 1.2));
    p.setBrush(QColor(0x9c, 0x66, 0x34));
    for (const qreal x : {board.left() + 14, board.right() - 20})
        p.drawRect(QRectF(x, board.bottom() - 2, 6, 46));
    // Wooden frame and a dark green face that white words stand out on.
    p.setBrush(QColor(0xc4, 0x8a, 0x4a));
    p.drawRoundedRect(board, 5, 5);
    QLinearGradient face(board.topLeft(), board.bottomLeft());
    face.setColorAt(0, QColor(0x2f, 0x7a, 0x46));
    face.setColorAt(1, QColor(0x1f, 0x5a, 0x33));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRoundedRect(board.adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
    p.setBrush(QColor(0x6e, 0x45, 0x1f));
    p.drawEllipse(board.topLeft() + QPointF(6, board.height() / 2), 1.5, 1.5);
    p.drawEllipse(board.topRight() + QPointF(-6, board.height() / 2), 1.5, 1.5);
}

void drawMeadow(QPainter &p, const QSizeF &s)
{
    fillSky(p, QRectF(0, 0, s.width(), 260));
    drawSun(p, QPointF(300, 46), 22);
    drawCloud(p, QPointF(160, 52), 24);
    drawCloud(p, QPointF(450, 70), 28);

    p.setPen(Qt::NoPen);
    // Trees on the horizon.
    p.setBrush(QColor(0x4f, 0xa4, 0x4a));
    for (int i = 0; i < 12; ++i) {
        const qreal x = 10 + i * 52 + (i % 3) * 7;
        p.drawEllipse(QPointF(x, 226 - (i % 2) * 6), 22, 18);
    }
    QLinearGradient meadow(0, 220, 0, s.height());
    meadow.setColorAt(0, QColor(0x8f, 0xd8, 0x5c));
    meadow.setColorAt(1, QColor(0x58, 0xb0, 0x3c));
    p.setBrush(meadow);
    QPainterPath ground;
    ground.moveTo(0, 236);
    ground.cubicTo(200, 222, 400, 240, s.width(), 228);
    ground.lineTo(s.width(), s.height());
    ground.lineTo(0, s.height());
    p.drawPath(ground);
    for (int i = 0; i < 28; ++i)
        drawGrassTuft(p, QPointF(8 + i * 21.5, 262 + (i * 41 % 150)), 9, QColor(0x3c, 0x93, 0x2e));
    const QList<std::pair<QPointF, QColor>> flowers = {
        {{30, 290}, QColor(0xff, 0xff, 0xff)}, {{120, 350}, QColor(0xff, 0x9e, 0xc4)},
        {{410, 300}, QColor(0xff, 0xe0, 0x66)}, {{560, 340}, QColor(0xff, 0xff, 0xff)},
        {{480, 400}, QColor(0xff, 0x9e, 0xc4)}, {{90, 405}, QColor(0xff, 0xe0, 0x66)},
    };
    for (const auto &[c, colour] : flowers)
        drawFlower(p, c, 3.2, colour);
    for (const QPointF &corner : signCorners)
        drawSignboard(p, QRectF(QPointF(px(int(corner.x())), px(int(corner.y()))), wordSize));
}

enum class Gun { Aimed, Firing, AfterShot, AtRest };

void drawGlove(QPainter &p, const QPointF &c, qreal angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.setPen(QPen(QColor(0x8a, 0x8f, 0x99), 1.2));
    p.setBrush(QColor(0xfa, 0xfa, 0xfa));
    p.drawRoundedRect(QRectF(-12, -10, 24, 22), 9, 9);
    p.setPen(QPen(QColor(0xb0, 0xb5, 0xbe), 1));
    p.drawLine(QPointF(-5, -8), QPointF(-5, 2));
    p.drawLine(QPointF(1, -8), QPointF(1, 2));
    p.drawLine(QPointF(7, -8), QPointF(7, 2));
    p.restore();
}

void drawSleeve(QPainter &p, const QPointF &wrist, const QPointF &bottom)
{
    p.setPen(QPen(QColor(0x1d, 0x4b, 0x86), 1.2));
    p.setBrush(QColor(0x2e, 0x74, 0xc9));
    QPainterPath sleeve;
    const QPointF side(11, 0);
    sleeve.moveTo(wrist - side);
    sleeve.lineTo(wrist + side);
    sleeve.lineTo(bottom + side * 1.4);
    sleeve.lineTo(bottom - side * 1.4);
    sleeve.closeSubpath();
    p.drawPath(sleeve);
    p.setBrush(QColor(0xf2, 0xc1, 0x3d));
    p.drawRoundedRect(QRectF(wrist.x() - 12, wrist.y() - 2, 24, 6), 2, 2);
}

// The pistol, seen from behind, pointing up its muzzle at muzzle.
void drawPistol(QPainter &p, const QPointF &muzzle, qreal length)
{
    QLinearGradient steel(muzzle + QPointF(-8, 0), muzzle + QPointF(8, 0));
    steel.setColorAt(0, QColor(0x3a, 0x45, 0x55));
    steel.setColorAt(0.5, QColor(0x7d, 0x8b, 0x9e));
    steel.setColorAt(1, QColor(0x3a, 0x45, 0x55));
    p.setPen(QPen(QColor(0x1f, 0x26, 0x30), 1.2));
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(muzzle.x() - 8, muzzle.y(), 16, length), 4, 4);
    p.setBrush(QColor(0x1f, 0x26, 0x30));
    p.drawEllipse(muzzle + QPointF(0, 4), 3, 3);
    p.setBrush(QColor(0xff, 0x6b, 0x3d));
    p.drawRect(QRectF(muzzle.x() - 1.5, muzzle.y() - 2.5, 3, 3));
}

void drawGun(QPainter &p, const QSizeF &s, Gun gun)
{
    const qreal cx = s.width() / 2;
    p.save();
    if (gun == Gun::AtRest) {
        p.translate(cx, s.height());
        p.rotate(14);
        p.translate(-cx, -s.height());
    }
    const QPointF muzzle(cx, gun == Gun::AtRest ? 34 : 26);
    drawSleeve(p, QPointF(cx - 17, 98), QPointF(cx - 26, s.height() + 2));
    drawSleeve(p, QPointF(cx + 17, 98), QPointF(cx + 26, s.height() + 2));
    drawPistol(p, muzzle, 64);
    drawGlove(p, QPointF(cx - 11, 84), 18);
    drawGlove(p, QPointF(cx + 11, 84), -18);
    p.restore();

    if (gun == Gun::Firing) {
        QPainterPath flash;
        const QPointF c(cx, 14);
        for (int i = 0; i < 16; ++i) {
            const qreal a = -M_PI / 2 + i * M_PI / 8;
            const qreal r = i % 2 ? 6 : 14;
            const QPointF point = c + QPointF(std::cos(a) * r, std::sin(a) * r);
            if (i == 0)
                flash.moveTo(point);
            else
                flash.lineTo(point);
        }
        flash.closeSubpath();
        QRadialGradient fire(c, 14);
        fire.setColorAt(0, QColor(0xff, 0xff, 0xd0));
        fire.setColorAt(0.5, QColor(0xff, 0xd2, 0x3f));
        fire.setColorAt(1, QColor(0xff, 0x7a, 0x1f));
        p.setPen(QPen(QColor(0xe8, 0x5a, 0x10), 1));
        p.setBrush(fire);
        p.drawPath(flash);
    } else if (gun == Gun::AfterShot) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd8, 0xdc, 0xe2, 200));
        p.drawEllipse(QPointF(cx - 2, 16), 6, 5);
        p.drawEllipse(QPointF(cx + 4, 8), 5, 4);
        p.drawEllipse(QPointF(cx - 3, 2), 3.5, 2.5);
    }
}

void drawCrosshair(QPainter &p, const QSizeF &s)
{
    const QPointF c(s.width() / 2, s.height() / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 170), 5));
    p.drawEllipse(c, 24, 24);
    p.setPen(QPen(QColor(0xe5, 0x2b, 0x2b), 3));
    p.drawEllipse(c, 24, 24);
    p.setPen(QPen(QColor(0xe5, 0x2b, 0x2b), 2));
    p.drawEllipse(c, 13, 13);
    p.setPen(QPen(QColor(0x15, 0x15, 0x15), 2, Qt::SolidLine, Qt::FlatCap));
    for (const QPointF d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        p.drawLine(c + d * 5, c + d * 28);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe5, 0x2b, 0x2b));
    p.drawEllipse(c, 2.2, 2.2);
}

QList<Picture> pictures()
{
    const QSize splash(80, 44);
    const QSize gun(87, 125); // 1,305 x 1,875 twips
    return {
        {QStringLiteral("pond"), sceneSize, drawPond},
        {QStringLiteral("bug"), {36, 34}, drawBug},
        {QStringLiteral("splash2"), splash, [](QPainter &p, const QSizeF &s) { drawSplash(p, s, SplashStep::Fade); }},
        {QStringLiteral("splash3"), splash, [](QPainter &p, const QSizeF &s) { drawSplash(p, s, SplashStep::Drop); }},
        {QStringLiteral("splash4"), splash, [](QPainter &p, const QSizeF &s) { drawSplash(p, s, SplashStep::Strider); }},
        {QStringLiteral("splash5"), splash, [](QPainter &p, const QSizeF &s) { drawSplash(p, s, SplashStep::Crown); }},
        {QStringLiteral("splash6"), splash,
         [](QPainter &p, const QSizeF &s) { drawSplash(p, s, SplashStep::StriderRings); }},
        {QStringLiteral("hill"), sceneSize, drawHill},
        {QStringLiteral("mole_mound"), moleSize.toSize(), [](QPainter &p, const QSizeF &s) { drawMole(p, s, Mole::Mound); }},
        {QStringLiteral("mole_peek"), moleSize.toSize(), [](QPainter &p, const QSizeF &s) { drawMole(p, s, Mole::Peek); }},
        {QStringLiteral("mole_up"), moleSize.toSize(), [](QPainter &p, const QSizeF &s) { drawMole(p, s, Mole::Up); }},
        {QStringLiteral("mole_dazed"), moleSize.toSize(), [](QPainter &p, const QSizeF &s) { drawMole(p, s, Mole::Dazed); }},
        {QStringLiteral("meadow"), sceneSize, drawMeadow},
        {QStringLiteral("gun1"), gun, [](QPainter &p, const QSizeF &s) { drawGun(p, s, Gun::Aimed); }},
        {QStringLiteral("gun2"), gun, [](QPainter &p, const QSizeF &s) { drawGun(p, s, Gun::Firing); }},
        {QStringLiteral("gun3"), gun, [](QPainter &p, const QSizeF &s) { drawGun(p, s, Gun::AfterShot); }},
        {QStringLiteral("gun4"), gun, [](QPainter &p, const QSizeF &s) { drawGun(p, s, Gun::AtRest); }},
        {QStringLiteral("crosshair"), {57, 57}, drawCrosshair}, // 855 x 855 twips
    };
}

} // namespace

int main(int argc, char *argv[])
{
    return writePictureSet(argc, argv, QStringLiteral("draw_game_pictures"), QStringLiteral("game_pictures.qrc"), QStringLiteral("/games"), pictures,
                           QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
}
