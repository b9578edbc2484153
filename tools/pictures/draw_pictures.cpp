// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
//
// Draws the built-in pictures of Qintara's windows: the splash, the caption
// bar with its three buttons, the five window rims, the start picture, the
// toolbar icons, the speaking face, the start and pause icons and the about
// box pictures. Each is written at 1x and at 2x ("name@2x.png") into the
// folder given, with the Qt resource file that lists them.
//
// Usage: draw_pictures <output folder>   (QT_QPA_PLATFORM=offscreen is fine)

#include "Logo.h"
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

const QString uiFamily = QStringLiteral("WenQuanYi Micro Hei");

const QColor captionTop(0x4a, 0x86, 0xcf);
const QColor captionBottom(0x2e, 0x64, 0xaa);
const QColor captionLight(0x7d, 0xaa, 0xe3);
const QColor rimDark(0x24, 0x4f, 0x87);
const QColor ink(0x2b, 0x3a, 0x4a);
const QColor softInk(0x5c, 0x6f, 0x84);

QFont uiFont(qreal pixels, QFont::Weight weight = QFont::Normal)
{
    QFont font(uiFamily);
    font.setPixelSize(int(std::lround(pixels)));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void fillCaptionGradient(QPainter &p, const QRectF &area)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, captionTop);
    gradient.setColorAt(1, captionBottom);
    p.fillRect(area, gradient);
}

void drawCaption(QPainter &p, const QSizeF &s)
{
    fillCaptionGradient(p, QRectF(QPointF(0, 0), s));
    p.fillRect(QRectF(0, 0, s.width(), 1), captionLight);
    p.fillRect(QRectF(0, s.height() - 1, s.width(), 1), rimDark);
    drawLogo(p, QRectF(7, 5, 18, 18));
}

enum class Glyph { About, Minimise, Close };

void drawCaptionButton(QPainter &p, const QSizeF &s, Glyph glyph, bool hover)
{
    const QRectF box(QPointF(0, 0), s);
    if (hover) {
        QPainterPath face;
        face.addRoundedRect(box.adjusted(1, 1, -1, -1), 4, 4);
        p.fillPath(face, glyph == Glyph::Close ? QColor(0xe0, 0x4f, 0x4a) : QColor(255, 255, 255, 70));
    }
    p.setPen(QPen(QColor(255, 255, 255, hover ? 255 : 235), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF c = box.center();
    switch (glyph) {
    case Glyph::About:
        p.drawEllipse(c, 6.2, 6.2);
        p.drawLine(c + QPointF(0, -0.6), c + QPointF(0, 3.2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, hover ? 255 : 235));
        p.drawEllipse(c + QPointF(0, -3.1), 1.0, 1.0);
        break;
    case Glyph::Minimise:
        p.drawLine(c + QPointF(-5, 3.5), c + QPointF(5, 3.5));
        break;
    case Glyph::Close:
        p.drawLine(c + QPointF(-4.5, -4.5), c + QPointF(4.5, 4.5));
        p.drawLine(c + QPointF(-4.5, 4.5), c + QPointF(4.5, -4.5));
        break;
    }
}

// Rims continue the caption's blue down the sides and along the bottom; the
// outermost line is darker.
enum class Rim { Left, LeftBottom, Bottom, RightBottom, Right };

void drawRim(QPainter &p, const QSizeF &s, Rim rim)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(QPointF(0, 0), s), captionBottom);
    const qreal w = s.width();
    const qreal h = s.height();
    if (rim == Rim::Left || rim == Rim::LeftBottom)
        p.fillRect(QRectF(0, 0, 1, h), rimDark);
    if (rim == Rim::Right || rim == Rim::RightBottom)
        p.fillRect(QRectF(w - 1, 0, 1, h), rimDark);
    if (rim == Rim::Bottom || rim == Rim::LeftBottom || rim == Rim::RightBottom)
        p.fillRect(QRectF(0, h - 1, w, 1), rimDark);
}

