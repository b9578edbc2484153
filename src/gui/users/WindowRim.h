// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "gui/app/WindowLook.h"

#include <QWidget>

class TitleStrip;

// The whole face of a frameless dialog, dressed like the main window: the
// title picture of its look on top, the window colour and the five rim
// pictures around the rest, and the body inside where the window lays out
// its controls. It fills the window it is given and sets that window's
// title, so task bars and screen readers still name the window.
class WindowRim : public QWidget
{
    Q_OBJECT

public:
    WindowRim(const QString &title, const WindowLook &look, QWidget *window);

    TitleStrip *titleStrip() const { return m_titleStrip; }
    QWidget *body() const { return m_body; }
    const WindowLook &look() const { return m_look; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    WindowLook m_look;
    TitleStrip *m_titleStrip;
    QWidget *m_body;
};
