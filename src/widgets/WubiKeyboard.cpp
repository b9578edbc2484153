// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "widgets/WubiKeyboard.h"

#include "core/platform/Twips.h"
#include "core/wubi/RadicalGrid.h"
#include "core/wubi/WubiKeyLayout.h"
#include "widgets/KeyboardPicture.h"

#include <QPainter>

#include <array>

namespace {

// The same dark frame and plain keys as the on-screen keyboard, so that
// swapping the two keeps the look.
const QColor Background(0x1f, 0x23, 0x29);
const QColor DarkKey(0x3a, 0x40, 0x49);
const QColor LightInk(0xf4, 0xf6, 0xf8);
const QColor RadicalInk(0x1d, 0x20, 0x24);
const QColor LetterInk(0x4a, 0x50, 0x58);
const QColor DotFill(0xd7, 0x1f, 0x26);
const QColor DotRim(0xff, 0xff, 0xff);
const QColor DotInk(0xff, 0xff, 0xff);

// Where a letter key's pictures go, relative to its cell. The cell's corners
// are the four dot places; the lower-right one, where a key's first dot
// stands, is kept clear.
constexpr int NameRadicalSize = 22;
const QPointF NameRadicalAt(4, 4);
const QRectF LetterArea(28, 3, 21, 12);
constexpr int SmallRadicalSize = 12;
constexpr std::array<QPointF, 9> SmallRadicalSlots = {{
    {27, 15}, {39, 15},
    {4, 27}, {16, 27}, {28, 27}, {40, 27},
    {4, 39}, {16, 39}, {28, 39},
}};

// A radical picture size pixels square at topLeft, in device pixels. The
// small radicals are below the grid's own 18 pixels even on a 1x screen;
// averaged down from the 4x grid they keep their strokes apart, where the 1x
// grid scaled by two thirds smears them.
void drawRadical(QPainter &painter, const QImage &largeGrid, int cell, const QPointF &topLeft, int size,
                 qreal devicePixelRatio)
{
    const int side = qRound(size * devicePixelRatio);
    QImage picture = RadicalGrid::cellFrom(largeGrid, cell, 4.0, RadicalInk);
    if (picture.width() != side)
        picture = picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(devicePixelRatio);
    painter.drawImage(topLeft, picture);
}

void paintRadicals(QPainter &painter, const QImage &largeGrid, const WubiKeyLayout::Key &key,
                   qreal devicePixelRatio)
{
    const QPointF origin = key.rect.topLeft();
    drawRadical(painter, largeGrid, key.nameRadical, origin + NameRadicalAt, NameRadicalSize, devicePixelRatio);
    for (int i = 0; i < key.otherRadicals.size() && i < int(SmallRadicalSlots.size()); ++i)
        drawRadical(painter, largeGrid, key.otherRadicals.at(i), origin + SmallRadicalSlots[i], SmallRadicalSize,
                    devicePixelRatio);

    QFont font;
    font.setPixelSize(11);
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    painter.setPen(LetterInk);
    painter.drawText(LetterArea.translated(origin), Qt::AlignRight | Qt::AlignTop, key.label);
}

// A dot's circle in pixels: whole pixels keep its edge crisp on a 1x screen.
QRectF circleRect(const WubiKeyMarks::Dot &dot)
{
    const int size = Twips::toPixels(WubiKeyLayout::DotSize);
    return QRectF(Twips::toPixels(dot.circle.x()), Twips::toPixels(dot.circle.y()), size, size);
}

// The digit sits at its label's place: inset from the circle by the label's
// offset on every side, which centres it in the circle.
QRectF digitRect(const WubiKeyMarks::Dot &dot)
{
    const QRectF circle = circleRect(dot);
    const QPointF inset(Twips::toPixels(dot.label.x() - dot.circle.x()),
                        Twips::toPixels(dot.label.y() - dot.circle.y()));
    return QRectF(circle.topLeft() + inset, circle.bottomRight() - inset);
}

} // namespace

