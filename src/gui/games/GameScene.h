// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class TypingGame;

// The game picture every game is played on (8,910 x 6,390 twips): its
// background, the score and level labels, and what a game paints on top.
// It repaints only what moved: after every change of the game it compares
// the sprites the game shows now with those it painted last and updates the
// places of the ones that differ. While the game is paused it says so.
//
// The game runs while its focus widget (the picture itself, or the game's
// input box) has the focus, and pauses when it loses it or the picture is
// hidden. A click on the picture closes the menus (clicked()) and gives the
// focus widget the focus back.
class GameScene : public QWidget
{
    Q_OBJECT

public:
    // One thing painted on the picture: where, and a text that changes
    // whenever its look does.
    struct Sprite
    {
        QRect rect;
        QString look;
        bool operator==(const Sprite &) const = default;
    };

    // How the score and level labels read: the score label's object name
    // and caption ("分数："), the level label's object name (its caption is
    // "第    关"), and the colour of the values.
    struct Labels
    {
        QString scoreName;
        QString scoreCaption;
        QString levelName;
        QColor colour;
    };

    static constexpr int widthTwips = 8910;
    static constexpr int heightTwips = 6390;

    GameScene(TypingGame &game, const QString &background, const Labels &labels, QWidget *parent = nullptr);

    QLabel *scoreLabel() const { return m_score; }
    // The widget whose focus runs the game.
    QWidget *gameFocus() const { return m_focusWidget; }
    QLabel *levelLabel() const { return m_level; }
    QSize sizeHint() const override;

    // A rectangle in twips of the picture, in pixels.
    static QRect pixels(int left, int top, int width, int height);
    static QRect pixels(const QPoint &topLeft, const QSize &size);

signals:
    void clicked();

protected:
    // The game's sprites in a fixed order, from its state.
    virtual QList<Sprite> sprites() const = 0;
    // Paints the game's state over the background; the painter is clipped to
    // what needs painting.
    virtual void paintGame(QPainter &painter) = 0;
    // What a screen reader says about the targets on the picture.
    virtual QString targetsDescription() const = 0;
    // How to go on after a pause.
    virtual QString pauseHint() const;

    // The widget whose focus runs the game; the picture itself by default.
    void setFocusWidget(QWidget *widget);
    // A key typed on the picture: each of its characters goes to key, one at
    // a time; a key without text takes the scene's own handling.
    void typeInto(QKeyEvent *event, const std::function<void(QStringView)> &key);
    // Brings the picture up to date with the game; called on every change.
    void refresh();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QList<Sprite> allSprites() const;
    QRect pauseRect() const;
    bool paused() const;
    void showLabels();

    TypingGame &m_game;
    QPixmap m_background;
    QLabel *m_score;
    QLabel *m_level;
    QWidget *m_focusWidget = nullptr;
    QList<Sprite> m_painted;
};
