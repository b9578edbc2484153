// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/wubi/WubiKeyMarks.h"
#include "widgets/KeyboardControl.h"

#include <QPixmap>

// lumo_wbjp: the Wubi key map -- every letter key with its key-name radical
// large and its other radicals small, coloured by zone -- with the keys of the
// code to type next marked by numbered red dots. Clicking it raises
// clicked(), which the main window uses to swap it for the on-screen
// keyboard. It takes no focus, so typing stays in the practice box.
class WubiKeyboard : public KeyboardControl
{
    Q_OBJECT

public:
    explicit WubiKeyboard(QWidget *parent = nullptr);

    // Marks the first four letters of code as dots 1 to 4 (see WubiKeyMarks).
    void load_wbm(const QString &code);

    // Hides all four dots.
    void conceal_wbm();

    // Places dot index (1 to 4) on letter's key.
    void zmwz(const QString &letter, int index);

    const WubiKeyMarks &marks() const { return m_marks; }

    // The key map the control is painted from, without dots.
    static QPixmap keyMapPicture(qreal devicePixelRatio);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showMarks(const WubiKeyMarks &previous);

    WubiKeyMarks m_marks;
    // Cached for the device pixel ratio last painted at.
    QPixmap m_keyMapPicture;
};