WubiKeyboard::WubiKeyboard(QWidget *parent)
    : KeyboardControl(WubiKeyLayout::size(), QStringLiteral("五笔字根键盘"), parent)
{
    setAccessibleDescription(m_marks.description());
}

void WubiKeyboard::load_wbm(const QString &code)
{
    const WubiKeyMarks previous = m_marks;
    m_marks.load_wbm(code);
    showMarks(previous);
}

void WubiKeyboard::conceal_wbm()
{
    const WubiKeyMarks previous = m_marks;
    m_marks.conceal_wbm();
    showMarks(previous);
}

void WubiKeyboard::zmwz(const QString &letter, int index)
{
    const WubiKeyMarks previous = m_marks;
    m_marks.zmwz(letter, index);
    showMarks(previous);
}

void WubiKeyboard::showMarks(const WubiKeyMarks &previous)
{
    for (int i = 1; i <= WubiKeyMarks::DotCount; ++i) {
        const WubiKeyMarks::Dot &before = previous.dot(i);
        const WubiKeyMarks::Dot &now = m_marks.dot(i);
        if (before == now)
            continue;
        // A pixel more on each side for the anti-aliased rim.
        if (before.visible)
            update(circleRect(before).toAlignedRect().adjusted(-1, -1, 1, 1));
        if (now.visible)
            update(circleRect(now).toAlignedRect().adjusted(-1, -1, 1, 1));
    }
    setAccessibleDescription(m_marks.description());
}

QPixmap WubiKeyboard::keyMapPicture(qreal devicePixelRatio)
{
    // Plain keys keep their label as a cap label; letter keys get their
    // radicals painted over a blank cap.
    QList<KeyCap> caps;
    for (const WubiKeyLayout::Key &key : WubiKeyLayout::keys()) {
        KeyCap cap;
        cap.row = key.row;
        cap.rect = key.rect;
        cap.name = key.label;
        cap.typed = QString(key.character);
        if (key.zone == WubiKeyLayout::Zone::None)
            cap.label = key.label;
        caps.append(cap);
    }
    QPixmap picture = KeyboardPicture::render(
        WubiKeyLayout::size(), devicePixelRatio, Background, caps, [](const KeyCap &cap) {
            const WubiKeyLayout::Key *key = WubiKeyLayout::keyFor(cap.typed);
            if (key->zone == WubiKeyLayout::Zone::None)
                return KeyboardPicture::Look{DarkKey, LightInk};
            return KeyboardPicture::Look{WubiKeyLayout::zoneColour(key->zone), RadicalInk};
        });

    // The map is drawn once, so the large grid is read for it alone.
    const QImage largeGrid = RadicalGrid::readLargeGrid();
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    for (const WubiKeyLayout::Key &key : WubiKeyLayout::keys()) {
        if (key.zone != WubiKeyLayout::Zone::None)
            paintRadicals(painter, largeGrid, key, devicePixelRatio);
    }
    return picture;
}

void WubiKeyboard::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (m_keyMapPicture.isNull() || m_keyMapPicture.devicePixelRatio() != ratio)
        m_keyMapPicture = keyMapPicture(ratio);

    QPainter painter(this);
    painter.drawPixmap(0, 0, m_keyMapPicture);

    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QFont font;
    font.setPixelSize(12);
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    for (int i = 1; i <= WubiKeyMarks::DotCount; ++i) {
        const WubiKeyMarks::Dot &dot = m_marks.dot(i);
        if (!dot.visible)
            continue;
        painter.setPen(QPen(DotRim, 1));
        painter.setBrush(DotFill);
        painter.drawEllipse(circleRect(dot).adjusted(0.5, 0.5, -0.5, -0.5));
        painter.setPen(DotInk);
        painter.drawText(digitRect(dot), Qt::AlignCenter, QString::number(i));
    }
}
