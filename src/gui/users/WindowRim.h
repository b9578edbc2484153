// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "gui/app/WindowPictures.h"

#include <QWidget>

class TitleStrip;

// The whole face of a frameless window of the accounts, dressed like the main
// window: its title picture on top, its five rim pictures around the rest,
// and the body inside where the window lays out its controls. It fills the
// window it is given and sets that window's title, so task bars and screen
// readers still name the window.
class WindowRim : public QWidget
{
    Q_OBJECT

public:
    WindowRim(const QString &title, const WindowPictures &pictures, QWidget *window);

    TitleStrip *titleStrip() const { return m_titleStrip; }
    QWidget *body() const { return m_body; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    WindowPictures m_pictures;
    TitleStrip *m_titleStrip;
    QWidget *m_body;
};