void drawKey(QPainter &p, const QRectF &key, const QString &label, const QColor &face, const QColor &text,
             qreal radius = 5)
{
    QPainterPath shadow;
    shadow.addRoundedRect(key.translated(0, radius / 2.5), radius, radius);
    p.fillPath(shadow, QColor(0x1d, 0x3b, 0x60, 40));
    QPainterPath cap;
    cap.addRoundedRect(key, radius, radius);
    p.fillPath(cap, face);
    p.setPen(QPen(QColor(0xc9, 0xd5, 0xe3), 1));
    p.drawPath(cap);
    if (!label.isEmpty()) {
        p.setPen(text);
        p.setFont(uiFont(12, QFont::DemiBold));
        p.drawText(key, Qt::AlignCenter, label);
    }
}

void drawStartPicture(QPainter &p, const QSizeF &s)
{
    const QRectF box(QPointF(0, 0), s);
    QLinearGradient back(box.topLeft(), box.bottomLeft());
    back.setColorAt(0, QColor(0xff, 0xff, 0xff));
    back.setColorAt(1, QColor(0xe8, 0xef, 0xf8));
    p.fillRect(box, back);
    // Soft circles give the empty page some depth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x86, 0xcf, 18));
    p.drawEllipse(QPointF(s.width() - 40, 30), 130, 130);
    p.setBrush(QColor(0x4a, 0x86, 0xcf, 12));
    p.drawEllipse(QPointF(30, s.height() - 20), 110, 110);

    drawLogo(p, QRectF(s.width() / 2 - 150, 44, 52, 52));
    p.setPen(ink);
    p.setFont(uiFont(28, QFont::Bold));
    p.drawText(QRectF(s.width() / 2 - 88, 40, 260, 36), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Qintara 打字练习"));
    p.setPen(softInk);
    p.setFont(uiFont(14));
    p.drawText(QRectF(s.width() / 2 - 88, 76, 260, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("英文 · 五笔 · 拼音 · 数字 · 游戏"));

    // A keyboard with the home keys of the index fingers marked.
    const QList<QString> rows = {QStringLiteral("QWERTYUIOP"), QStringLiteral("ASDFGHJKL"),
                                 QStringLiteral("ZXCVBNM")};
    const qreal key = 36;
    const qreal gap = 6;
    const qreal top = 140;
    for (int row = 0; row < rows.size(); ++row) {
        const QString letters = rows[row];
        const qreal width = letters.size() * key + (letters.size() - 1) * gap;
        const qreal left = (s.width() - width) / 2 + row * 10;
        for (int i = 0; i < letters.size(); ++i) {
            const QString letter = letters.mid(i, 1);
            const bool home = letter == u"F" || letter == u"J";
            const QRectF cap(left + i * (key + gap), top + row * (key + gap), key, key);
            drawKey(p, cap, letter, home ? QColor(0x4a, 0x86, 0xcf) : QColor(0xff, 0xff, 0xff),
                    home ? QColor(Qt::white) : ink);
        }
    }
    drawKey(p, QRectF(s.width() / 2 - 120, top + 3 * (key + gap), 240, key), QString(),
            QColor(0xff, 0xff, 0xff), ink);

    p.setPen(softInk);
    p.setFont(uiFont(13));
    p.drawText(QRectF(0, s.height() - 60, s.width(), 24), Qt::AlignCenter,
               QStringLiteral("请从上方菜单或工具栏选择练习内容"));
}

void drawSplash(QPainter &p, const QSizeF &s)
{
    const QRectF box(QPointF(0, 0), s);
    QLinearGradient back(box.topLeft(), box.bottomRight());
    back.setColorAt(0, QColor(0x4a, 0x86, 0xcf));
    back.setColorAt(1, QColor(0x22, 0x4c, 0x8a));
    p.fillRect(box, back);
    // Large faint key caps drift off the right edge.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        QPainterPath cap;
        const QRectF r(s.width() - 170 + (i % 3) * 62 - (i / 3) * 26, 24 + (i / 3) * 62 + (i % 2) * 6, 52, 52);
        cap.addRoundedRect(r, 10, 10);
        p.fillPath(cap, QColor(255, 255, 255, 22 + i * 4));
    }
    drawLogo(p, QRectF(36, 62, 64, 64));
    p.setPen(Qt::white);
    p.setFont(uiFont(44, QFont::Bold));
    p.drawText(QRectF(116, 56, 260, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Qintara"));
    p.setPen(QColor(255, 255, 255, 200));
    p.setFont(uiFont(18));
    p.drawText(QRectF(118, 108, 260, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("4.8"));
    p.setPen(QColor(255, 255, 255, 230));
    p.setFont(uiFont(16));
    p.drawText(QRectF(36, 160, s.width() - 72, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("中英文打字练习 · 五笔 · 拼音"));
    p.setPen(QColor(255, 255, 255, 170));
    p.setFont(uiFont(12));
    p.drawText(QRectF(36, s.height() - 44, s.width() - 72, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("正在启动……"));
    p.fillRect(QRectF(0, s.height() - 4, s.width(), 4), QColor(255, 255, 255, 60));
    p.fillRect(QRectF(0, s.height() - 4, s.width() * 0.38, 4), QColor(255, 255, 255, 200));
}

// Toolbar icons: a rounded tile in the button's colour with a white glyph.
void drawTile(QPainter &p, const QSizeF &s, const QColor &colour)
{
    const QRectF tile = QRectF(QPointF(0, 0), s).adjusted(1, 1, -1, -1);
    QPainterPath path;
    path.addRoundedRect(tile, 6, 6);
    QLinearGradient face(tile.topLeft(), tile.bottomLeft());
    face.setColorAt(0, colour.lighter(118));
    face.setColorAt(1, colour);
    p.fillPath(path, face);
}

QPen glyphPen(qreal width = 1.8)
{
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawTileText(QPainter &p, const QRectF &area, const QString &text, qreal pixels)
{
    p.setPen(Qt::white);
    p.setFont(uiFont(pixels, QFont::Bold));
    p.drawText(area, Qt::AlignCenter, text);
}

// The small "recent" clock in a tile's corner.
void drawRecentBadge(QPainter &p, const QPointF &centre, const QColor &tile)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 5, 5);
    p.setPen(QPen(tile, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -3));
    p.drawLine(centre, centre + QPointF(2.2, 0));
}

Draw toolIcon(int index)
{
    static const QList<QColor> colours = {
        QColor(0x2f, 0x6f, 0xbf), QColor(0xc8, 0x4b, 0x4b), QColor(0xe0, 0x8e, 0x2b), QColor(0x7b, 0x5b, 0xc8),
        QColor(0x2e, 0x9e, 0x6a), QColor(0x5c, 0x6f, 0x84), QColor(0x1f, 0x8a, 0x9e), QColor(0x1f, 0x8a, 0x9e),
        QColor(0x3b, 0x82, 0xc4), QColor(0x2f, 0x6f, 0xbf)};
    return [index](QPainter &p, const QSizeF &s) {
        const QColor colour = colours[index];
        drawTile(p, s, colour);
        const QRectF area(0, 0, s.width(), s.height());
        switch (index) {
        case 0: // recent English article
            drawTileText(p, area.adjusted(0, -1, -4, -3), QStringLiteral("A"), 14);
            drawRecentBadge(p, QPointF(17, 17), colour);
            break;
        case 1: // recent Chinese article
            drawTileText(p, area.adjusted(0, -1, -4, -3), QStringLiteral("文"), 13);
            drawRecentBadge(p, QPointF(17, 17), colour);
            break;
        case 2: // numbers
            drawTileText(p, area, QStringLiteral("123"), 9);
            break;
        case 3: { // games: a game pad
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            QPainterPath pad;
            pad.addRoundedRect(QRectF(4, 8, 16, 9), 4.5, 4.5);
            p.drawPath(pad);
            p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(7, 12.5), QPointF(10, 12.5));
            p.drawLine(QPointF(8.5, 11), QPointF(8.5, 14));
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawEllipse(QPointF(15, 11.5), 1.1, 1.1);
            p.drawEllipse(QPointF(17, 13.5), 1.1, 1.1);
            break;
        }
        case 4: // results: a bar chart
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(6, 12, 3, 6), 1, 1);
            p.drawRoundedRect(QRectF(10.5, 8, 3, 10), 1, 1);
            p.drawRoundedRect(QRectF(15, 5, 3, 13), 1, 1);
            break;
        case 5: { // settings: a gear
            const QPointF c(12, 12);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            for (int tooth = 0; tooth < 8; ++tooth) {
                p.save();
                p.translate(c);
                p.rotate(tooth * 45);
                p.drawRoundedRect(QRectF(-1.6, -8, 3.2, 4), 0.8, 0.8);
                p.restore();
            }
            p.drawEllipse(c, 5.6, 5.6);
            p.setBrush(colour);
            p.drawEllipse(c, 2.3, 2.3);
            break;
        }
        case 6: // normal view: source above, input below
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(5, 5.5, 14, 6), 1.5, 1.5);
            p.setPen(glyphPen(1.4));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(5.5, 13.5, 13, 5), 1.5, 1.5);
            break;
        case 7: // abreast view: lines and their input lines in turn
            p.setPen(glyphPen(1.6));
            for (int line = 0; line < 4; ++line) {
                const qreal y = 6.5 + line * 3.7;
                if (line % 2 == 0)
                    p.drawLine(QPointF(5.5, y), QPointF(18.5, y));
                else
                    p.drawLine(QPointF(5.5, y), QPointF(13, y));
            }
            break;
        case 8: { // sound on and off
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            QPainterPath speaker;
            speaker.moveTo(5, 10);
            speaker.lineTo(8, 10);
            speaker.lineTo(12, 6.5);
            speaker.lineTo(12, 17.5);
            speaker.lineTo(8, 14);
            speaker.lineTo(5, 14);
            speaker.closeSubpath();
            p.drawPath(speaker);
            p.setPen(glyphPen(1.4));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(10, 8.5, 6, 7), -50 * 16, 100 * 16);
            p.drawArc(QRectF(10, 6, 9.5, 12), -50 * 16, 100 * 16);
            break;
        }
        case 9: // help
            drawTileText(p, area.adjusted(0, 0, 0, -1), QStringLiteral("?"), 15);
            break;
        }
    };
}

