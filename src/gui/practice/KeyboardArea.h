// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class OnScreenKeyboard;
class WubiKeyboard;

// The keyboard area below the practice views: the on-screen keyboard
// `LUMOJP1` and the Wubi radical keyboard `lumo_wbjp1` in one place, one of
// them shown. Clicking either brings the other.
class KeyboardArea : public QObject
{
    Q_OBJECT

public:
    // SetTextFocus gives the focus back to the practice box after a swap.
    KeyboardArea(OnScreenKeyboard *LUMOJP1, WubiKeyboard *lumo_wbjp1, std::function<void()> SetTextFocus,
                 QObject *parent = nullptr);

    // Shows the Wubi radical keyboard in place of the on-screen keyboard,
    // or the on-screen keyboard in place of it.
    void showWubi(bool wubi);
    bool wubiShown() const;

    // The swap on a click: the keyboard clicked gives way to the other, its
    // marks cleared, and the focus returns to the practice box.
    void LUMOJP1_Click();
    void lumo_wbjp1_Click();

    OnScreenKeyboard *const LUMOJP1;
    WubiKeyboard *const lumo_wbjp1;

private:
    std::function<void()> m_SetTextFocus;
};
