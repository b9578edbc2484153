// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/KeyboardArea.h"

#include "widgets/OnScreenKeyboard.h"
#include "widgets/WubiKeyboard.h"

KeyboardArea::KeyboardArea(OnScreenKeyboard *LUMOJP1, WubiKeyboard *lumo_wbjp1, std::function<void()> SetTextFocus,
                           QObject *parent)
    : QObject(parent), LUMOJP1(LUMOJP1), lumo_wbjp1(lumo_wbjp1), m_SetTextFocus(std::move(SetTextFocus))
{
    lumo_wbjp1->hide();
    connect(LUMOJP1, &OnScreenKeyboard::clicked, this, &KeyboardArea::LUMOJP1_Click);
    connect(lumo_wbjp1, &WubiKeyboard::clicked, this, &KeyboardArea::lumo_wbjp1_Click);
}

void KeyboardArea::showWubi(bool wubi)
{
    lumo_wbjp1->setVisible(wubi);
    LUMOJP1->setVisible(!wubi);
    (wubi ? static_cast<QWidget *>(lumo_wbjp1) : static_cast<QWidget *>(LUMOJP1))->raise();
}

bool KeyboardArea::wubiShown() const
{
    return !lumo_wbjp1->isHidden();
}

void KeyboardArea::LUMOJP1_Click()
{
    showWubi(true);
    LUMOJP1->conceal();
    m_SetTextFocus();
}

void KeyboardArea::lumo_wbjp1_Click()
{
    showWubi(false);
    lumo_wbjp1->conceal_wbm();
    m_SetTextFocus();
}
