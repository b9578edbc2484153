// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/DialogButton.h"

#include "widgets/KorvelButton.h"

KorvelButton *makeDialogButton(const QString &objectName, const QString &caption)
{
    auto *button = new KorvelButton;
    button->setObjectName(objectName);
    button->setText(caption);
    button->setXPStyle(true);
    button->setToolBar(false);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setMinimumSize(96, 28);
    return button;
}
