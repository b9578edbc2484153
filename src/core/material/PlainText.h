// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>

// The text of a plain text file as one run: empty lines are dropped, every
// other line loses its leading and trailing spaces, and the lines are joined
// with nothing between them. A file that cannot be read gives the empty text.
QString ReadPlainText(const QString &path);

// The same run made of lines already read.
QString JoinPlainLines(const QStringList &lines);
