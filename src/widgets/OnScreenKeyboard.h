// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/keyboard/KeyMarker.h"

#include "widgets/KeyboardControl.h"

#include <QPixmap>

// LUMOJP: a picture of a PC keyboard (dark keys, white labels) that marks the
// key to press next in the colour of the finger that types it. Shifted
// characters mark the key that carries them; Shift itself is never marked.
// Clicking it raises clicked(), which the main window uses to swap it for the
// Wubi key map. It takes no focus, so typing stays in the practice box.
class OnScreenKeyboard : public KeyboardControl
{
    Q_OBJECT

public:
    explicit OnScreenKeyboard(QWidget *parent = nullptr);

    // Marks the key of text, the next character to type. A text without a key
    // (a Chinese character, a tab, more than one character) keeps the mark.
    void xzjp(const QString &text);

    // Hides the mark until the next key is marked.
    void conceal();

    // What the control shows: the keyboard without a mark, and with every
    // key marked (its finger colour); the control paints the marked key as
    // in the second, the others as in the first.
    static QPixmap keyboardPicture(qreal devicePixelRatio);
    static QPixmap highlightPicture(qreal devicePixelRatio);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showMarkChange(const KeyCap *previous);

    KeyMarker m_marker;
};
