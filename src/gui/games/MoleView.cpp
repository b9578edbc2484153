// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/MoleView.h"

#include "core/games/MoleGame.h"
#include "gui/games/GamePictures.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

MoleView::MoleView(MoleGame &game, QWidget *parent)
    : GameScene(game, QStringLiteral("hill"),
                {QStringLiteral("play2Label4"), QStringLiteral("得 分："), QStringLiteral("play2Label5"),
                 QColor(0x1e, 0x5f, 0xd0)},
                parent),
      m_game(game)
{
    setObjectName(QStringLiteral("play2Pic1"));
    setAccessibleName(QStringLiteral("打田鼠"));
    using Picture = MoleGame::Picture;
    m_moles[std::size_t(Picture::Mound)] = GamePictures::load(QStringLiteral("mole_mound"));
    m_moles[std::size_t(Picture::Peeking)] = GamePictures::load(QStringLiteral("mole_peek"));
    m_moles[std::size_t(Picture::Standing)] = GamePictures::load(QStringLiteral("mole_up"));
    m_moles[std::size_t(Picture::Dazed)] = GamePictures::load(QStringLiteral("mole_dazed"));
    refresh();
}

QRect MoleView::moleRect(int hole)
{
    return pixels(MoleGame::place(hole).mole, MoleGame::moleSize);
}

QRect MoleView::targetRect(int hole)
{
    return pixels(MoleGame::place(hole).target, MoleGame::targetSize);
}

// The count is drawn on a round badge a little larger than its label.
QRect MoleView::countRect(int hole)
{
    return pixels(MoleGame::place(hole).count, MoleGame::countSize).adjusted(-3, -4, 3, 4);
}

QList<GameScene::Sprite> MoleView::sprites() const
{
    QList<Sprite> list;
    for (int number = 1; number <= MoleGame::holeCount; ++number) {
        const MoleGame::Hole &hole = m_game.hole(number);
        list.append({moleRect(number), QString::number(int(hole.picture))});
        list.append({targetRect(number), hole.up ? hole.target : QString()});
        list.append({countRect(number), hole.up ? QStringLiteral("%1%2").arg(hole.count).arg(hole.red ? u'r' : u'k')
                                                : QString()});
    }
    return list;
}

void MoleView::paintGame(QPainter &painter)
{
    QFont targetFont(QStringLiteral("宋体"));
    targetFont.setPixelSize(14);
    targetFont.setBold(true);
    QFont countFont(QStringLiteral("宋体"));
    countFont.setPixelSize(12);
    countFont.setBold(true);
    for (int number = 1; number <= MoleGame::holeCount; ++number) {
        const MoleGame::Hole &hole = m_game.hole(number);
        if (hole.picture != MoleGame::Picture::None)
            painter.drawPixmap(moleRect(number), m_moles[std::size_t(hole.picture)]);
        if (!hole.up)
            continue;
        // Target: black on white, just above the mole.
        const QRect target = targetRect(number);
        QPainterPath card;
        card.addRoundedRect(QRectF(target).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        painter.setPen(QPen(QColor(0x5a, 0x3a, 0x1e), 1));
        painter.setBrush(Qt::white);
        painter.drawPath(card);
        painter.setFont(targetFont);
        painter.setPen(Qt::black);
        painter.drawText(target, Qt::AlignCenter, hole.target);
        // Count: window-text colour, red when it runs low.
        const QRect count = countRect(number);
        painter.setPen(QPen(hole.red ? QColor(0xd6, 0x1f, 0x1f) : QColor(0x5a, 0x3a, 0x1e), 1.2));
        painter.setBrush(hole.red ? QColor(0xff, 0xe4, 0xe4) : QColor(Qt::white));
        painter.drawEllipse(QRectF(count).adjusted(1, 1, -1, -1));
        painter.setFont(countFont);
        painter.setPen(hole.red ? QColor(0xd6, 0x1f, 0x1f) : palette().color(QPalette::WindowText));
        painter.drawText(count, Qt::AlignCenter, QString::number(hole.count));
    }
}

QString MoleView::targetsDescription() const
{
    QStringList moles;
    for (int number = 1; number <= MoleGame::holeCount; ++number) {
        const MoleGame::Hole &hole = m_game.hole(number);
        if (hole.up)
            moles.append(QStringLiteral("%1号洞 %2（还剩%3）").arg(number).arg(hole.target).arg(hole.count));
    }
    if (moles.isEmpty())
        return QStringLiteral("洞里没有地鼠");
    return QStringLiteral("地鼠：") + moles.join(QStringLiteral("、"));
}

void MoleView::keyPressEvent(QKeyEvent *event)
{
    typeInto(event, [this](QStringView typed) { m_game.key(typed); });
}

bool MoleView::focusNextPrevChild(bool)
{
    return false;
}
