// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The entry of folder that the component names, or the component itself when
// nothing there matches.
QString matchComponent(const QString &folder, const QString &component)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + component))
        return component;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(component, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return component;
}

} // namespace

ProgramFolder::ProgramFolder()
    : m_root(QCoreApplication::applicationDirPath())
{
}

ProgramFolder::ProgramFolder(const QString &root)
    : m_root(QDir::cleanPath(root))
{
}

QString ProgramFolder::path(const QString &literal) const
{
    return resolve(m_root, literal);
}

QString ProgramFolder::resolve(const QString &base, const QString &literal)
{
    QString result = QDir::cleanPath(base);
    const QStringList components = QString(literal).replace(QLatin1Char('\\'), QLatin1Char('/'))
                                       .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    bool existing = true;
    for (const QString &component : components) {
        if (component == QLatin1String("."))
            continue;
        // Below a component that does not exist nothing can match, so the
        // literal's spelling is kept from there on.
        const QString name = existing && component != QLatin1String("..")
                                 ? matchComponent(result, component)
                                 : component;
        result += QLatin1Char('/') + name;
        existing = existing && QFileInfo::exists(result);
    }
    return result;
}
