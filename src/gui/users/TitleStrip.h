// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "gui/app/WindowDrag.h"

#include <QPixmap>
#include <QWidget>

class CaptionButton;
class QLabel;
struct WindowLook;

// The title picture `Image1` of a frameless dialog, with the title text in
// the look's caption colour and the close picture `Picture1`. Pressing the
// mouse on the picture drags the window; the close picture reports
// closeClicked.
class TitleStrip : public QWidget
{
    Q_OBJECT

public:
    TitleStrip(const QString &title, const WindowLook &look, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QPixmap picture() const { return m_picture; }
    QColor titleColor() const;

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
    WindowDrag m_drag;
};
