// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/users/InstanceName.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

QString InstanceName(const QString &programFolder)
{
    QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QDir(programFolder).absolutePath());
    const QByteArray digest =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).left(12);
    return QStringLiteral("qintara-") + QString::fromLatin1(digest.toHex());
}
