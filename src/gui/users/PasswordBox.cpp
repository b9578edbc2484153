// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/PasswordBox.h"

PasswordBox::PasswordBox(const QString &objectName, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(objectName);
    setEchoMode(QLineEdit::Password);
    setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}
