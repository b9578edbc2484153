// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/FrogView.h"

#include "core/games/FrogGame.h"
#include "core/platform/Twips.h"
#include "gui/games/GamePictures.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

QPoint pixelPoint(const QPoint &twips)
{
    return QPoint(Twips::toPixels(twips.x()), Twips::toPixels(twips.y()));
}

const QSize bugSize(36, 34);
const QSize splashSize(80, 44);

} // namespace

FrogView::FrogView(FrogGame &game, QWidget *parent)
    : GameScene(game, QStringLiteral("pond"),
                {QStringLiteral("PLAY1Lab2"), QStringLiteral("分数："), QStringLiteral("PLAY1Lab4"), QColor(0x1e, 0x5f, 0xd0)},
                parent),
      m_game(game),
      m_bug(GamePictures::load(QStringLiteral("bug")))
{
    setObjectName(QStringLiteral("PLAY1Pic1"));
    setAccessibleName(QStringLiteral("青蛙吃虫"));
    for (int frame = 2; frame <= 6; ++frame)
        m_splash[std::size_t(frame)] = GamePictures::load(QStringLiteral("splash%1").arg(frame));
    refresh();
}

// The bug is centred on its slot (150 x 300 twips).
QRect FrogView::bugRect(int slot) const
{
    const FrogGame::Slot &letter = m_game.letterSlots()[std::size_t(slot)];
    const QRect place = pixels(letter.left, letter.top, FrogGame::slotWidth, FrogGame::slotHeight);
    QRect bug(QPoint(0, 0), bugSize);
    bug.moveCenter(place.center());
    return bug;
}

QRect FrogView::tongueRect() const
{
    return QRect(pixelPoint(FrogGame::mouth), pixelPoint(m_game.tongueEnd())).normalized().adjusted(-5, -5, 5, 5);
}

QList<GameScene::Sprite> FrogView::sprites() const
{
    QList<Sprite> list;
    for (int i = 0; i < FrogGame::slotCount; ++i)
        list.append({bugRect(i), m_game.letterSlots()[std::size_t(i)].text});
    const QPoint end = m_game.tongueEnd();
    list.append({tongueRect(), QStringLiteral("%1,%2").arg(end.x()).arg(end.y())});
    const FrogGame::Pupils pupils = m_game.pupils();
    const QSize pupil(FrogGame::pupilSize, FrogGame::pupilSize);
    list.append({pixels(QPoint(pupils.left1, pupils.top), pupil).adjusted(-1, -1, 1, 1), QString()});
    list.append({pixels(QPoint(pupils.left2, pupils.top), pupil).adjusted(-1, -1, 1, 1), QString()});
    const FrogGame::SplashPicture splash = m_game.splash();
    list.append({QRect(pixelPoint(splash.place), splashSize), QString::number(splash.frame)});
    return list;
}

void FrogView::paintGame(QPainter &painter)
{
    const FrogGame::SplashPicture splash = m_game.splash();
    if (splash.frame != 0)
        painter.drawPixmap(QRect(pixelPoint(splash.place), splashSize), m_splash[std::size_t(splash.frame)]);

    const FrogGame::Pupils pupils = m_game.pupils();
    const QSize pupil(FrogGame::pupilSize, FrogGame::pupilSize);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(pixels(QPoint(pupils.left1, pupils.top), pupil));
    painter.drawEllipse(pixels(QPoint(pupils.left2, pupils.top), pupil));

    if (m_game.tongueEnd() != FrogGame::mouth) {
        const QPoint mouth = pixelPoint(FrogGame::mouth);
        const QPoint end = pixelPoint(m_game.tongueEnd());
        painter.setPen(QPen(QColor(0xe5, 0x2b, 0x50), 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(mouth, end);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xff, 0x5c, 0x7a));
        painter.drawEllipse(QPointF(end), 4, 4);
    }

    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < FrogGame::slotCount; ++i) {
        const QString &text = m_game.letterSlots()[std::size_t(i)].text;
        if (text.isEmpty())
            continue;
        const QRect bug = bugRect(i);
        painter.drawPixmap(bug, m_bug);
        painter.drawText(bug.adjusted(0, 2, 0, 2), Qt::AlignCenter, text);
    }
}

QString FrogView::targetsDescription() const
{
    QList<const FrogGame::Slot *> falling;
    for (const FrogGame::Slot &slot : m_game.letterSlots()) {
        if (!slot.text.isEmpty())
            falling.append(&slot);
    }
    if (falling.isEmpty())
        return QStringLiteral("没有下落的字母");
    // The lowest first: that is the one a key catches.
    std::stable_sort(falling.begin(), falling.end(),
                     [](const FrogGame::Slot *a, const FrogGame::Slot *b) { return a->top > b->top; });
    QStringList texts;
    for (const FrogGame::Slot *slot : falling)
        texts.append(slot->text);
    return QStringLiteral("下落的字母，由低到高：") + texts.join(QStringLiteral("、"));
}

void FrogView::keyPressEvent(QKeyEvent *event)
{
    typeInto(event, [this](QStringView typed) { m_game.key(typed); });
}

void FrogView::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        m_game.keyRelease();
    event->accept();
}

bool FrogView::focusNextPrevChild(bool)
{
    return false;
}
