// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QPoint>

#include <optional>

class QMouseEvent;
class QWidget;

// Drags a frameless window by a picture of it, as by a title bar: a left
// press hands the move to the window system; where that cannot move windows
// (bare X servers), the window follows the pointer until the button is
// released.
class WindowDrag
{
public:
    // Feed it the press, move and release events of the part dragged by.
    void press(QWidget *part, const QMouseEvent *event);
    void move(QWidget *part, const QMouseEvent *event);
    void release();

    bool isDraggingByHand() const { return m_offset.has_value(); }

private:
    // Where the pointer holds the window while it is dragged by hand.
    std::optional<QPoint> m_offset;
};
