// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/games/GameScene.h"

#include "core/games/TypingGame.h"
#include "core/platform/Twips.h"
#include "gui/games/GamePictures.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {

// A caption with its value, on a light badge that stays readable over any
// background.
QWidget *badge(QWidget *parent, const QString &before, QLabel *value, const QString &after, const QColor &colour)
{
    auto *frame = new QFrame(parent);
    frame->setStyleSheet(QStringLiteral("QFrame { background: rgba(255, 255, 255, 200); border-radius: 8px; }"
                                        "QLabel { background: transparent; color: #2b3a4a; }"));
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setSpacing(2);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(14);
    font.setBold(true);
    if (!before.isEmpty()) {
        auto *caption = new QLabel(before, frame);
        caption->setFont(font);
        layout->addWidget(caption);
    }
    QFont valueFont = font;
    valueFont.setPixelSize(16);
    value->setFont(valueFont);
    value->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
    layout->addWidget(value);
    if (!after.isEmpty()) {
        auto *caption = new QLabel(after, frame);
        caption->setFont(font);
        layout->addWidget(caption);
    }
    return frame;
}

} // namespace

GameScene::GameScene(TypingGame &game, const QString &background, const Labels &labels, QWidget *parent)
    : QWidget(parent),
      m_game(game),
      m_background(GamePictures::load(background)),
      m_score(new QLabel),
      m_level(new QLabel)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());

    m_score->setObjectName(labels.scoreName);
    m_score->setAccessibleDescription(labels.scoreCaption);
    m_level->setObjectName(labels.levelName);
    m_level->setAccessibleDescription(QStringLiteral("关数"));
    QWidget *score = badge(this, labels.scoreCaption, m_score, QString(), labels.colour);
    QWidget *level = badge(this, QStringLiteral("第"), m_level, QStringLiteral("关"), labels.colour);
    showLabels();
    score->adjustSize();
    level->adjustSize();
    score->move(8, 6);
    level->move(Twips::toPixels(8835) - level->width() - 8, 6);

    setFocusWidget(this);
    connect(&game, &TypingGame::sceneChanged, this, &GameScene::refresh);
    connect(&game, &TypingGame::timersChanged, this, &GameScene::refresh);
}

QSize GameScene::sizeHint() const
{
    return QSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
}

QRect GameScene::pixels(int left, int top, int width, int height)
{
    return QRect(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width), Twips::toPixels(height));
}

QRect GameScene::pixels(const QPoint &topLeft, const QSize &size)
{
    return pixels(topLeft.x(), topLeft.y(), size.width(), size.height());
}

QString GameScene::pauseHint() const
{
    return QStringLiteral("暂停中：点击画面继续");
}

void GameScene::setFocusWidget(QWidget *widget)
{
    if (m_focusWidget)
        m_focusWidget->removeEventFilter(this);
    m_focusWidget = widget;
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->installEventFilter(this);
}

bool GameScene::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_focusWidget) {
        if (event->type() == QEvent::FocusIn)
            m_game.setFocused(true);
        else if (event->type() == QEvent::FocusOut)
            m_game.setFocused(false);
    }
    return QWidget::eventFilter(watched, event);
}

void GameScene::hideEvent(QHideEvent *event)
{
    // A picture hidden by another menu entry may never have had the focus
    // to lose; the game must not go on behind the other panel.
    m_game.setFocused(false);
    QWidget::hideEvent(event);
}

void GameScene::mousePressEvent(QMouseEvent *)
{
    emit clicked();
    m_focusWidget->setFocus(Qt::MouseFocusReason);
    // Paused by an open menu, the focus widget may have kept the focus.
    if (m_focusWidget->hasFocus())
        m_game.setFocused(true);
}

bool GameScene::paused() const
{
    return m_game.isActive() && !m_game.isRunning();
}

QRect GameScene::pauseRect() const
{
    return QRect(width() / 2 - 130, height() / 2 - 24, 260, 48);
}

QList<GameScene::Sprite> GameScene::allSprites() const
{
    QList<Sprite> all = sprites();
    all.append({pauseRect(), paused() ? QStringLiteral("paused") : QString()});
    return all;
}

void GameScene::refresh()
{
    showLabels();
    const QList<Sprite> now = allSprites();
    if (now.size() != m_painted.size()) {
        update();
    } else {
        for (qsizetype i = 0; i < now.size(); ++i) {
            if (now[i] == m_painted[i])
                continue;
            update(m_painted[i].rect);
            update(now[i].rect);
        }
    }
    m_painted = now;
    const QString description = targetsDescription();
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
}

void GameScene::showLabels()
{
    m_score->setText(QString::number(m_game.score()));
    m_level->setText(QString::number(m_game.level()));
    m_score->setAccessibleName(m_score->text());
    m_level->setAccessibleName(m_level->text());
}

void GameScene::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintGame(painter);
    if (!paused())
        return;
    const QRect banner = pauseRect();
    QPainterPath path;
    path.addRoundedRect(QRectF(banner).adjusted(1, 1, -1, -1), 12, 12);
    painter.fillPath(path, QColor(0x2b, 0x3a, 0x4a, 200));
    QFont font(QStringLiteral("黑体"));
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(banner, Qt::AlignCenter, pauseHint());
}

void GameScene::typeInto(QKeyEvent *event, const std::function<void(QStringView)> &key)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    for (const QChar c : text)
        key(QStringView(&c, 1));
    event->accept();
}