void drawFace(QPainter &p, const QSizeF &)
{
    const QPointF c(13, 16);
    QRadialGradient skin(c + QPointF(-3, -4), 14);
    skin.setColorAt(0, QColor(0xff, 0xe0, 0x7a));
    skin.setColorAt(1, QColor(0xf2, 0xb8, 0x2e));
    p.setPen(QPen(QColor(0xc9, 0x8a, 0x12), 1));
    p.setBrush(skin);
    p.drawEllipse(c, 11.5, 11.5);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(c + QPointF(-4, -3), 1.4, 1.8);
    p.drawEllipse(c + QPointF(4, -3), 1.4, 1.8);
    p.setBrush(QColor(0xa2, 0x32, 0x32));
    p.drawEllipse(QRectF(c.x() - 3.5, c.y() + 2.5, 7, 5.5));
    p.setPen(QPen(QColor(0x2f, 0x6f, 0xbf), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(21, 10, 6, 12), -55 * 16, 110 * 16);
    p.drawArc(QRectF(20, 6, 11, 20), -50 * 16, 100 * 16);
}

void drawStartIcon(QPainter &p, const QSizeF &)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x9e, 0x6a));
    QPainterPath play;
    play.moveTo(4.5, 2.5);
    play.lineTo(13.5, 8);
    play.lineTo(4.5, 13.5);
    play.closeSubpath();
    p.drawPath(play);
}

