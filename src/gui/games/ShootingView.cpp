// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/ShootingView.h"

#include "core/games/ShootingGame.h"
#include "gui/games/GamePictures.h"
#include "widgets/InputBox.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

ShootingView::ShootingView(ShootingGame &game, QWidget *parent)
    : GameScene(game, QStringLiteral("meadow"),
                {QStringLiteral("play3Label4"), QStringLiteral("得分："), QStringLiteral("play3Label5"),
                 QColor(0xd6, 0x1f, 0x1f)},
                parent),
      m_game(game),
      m_Play3Text1(new InputBox(this)),
      m_crosshair(GamePictures::load(QStringLiteral("crosshair")))
{
    setObjectName(QStringLiteral("Play3Pic1"));
    setAccessibleName(QStringLiteral("打字精英"));
    for (int frame = 1; frame <= 4; ++frame)
        m_gun[std::size_t(frame)] = GamePictures::load(QStringLiteral("gun%1").arg(frame));
    // The gun rests held up, as its last frame shows it.
    m_gun[0] = m_gun[4];

    m_Play3Text1->setObjectName(QStringLiteral("Play3Text1"));
    m_Play3Text1->setAccessibleName(QStringLiteral("输入牌子上的词语"));
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(16);
    m_Play3Text1->setFont(font);
    m_Play3Text1->setStyleSheet(QStringLiteral("color: #1e4fd0; background: white;"));
    m_Play3Text1->setGeometry(inputBoxRect());
    setFocusWidget(m_Play3Text1);
    setFocusPolicy(Qt::NoFocus);
    connect(m_Play3Text1, &InputBox::change, this, &ShootingView::Play3Text1_Change);
    connect(&game, &ShootingGame::inputCleared, m_Play3Text1, &QLineEdit::clear);
    // The input box follows the gun.
    connect(&game, &TypingGame::sceneChanged, this, [this] { m_Play3Text1->move(inputBoxRect().topLeft()); });
    refresh();
}

void ShootingView::Play3Text1_Change()
{
    m_game.typed(m_Play3Text1->text());
}

// The game panel is a few pixels shorter than the picture, which would cut
// off the lower part of the box; it is lifted to stay whole.
QRect ShootingView::inputBoxRect() const
{
    QRect box = pixels(m_game.inputBox(), ShootingGame::inputSize);
    const int visibleHeight = parentWidget() ? std::min(height(), parentWidget()->height() - y()) : height();
    if (box.bottom() >= visibleHeight)
        box.moveBottom(visibleHeight - 2);
    return box;
}

QRect ShootingView::gunRect() const
{
    return pixels(m_game.gun(), ShootingGame::gunSize);
}

QRect ShootingView::crosshairRect() const
{
    return pixels(m_game.crosshair(), ShootingGame::crosshairSize);
}

// The count is drawn on a round badge over the right end of its sign.
QRect ShootingView::countRect(int sign)
{
    return pixels(ShootingGame::countPlace(sign), ShootingGame::countSize).adjusted(-2, -2, 2, 2);
}

QList<GameScene::Sprite> ShootingView::sprites() const
{
    QList<Sprite> list;
    for (int i = 0; i < ShootingGame::signCount; ++i) {
        const ShootingGame::Sign &sign = m_game.sign(i);
        list.append({pixels(ShootingGame::wordPlace(i), ShootingGame::wordSize), sign.word});
        list.append({countRect(i), sign.count ? QStringLiteral("%1%2").arg(*sign.count).arg(sign.red ? u'r' : u'k')
                                              : QString()});
    }
    list.append({gunRect(), QString::number(m_game.gunFrame())});
    list.append({crosshairRect(), QString()});
    return list;
}

void ShootingView::paintGame(QPainter &painter)
{
    QFont wordFont(QStringLiteral("黑体"));
    wordFont.setPixelSize(25);
    wordFont.setBold(true);
    QFont countFont(QStringLiteral("宋体"));
    countFont.setPixelSize(16);
    countFont.setBold(true);
    // The crosshair goes under the words, which must stay readable.
    painter.drawPixmap(crosshairRect(), m_crosshair);
    for (int i = 0; i < ShootingGame::signCount; ++i) {
        const ShootingGame::Sign &sign = m_game.sign(i);
        painter.setFont(wordFont);
        painter.setPen(Qt::white);
        painter.drawText(pixels(ShootingGame::wordPlace(i), ShootingGame::wordSize), Qt::AlignCenter, sign.word);
        if (!sign.count)
            continue;
        const QRect count = countRect(i);
        const QColor ink = sign.red ? QColor(0xd6, 0x1f, 0x1f) : QColor(Qt::black);
        painter.setPen(QPen(ink, 1.5));
        painter.setBrush(sign.red ? QColor(0xff, 0xe4, 0xe4) : QColor(Qt::white));
        painter.drawEllipse(QRectF(count).adjusted(1, 1, -1, -1));
        painter.setFont(countFont);
        painter.setPen(ink);
        painter.drawText(count, Qt::AlignCenter, QString::number(*sign.count));
    }
    painter.drawPixmap(gunRect(), m_gun[std::size_t(m_game.gunFrame())]);
}

QString ShootingView::targetsDescription() const
{
    QStringList signs;
    for (int i = 0; i < ShootingGame::signCount; ++i) {
        const ShootingGame::Sign &sign = m_game.sign(i);
        if (sign.word.isEmpty())
            continue;
        signs.append(sign.count ? QStringLiteral("%1（还剩%2）").arg(sign.word).arg(*sign.count)
                                : QStringLiteral("%1（已打中）").arg(sign.word));
    }
    if (signs.isEmpty())
        return QStringLiteral("牌子上没有词语");
    return QStringLiteral("牌子上的词语：") + signs.join(QStringLiteral("、"));
}
