// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QLineEdit>

// A text box for a password: it shows "*" for every character and keeps its
// text out of the clipboard and away from input-method guesses.
class PasswordBox : public QLineEdit
{
    Q_OBJECT

public:
    PasswordBox(const QString &objectName, QWidget *parent);
};
