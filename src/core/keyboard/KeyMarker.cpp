// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/keyboard/KeyMarker.h"

#include "core/keyboard/PcKeyboardLayout.h"

bool KeyMarker::mark(QStringView text)
{
    const KeyCap *key = PcKeyboardLayout::keyFor(text);
    if (!key || key == m_key)
        return false;
    m_key = key;
    return true;
}

bool KeyMarker::conceal()
{
    if (!m_key)
        return false;
    m_key = nullptr;
    return true;
}

QString KeyMarker::description() const
{
    if (!m_key)
        return QStringLiteral("未标出下一个键");
    return QStringLiteral("下一个键：%1（%2）").arg(m_key->name, fingerName(m_key->hand, m_key->finger));
}
