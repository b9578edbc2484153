// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
//
// Draws the skins shipped with Qintara, one folder each under the folder
// given: the description "skin.ini" (GBK, CR LF), the title-bar picture, the
// about, minimise and close buttons released and pressed, the five rim
// pieces, each at 1x and at 2x ("name@2x.png"), and the preview the settings
// dialog shows ("preview.bmp", with "preview@2x.bmp").
//
//   青瓷      celadon green, soft and light
//   秋枫      warm maple red, flat buttons
//   高对比度  black and yellow with broad clear edges, for learners with low
//             vision: yellow text and rims on black, yellow buttons with black
//             captions
//
// Usage: draw_skins <output folder>   (QT_QPA_PLATFORM=offscreen is fine)

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringEncoder>
#include <QTextStream>

#include <cmath>
#include <functional>

namespace {

const QString uiFamily = QStringLiteral("WenQuanYi Micro Hei");

// The sizes the main window lays its caption bar and rim out for.
const QSize captionSize(598, 28);
const QSize buttonSize(28, 22);
const QSize previewSize(240, 180);

struct Skin
{
    QString folder;
    QString explain;
    bool highContrast = false;
    // Caption bar and rim.
    QColor captionTop, captionBottom, captionLight, captionEdge;
    QColor title;          // Caption_Color
    QColor glyph;          // the caption buttons' signs
    QColor hoverFace;      // behind a pressed about or minimise sign
    QColor closeFace;      // behind a pressed close sign
    QColor rim, rimEdge;
    QColor mark, markFace; // the key-cap mark at the left of the caption
    // The colours of the description.
    QColor window, menuBack, menuUp, menuDown, menuFrame, menuFont, textBox, label;
    QColor buttonBack, buttonFont, buttonFrame, buttonDown;
    bool xpStyle = true;
    bool xpWinStyle = true;
};

QList<Skin> skins()
{
    Skin celadon;
    celadon.folder = QStringLiteral("青瓷");
    celadon.explain = QStringLiteral("青瓷色的淡雅界面，浅色窗口，圆角按钮。");
    celadon.captionTop = QColor(0x5f, 0xa8, 0x96);
    celadon.captionBottom = QColor(0x3a, 0x7d, 0x6c);
    celadon.captionLight = QColor(0x8c, 0xc7, 0xb8);
    celadon.captionEdge = QColor(0x2a, 0x5e, 0x51);
    celadon.title = QColor(Qt::white);
    celadon.glyph = QColor(Qt::white);
    celadon.hoverFace = QColor(255, 255, 255, 70);
    celadon.closeFace = QColor(0xd2, 0x55, 0x4b);
    celadon.rim = QColor(0x3a, 0x7d, 0x6c);
    celadon.rimEdge = QColor(0x2a, 0x5e, 0x51);
    celadon.mark = QColor(0x2a, 0x5e, 0x51);
    celadon.markFace = QColor(0xf2, 0xfa, 0xf7);
    celadon.window = QColor(0xf2, 0xf7, 0xf4);
    celadon.menuBack = QColor(Qt::white);
    celadon.menuUp = QColor(0x2e, 0x8b, 0x74);
    celadon.menuDown = QColor(0x2e, 0x8b, 0x74);
    celadon.menuFrame = QColor(0x2e, 0x8b, 0x74);
    celadon.menuFont = QColor(0x1f, 0x2d, 0x29);
    celadon.textBox = QColor(0x8f, 0xb5, 0xaa);
    celadon.label = QColor(0x1f, 0x3a, 0x33);
    celadon.buttonBack = QColor(0xe6, 0xf2, 0xee);
    celadon.buttonFont = QColor(0x1f, 0x3a, 0x33);
    celadon.buttonFrame = QColor(0x2e, 0x8b, 0x74);
    celadon.buttonDown = QColor(0xa8, 0xd5, 0xc8);

    Skin maple;
    maple.folder = QStringLiteral("秋枫");
    maple.explain = QStringLiteral("秋天枫叶的暖色界面，平面按钮。");
    maple.captionTop = QColor(0xc8, 0x5a, 0x2a);
    maple.captionBottom = QColor(0x96, 0x3a, 0x1a);
    maple.captionLight = QColor(0xe3, 0x8a, 0x5a);
    maple.captionEdge = QColor(0x6e, 0x28, 0x10);
    maple.title = QColor(0xff, 0xf3, 0xe0);
    maple.glyph = QColor(0xff, 0xf3, 0xe0);
    maple.hoverFace = QColor(255, 243, 224, 70);
    maple.closeFace = QColor(0x5c, 0x1e, 0x0c);
    maple.rim = QColor(0x96, 0x3a, 0x1a);
    maple.rimEdge = QColor(0x6e, 0x28, 0x10);
    maple.mark = QColor(0x6e, 0x28, 0x10);
    maple.markFace = QColor(0xff, 0xf6, 0xea);
    maple.window = QColor(0xfa, 0xf5, 0xec);
    maple.menuBack = QColor(0xff, 0xfb, 0xf5);
    maple.menuUp = QColor(0xd9, 0x6b, 0x2b);
    maple.menuDown = QColor(0xb8, 0x4a, 0x1c);
    maple.menuFrame = QColor(0xd9, 0x6b, 0x2b);
    maple.menuFont = QColor(0x3b, 0x24, 0x16);
    maple.textBox = QColor(0xd4, 0xa0, 0x7a);
    maple.label = QColor(0x4a, 0x2a, 0x16);
    maple.buttonBack = QColor(0xfb, 0xee, 0xdf);
    maple.buttonFont = QColor(0x5a, 0x2d, 0x12);
    maple.buttonFrame = QColor(0xf6, 0xd2, 0xad);
    maple.buttonDown = QColor(0xe8, 0xa8, 0x70);
    maple.xpWinStyle = false;

    // Black and yellow: the strongest contrast two colours give, and yellow
    // edges that stand out round every window, menu and button.
    Skin contrast;
    contrast.folder = QStringLiteral("高对比度");
    contrast.explain = QStringLiteral("黑底黄字的高对比度界面，边框宽而醒目，适合视力较弱的用户。");
    contrast.highContrast = true;
    contrast.captionTop = QColor(Qt::black);
    contrast.captionBottom = QColor(Qt::black);
    contrast.captionLight = QColor(Qt::black);
    contrast.captionEdge = QColor(255, 255, 0);
    contrast.title = QColor(255, 255, 0);
    contrast.glyph = QColor(255, 255, 0);
    contrast.hoverFace = QColor(255, 255, 0);
    contrast.closeFace = QColor(255, 255, 0);
    contrast.rim = QColor(255, 255, 0);
    contrast.rimEdge = QColor(255, 255, 0);
    contrast.mark = QColor(255, 255, 0);
    contrast.markFace = QColor(Qt::black);
    contrast.window = QColor(Qt::black);
    contrast.menuBack = QColor(Qt::black);
    contrast.menuUp = QColor(255, 255, 0);
    contrast.menuDown = QColor(255, 255, 0);
    contrast.menuFrame = QColor(255, 255, 0);
    contrast.menuFont = QColor(255, 255, 0);
    contrast.textBox = QColor(255, 255, 0);
    contrast.label = QColor(255, 255, 0);
    contrast.buttonBack = QColor(255, 255, 0);
    contrast.buttonFont = QColor(Qt::black);
    contrast.buttonFrame = QColor(Qt::white);
    contrast.buttonDown = QColor(0xff, 0xc0, 0x00);
    contrast.xpWinStyle = false;

    return {celadon, maple, contrast};
}

QFont uiFont(qreal pixels, QFont::Weight weight = QFont::Normal)
{
    QFont font(uiFamily);
    font.setPixelSize(int(std::lround(pixels)));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A colour as the description keeps it: red + 256 × green + 65536 × blue.
QString colourNumber(const QColor &colour)
{
    return QString::number(colour.red() + 256 * colour.green() + 65536 * colour.blue());
}

using Draw = std::function<void(QPainter &, const QSizeF &)>;

QImage render(const QSize &size, int scale, const Draw &draw)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    draw(painter, QSizeF(size));
    painter.end();
    return image;
}

// The program's mark, a key cap, in the skin's colours.
void drawMark(QPainter &p, const Skin &skin, const QRectF &box)
{
    const qreal r = box.width() * 0.22;
    QPainterPath base;
    base.addRoundedRect(box, r, r);
    p.fillPath(base, skin.mark);
    const QRectF top = box.adjusted(1.5, 1.5, -1.5, -box.height() * 0.12);
    QPainterPath cap;
    cap.addRoundedRect(top, r * 0.8, r * 0.8);
    p.fillPath(cap, skin.markFace);
    p.setPen(QPen(skin.mark, box.width() * 0.11, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF c = top.center();
    const qreal ring = top.width() * 0.24;
    p.drawEllipse(c, ring, ring);
    p.drawLine(c + QPointF(ring * 0.35, ring * 0.35), c + QPointF(ring * 1.05, ring * 1.05));
}

void drawCaption(QPainter &p, const QSizeF &s, const Skin &skin)
{
    const QRectF box(QPointF(0, 0), s);
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, skin.captionTop);
    gradient.setColorAt(1, skin.captionBottom);
    p.fillRect(box, gradient);
    if (skin.highContrast) {
        // A broad yellow line closes the bar off from the window.
        p.fillRect(QRectF(0, s.height() - 3, s.width(), 3), skin.captionEdge);
    } else {
        p.fillRect(QRectF(0, 0, s.width(), 1), skin.captionLight);
        p.fillRect(QRectF(0, s.height() - 1, s.width(), 1), skin.captionEdge);
    }
    drawMark(p, skin, QRectF(7, 4.5, 18, 18));
}

enum class Glyph { About, Minimise, Close };

void drawCaptionButton(QPainter &p, const QSizeF &s, const Skin &skin, Glyph glyph, bool pressed)
{
    const QRectF box(QPointF(0, 0), s);
    QColor ink = skin.glyph;
    if (skin.highContrast) {
        // A clear yellow outline always; pressed, the sign turns black on yellow.
        QPainterPath face;
        face.addRoundedRect(box.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
        if (pressed)
            p.fillPath(face, skin.hoverFace);
        p.setPen(QPen(skin.glyph, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(face);
        if (pressed)
            ink = QColor(Qt::black);
    } else if (pressed) {
        QPainterPath face;
        face.addRoundedRect(box.adjusted(1, 1, -1, -1), 4, 4);
        p.fillPath(face, glyph == Glyph::Close ? skin.closeFace : skin.hoverFace);
    }
    const qreal width = skin.highContrast ? 2.4 : 1.6;
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF c = box.center();
    switch (glyph) {
    case Glyph::About:
        p.drawEllipse(c, 6.0, 6.0);
        p.drawLine(c + QPointF(0, -0.6), c + QPointF(0, 3.0));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(c + QPointF(0, -3.1), 1.1, 1.1);
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

enum class Rim { Left, LeftBottom, Bottom, RightBottom, Right };

// The rim continues the caption's colour; its outermost line is darker.
// The high-contrast rim is yellow through and through.
void drawRim(QPainter &p, const QSizeF &s, const Skin &skin, Rim rim)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(QPointF(0, 0), s), skin.rim);
    const qreal w = s.width();
    const qreal h = s.height();
    if (rim == Rim::Left || rim == Rim::LeftBottom)
        p.fillRect(QRectF(0, 0, 1, h), skin.rimEdge);
    if (rim == Rim::Right || rim == Rim::RightBottom)
        p.fillRect(QRectF(w - 1, 0, 1, h), skin.rimEdge);
    if (rim == Rim::Bottom || rim == Rim::LeftBottom || rim == Rim::RightBottom)
        p.fillRect(QRectF(0, h - 1, w, 1), skin.rimEdge);
}

// A small main window in the skin: caption, menu bar, tool band, a label,
// a check box and a push button, inside the rim.
void drawPreview(QPainter &p, const QSizeF &s, const Skin &skin)
{
    const QRectF box(QPointF(0, 0), s);
    p.fillRect(box, skin.window);
    const qreal captionHeight = 20;
    p.save();
    p.setClipRect(QRectF(0, 0, s.width(), captionHeight));
    p.scale(1.0, captionHeight / captionSize.height());
    drawCaption(p, QSizeF(s.width(), captionSize.height()), skin);
    p.restore();
    p.setPen(skin.title);
    p.setFont(uiFont(10, QFont::Bold));
    p.drawText(QRectF(26, 0, 120, captionHeight), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Qintara4.8"));
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 3; ++i) {
        const QRectF sign(s.width() - 18 - i * 16, 4, 13, 12);
        p.setPen(QPen(skin.glyph, skin.highContrast ? 1.6 : 1.0));
        p.setBrush(Qt::NoBrush);
        if (i == 0) {
            p.drawLine(sign.topLeft() + QPointF(3, 3), sign.bottomRight() - QPointF(3, 3));
            p.drawLine(sign.bottomLeft() + QPointF(3, -3), sign.topRight() + QPointF(-3, 3));
        } else if (i == 1) {
            p.drawLine(sign.bottomLeft() + QPointF(3, -3), sign.bottomRight() + QPointF(-3, -3));
        } else {
            p.drawEllipse(sign.center(), 4, 4);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);

    // Menu bar: three titles, the second hovered.
    const qreal menuTop = captionHeight + 1;
    p.setFont(uiFont(9));
    const QStringList titles = {QStringLiteral("英文"), QStringLiteral("中文"), QStringLiteral("游戏")};
    for (int i = 0; i < titles.size(); ++i) {
        const QRectF title(8 + i * 40, menuTop, 36, 15);
        if (i == 1) {
            p.fillRect(title, QColor::fromRgbF(skin.menuBack.redF() + (skin.menuUp.redF() - skin.menuBack.redF()) * 0.16,
                                               skin.menuBack.greenF()
                                                   + (skin.menuUp.greenF() - skin.menuBack.greenF()) * 0.16,
                                               skin.menuBack.blueF()
                                                   + (skin.menuUp.blueF() - skin.menuBack.blueF()) * 0.16));
            p.setPen(skin.menuFrame);
            p.drawRect(title.adjusted(0.5, 0.5, -0.5, -0.5));
        }
        p.setPen(skin.menuFont);
        p.drawText(title, Qt::AlignCenter, titles[i]);
    }
    // Tool band: coloured tiles.
    const qreal bandTop = menuTop + 17;
    const QList<QColor> tiles = {QColor(0x2f, 0x6f, 0xbf), QColor(0xc8, 0x4b, 0x4b), QColor(0xe0, 0x8e, 0x2b),
                                 QColor(0x7b, 0x5b, 0xc8), QColor(0x2e, 0x9e, 0x6a)};
    for (int i = 0; i < tiles.size(); ++i) {
        QPainterPath tile;
        tile.addRoundedRect(QRectF(8 + i * 20, bandTop, 15, 15), 3, 3);
        p.fillPath(tile, tiles[i]);
    }
    p.fillRect(QRectF(4, bandTop + 19, s.width() - 8, 1), skin.textBox);

    // A label, a check box and a push button on the window.
    const qreal bodyTop = bandTop + 28;
    p.setPen(skin.label);
    p.setFont(uiFont(12, QFont::DemiBold));
    p.drawText(QRectF(14, bodyTop, s.width() - 28, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("练习时间：00:05:09"));
    p.setFont(uiFont(11));
    const QRectF check(14, bodyTop + 28, 12, 12);
    p.fillRect(check, Qt::white);
    p.setPen(QPen(skin.highContrast ? skin.label : skin.textBox, 1));
    p.drawRect(check);
    p.setPen(skin.label);
    p.drawText(QRectF(32, bodyTop + 24, 150, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("朗读单词"));
    const QRectF button(s.width() - 96, s.height() - 40, 76, 24);
    QPainterPath face;
    face.addRoundedRect(button, skin.xpWinStyle ? 3 : 0, skin.xpWinStyle ? 3 : 0);
    QLinearGradient shade(button.bottomLeft(), button.topLeft());
    shade.setColorAt(0, skin.buttonBack);
    shade.setColorAt(1, skin.xpWinStyle ? skin.buttonBack.darker(112) : skin.buttonBack);
    p.fillPath(face, shade);
    p.setPen(skin.xpWinStyle ? QColor(0x69, 0x69, 0x69) : skin.buttonBack.darker(140));
    p.drawPath(face);
    p.setPen(skin.buttonFont);
    p.setFont(uiFont(11, QFont::DemiBold));
    p.drawText(button, Qt::AlignCenter, QStringLiteral("确  定"));

    // The rim round the sides and the bottom.
    p.setRenderHint(QPainter::Antialiasing, false);
    const qreal rim = 3;
    p.fillRect(QRectF(0, captionHeight, rim, s.height() - captionHeight), skin.rim);
    p.fillRect(QRectF(s.width() - rim, captionHeight, rim, s.height() - captionHeight), skin.rim);
    p.fillRect(QRectF(0, s.height() - rim, s.width(), rim), skin.rim);
}

struct Picture
{
    QString file; // without "@2x" and extension
    QSize size;
    Draw draw;
};

QList<Picture> pictures(const Skin &skin)
{
    const auto button = [&skin](Glyph glyph, bool pressed) {
        return [&skin, glyph, pressed](QPainter &p, const QSizeF &s) { drawCaptionButton(p, s, skin, glyph, pressed); };
    };
    const auto rim = [&skin](Rim piece) {
        return [&skin, piece](QPainter &p, const QSizeF &s) { drawRim(p, s, skin, piece); };
    };
    return {
        {QStringLiteral("caption"), captionSize, [&skin](QPainter &p, const QSizeF &s) { drawCaption(p, s, skin); }},
        {QStringLiteral("about_up"), buttonSize, button(Glyph::About, false)},
        {QStringLiteral("about_down"), buttonSize, button(Glyph::About, true)},
        {QStringLiteral("little_up"), buttonSize, button(Glyph::Minimise, false)},
        {QStringLiteral("little_down"), buttonSize, button(Glyph::Minimise, true)},
        {QStringLiteral("close_up"), buttonSize, button(Glyph::Close, false)},
        {QStringLiteral("close_down"), buttonSize, button(Glyph::Close, true)},
        {QStringLiteral("rim_left"), {4, 32}, rim(Rim::Left)},
        {QStringLiteral("rim_left_bottom"), {4, 4}, rim(Rim::LeftBottom)},
        {QStringLiteral("rim_bottom"), {32, 4}, rim(Rim::Bottom)},
        {QStringLiteral("rim_right_bottom"), {4, 4}, rim(Rim::RightBottom)},
        {QStringLiteral("rim_right"), {4, 32}, rim(Rim::Right)},
    };
}

QByteArray description(const Skin &skin)
{
    const auto file = [](const QString &name) { return name + QStringLiteral(".png"); };
    const QList<std::pair<QString, QString>> keys = {
        {QStringLiteral("Name"), skin.folder},
        {QStringLiteral("author"), QStringLiteral("Qintara")},
        {QStringLiteral("explain"), skin.explain},
        {QStringLiteral("Caption_Color"), colourNumber(skin.title)},
        {QStringLiteral("Caption_Pic"), file(QStringLiteral("caption"))},
        {QStringLiteral("About_PicUp"), file(QStringLiteral("about_up"))},
        {QStringLiteral("About_PicDown"), file(QStringLiteral("about_down"))},
        {QStringLiteral("Little_PicUp"), file(QStringLiteral("little_up"))},
        {QStringLiteral("Little_PicDown"), file(QStringLiteral("little_down"))},
        {QStringLiteral("Close_PicUp"), file(QStringLiteral("close_up"))},
        {QStringLiteral("Close_PicDown"), file(QStringLiteral("close_down"))},
        {QStringLiteral("Rim_PicLeft"), file(QStringLiteral("rim_left"))},
        {QStringLiteral("Rim_PicLeftBottom"), file(QStringLiteral("rim_left_bottom"))},
        {QStringLiteral("Rim_PicBottom"), file(QStringLiteral("rim_bottom"))},
        {QStringLiteral("Rim_PicRightBottom"), file(QStringLiteral("rim_right_bottom"))},
        {QStringLiteral("Rim_PicRight"), file(QStringLiteral("rim_right"))},
        {QStringLiteral("Menu_BackColor"), colourNumber(skin.menuBack)},
        {QStringLiteral("Menu_UpColor"), colourNumber(skin.menuUp)},
        {QStringLiteral("Menu_DownColor"), colourNumber(skin.menuDown)},
        {QStringLiteral("Menu_FrameColor"), colourNumber(skin.menuFrame)},
        {QStringLiteral("Menu_FontColor"), colourNumber(skin.menuFont)},
        {QStringLiteral("Window_BackColor"), colourNumber(skin.window)},
        {QStringLiteral("TextBoxColor"), colourNumber(skin.textBox)},
        {QStringLiteral("Lable_FontColor"), colourNumber(skin.label)},
        {QStringLiteral("Button_BackColor"), colourNumber(skin.buttonBack)},
        {QStringLiteral("Button_FontColor"), colourNumber(skin.buttonFont)},
        {QStringLiteral("Button_FrameColor"), colourNumber(skin.buttonFrame)},
        {QStringLiteral("Button_DownColor"), colourNumber(skin.buttonDown)},
        {QStringLiteral("Button_XpStyle"), skin.xpStyle ? QStringLiteral("True") : QStringLiteral("False")},
        {QStringLiteral("Button_XpWinStyle"), skin.xpWinStyle ? QStringLiteral("True") : QStringLiteral("False")},
    };
    QString text = QStringLiteral("[skin]\r\n");
    for (const auto &[key, value] : keys)
        text += key + u'=' + value + QStringLiteral("\r\n");
    QStringEncoder gbk("GBK");
    QByteArray bytes = gbk.encode(text);
    if (gbk.hasError())
        qFatal("a description holds text GBK cannot hold");
    return bytes;
}

bool writeSkin(const QDir &out, const Skin &skin)
{
    if (!out.mkpath(skin.folder))
        return false;
    const QDir folder(out.filePath(skin.folder));
    for (const Picture &picture : pictures(skin)) {
        for (const int scale : {1, 2}) {
            const QString file = picture.file + (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
            if (!render(picture.size, scale, picture.draw).save(folder.filePath(file)))
                return false;
        }
    }
    for (const int scale : {1, 2}) {
        const QImage preview =
            render(previewSize, scale, [&skin](QPainter &p, const QSizeF &s) { drawPreview(p, s, skin); })
                .convertToFormat(QImage::Format_RGB888);
        const QString file = scale == 2 ? QStringLiteral("preview@2x.bmp") : QStringLiteral("preview.bmp");
        if (!preview.save(folder.filePath(file), "BMP"))
            return false;
    }
    QFile ini(folder.filePath(QStringLiteral("skin.ini")));
    return ini.open(QIODevice::WriteOnly) && ini.write(description(skin)) >= 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: draw_skins <output folder>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << out.path() << "\n";
        return 1;
    }
    for (const Skin &skin : skins()) {
        if (!writeSkin(out, skin)) {
            QTextStream(stderr) << "cannot write the skin " << skin.folder << "\n";
            return 1;
        }
    }
    return 0;
}
