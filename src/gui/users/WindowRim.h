// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QFrame>

class TitleStrip;

// The whole face of a frameless window of the accounts: the title strip on
// top, a rim around it all, and the body below the strip where the window
// lays out its controls. It fills the window it is given and sets that
// window's title, so task bars and screen readers still name the window.
class WindowRim : public QFrame
{
    Q_OBJECT

public:
    WindowRim(const QString &title, QWidget *window);

    TitleStrip *titleStrip() const { return m_titleStrip; }
    QWidget *body() const { return m_body; }

private:
    TitleStrip *m_titleStrip;
    QWidget *m_body;
};
