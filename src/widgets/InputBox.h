// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QLineEdit>

// The typing box of the drills and articles. Every key raises, in this
// order, keyDown with its Windows virtual-key code and shift state, then (for
// a key that types a character, or Backspace, Tab, Enter, Esc) keyPress with
// the character code, then change when the text changed. A keyPress handler
// may set the code to 0 to swallow the key, or to another character to type
// that one instead. Tab stays in the box. Text committed by an input method
// is typed as one keyPress per character, each followed by change.
class InputBox : public QLineEdit
{
    Q_OBJECT

public:
    // The shift state of keyDown: a sum of these.
    enum Shift { ShiftKey = 1, ControlKey = 2, AltKey = 4 };

    explicit InputBox(QWidget *parent = nullptr);

signals:
    void keyDown(int keyCode, int shift);
    // code is a Unicode code point, or 8 Backspace, 9 Tab, 13 Enter, 27 Esc.
    void keyPress(int &code);
    void change();
    void gotFocus();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    // Raises keyPress and types what the handler left, unless swallowed.
    void typeCharacter(int code);
};
