// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/settings/HotKeyBox.h"

#include "core/platform/VirtualKeys.h"
#include "core/settings/HotKeyNames.h"

#include <QKeyEvent>

HotKeyBox::HotKeyBox(QWidget *parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
    // No text menu: there is nothing to cut or paste into a key.
    setContextMenuPolicy(Qt::NoContextMenu);
    setCode(0);
}

void HotKeyBox::setCode(int code)
{
    m_code = code;
    setText(HotKeyNames::keyName(code));
}

void HotKeyBox::keyPressEvent(QKeyEvent *event)
{
    const int code = VirtualKeys::fromQtKey(event->key());
    if (HotKeyNames::accepts(code))
        setCode(code);
    // Every key is taken here, so none reaches the dialog (Esc would cancel it).
    event->accept();
}