void drawPauseIcon(QPainter &p, const QSizeF &)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0x8e, 0x2b));
    p.drawRoundedRect(QRectF(3.5, 3, 3.5, 10), 1, 1);
    p.drawRoundedRect(QRectF(9, 3, 3.5, 10), 1, 1);
}

// The about box's hidden picture: a keyboard that smiles back.
void drawAboutHidden(QPainter &p, const QSizeF &s)
{
    const QRectF body(10, 26, s.width() - 20, s.height() - 36);
    QPainterPath board;
    board.addRoundedRect(body, 10, 10);
    p.fillPath(board, QColor(0x4a, 0x86, 0xcf));
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 7; ++i)
            drawKey(p, QRectF(body.left() + 9 + i * 12, body.top() + 8 + row * 12, 10, 9), QString(),
                    QColor(Qt::white), ink, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(s.width() / 2 - 14, body.bottom() - 18), 2.2, 2.2);
    p.drawEllipse(QPointF(s.width() / 2 + 14, body.bottom() - 18), 2.2, 2.2);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(s.width() / 2 - 9, body.bottom() - 22, 18, 12), -20 * 16, -140 * 16);
    // A heart floats above.
    QPainterPath heart;
    const QPointF h(s.width() / 2, 16);
    heart.moveTo(h + QPointF(0, 6));
    heart.cubicTo(h + QPointF(-10, -2), h + QPointF(-5, -11), h + QPointF(0, -4));
    heart.cubicTo(h + QPointF(5, -11), h + QPointF(10, -2), h + QPointF(0, 6));
    p.setPen(Qt::NoPen);
    p.fillPath(heart, QColor(0xe0, 0x4f, 0x4a));
}

