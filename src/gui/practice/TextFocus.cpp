// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/TextFocus.h"

#include <QWidget>

namespace TextFocus {

QStringList boxNames()
{
    QStringList names{QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text9")};
    for (int line = 1; line <= 8; ++line)
        names.append(QStringLiteral("TextAbreas_%1").arg(line));
    return names;
}

QWidget *SetTextFocus(QWidget *root)
{
    QWidget *focused = nullptr;
    for (const QString &name : boxNames()) {
        QWidget *box = root->findChild<QWidget *>(name);
        if (!box || !box->isVisible() || !box->isEnabled() || box->focusPolicy() == Qt::NoFocus)
            continue;
        box->setFocus(Qt::OtherFocusReason);
        focused = box;
    }
    return focused;
}

} // namespace TextFocus
