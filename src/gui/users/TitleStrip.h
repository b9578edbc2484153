// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <optional>

class QLabel;
class QToolButton;

// The drawn title of a frameless window of the accounts: its picture with the
// title text and a close picture. Pressing the mouse on the picture drags the
// window; the close picture reports closeClicked.
class TitleStrip : public QWidget
{
    Q_OBJECT

public:
    explicit TitleStrip(const QString &title, QWidget *parent = nullptr);

    // A picture to stretch behind the title; without one a gradient is drawn.
    void setPicture(const QPixmap &picture);

    QSize sizeHint() const override;

signals:
    void closeClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    QLabel *m_Label1;        // title text
    QToolButton *m_Picture1; // close picture
    // Where the pointer holds the window while it is dragged by hand, on
    // window systems that cannot move the window themselves.
    std::optional<QPoint> m_dragOffset;
};