QList<Picture> pictures()
{
    QList<Picture> list = {
        {QStringLiteral("splash"), {440, 270}, drawSplash},
        {QStringLiteral("caption"), {598, 28}, drawCaption},
        {QStringLiteral("about"), {28, 22}, [](QPainter &p, const QSizeF &s) { drawCaptionButton(p, s, Glyph::About, false); }},
        {QStringLiteral("about_hover"), {28, 22}, [](QPainter &p, const QSizeF &s) { drawCaptionButton(p, s, Glyph::About, true); }},
        {QStringLiteral("minimize"), {28, 22}, [](QPainter &p, const QSizeF &s) { drawCaptionButton(p, s, Glyph::Minimise, false); }},
        {QStringLiteral("minimize_hover"), {28, 22}, [](QPainter &p, const QSizeF &s) { drawCaptionButton(p, s, Glyph::Minimise, true); }},
        {QStringLiteral("close"), {28, 22}, [](QPainter &p, const QSizeF &s) { drawCaptionButton(p, s, Glyph::Close, false); }},
        {QStringLiteral("close_hover"), {28, 22}, [](QPainter &p, const QSizeF &s) { drawCaptionButton(p, s, Glyph::Close, true); }},
        {QStringLiteral("rim_left"), {4, 32}, [](QPainter &p, const QSizeF &s) { drawRim(p, s, Rim::Left); }},
        {QStringLiteral("rim_left_bottom"), {4, 4}, [](QPainter &p, const QSizeF &s) { drawRim(p, s, Rim::LeftBottom); }},
        {QStringLiteral("rim_bottom"), {32, 4}, [](QPainter &p, const QSizeF &s) { drawRim(p, s, Rim::Bottom); }},
        {QStringLiteral("rim_right_bottom"), {4, 4}, [](QPainter &p, const QSizeF &s) { drawRim(p, s, Rim::RightBottom); }},
        {QStringLiteral("rim_right"), {4, 32}, [](QPainter &p, const QSizeF &s) { drawRim(p, s, Rim::Right); }},
        {QStringLiteral("start"), {589, 419}, drawStartPicture},
        {QStringLiteral("face"), {32, 32}, drawFace},
        {QStringLiteral("start_button"), {16, 16}, drawStartIcon},
        {QStringLiteral("pause_button"), {16, 16}, drawPauseIcon},
        {QStringLiteral("logo"), {64, 64}, [](QPainter &p, const QSizeF &s) { drawLogo(p, QRectF(QPointF(2, 2), s - QSizeF(4, 4))); }},
        {QStringLiteral("about_hidden"), {120, 96}, drawAboutHidden},
    };
    for (int index = 0; index < 10; ++index)
        list.append({QStringLiteral("tool%1").arg(index), {24, 24}, toolIcon(index)});
    return list;
}

} // namespace

int main(int argc, char *argv[])
{
    return writePictureSet(argc, argv, QStringLiteral("draw_pictures"), QStringLiteral("app_pictures.qrc"), QStringLiteral("/app"), pictures,
                           QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}
