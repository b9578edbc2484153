// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <optional>

class CaptionButton;
class QLabel;

// The title picture `Image1` of a frameless window of the accounts, with the
// title text and the close picture `Picture1`. Pressing the mouse on the
// picture drags the window; the close picture reports closeClicked.
class TitleStrip : public QWidget
{
    Q_OBJECT

public:
    TitleStrip(const QString &title, const QPixmap &picture, QWidget *parent = nullptr);

    QSize sizeHint() const override;

signals:
    void closeClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    QLabel *m_Label1;          // title text
    CaptionButton *m_Picture1; // close picture
    // Where the pointer holds the window while it is dragged by hand, on
    // window systems that cannot move the window themselves.
    std::optional<QPoint> m_dragOffset;
};
