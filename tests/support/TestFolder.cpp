// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "TestFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

TestFolder::TestFolder()
{
    if (!m_dir.isValid())
        qFatal("cannot create a temporary folder");
}

QString TestFolder::file(const QString &relative) const
{
    return m_dir.filePath(relative);
}

void TestFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(target));
}

void TestFolder::makeFolder(const QString &relative) const
{
    QDir().mkpath(file(relative));
}

QByteArray TestFolder::read(const QString &relative) const
{
    QFile in(file(relative));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

void TestFolder::copyFixture(const QString &fixtureFolder) const
{
    const QString source = QStringLiteral(QINTARA_TEST_DATA_DIR) + QLatin1Char('/') + fixtureFolder;
    QDirIterator it(source, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        const QString relative = QDir(source).relativeFilePath(entry);
        if (it.fileInfo().isDir()) {
            makeFolder(relative);
        } else {
            QFile in(entry);
            if (!in.open(QIODevice::ReadOnly))
                qFatal("cannot read fixture %s", qPrintable(entry));
            write(relative, in.readAll());
        }
    }
}

QByteArray readFixture(const QString &relative)
{
    QFile file(QStringLiteral(QINTARA_TEST_DATA_DIR "/") + relative);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(relative));
    return file.readAll();
}

QStringList allEntries(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(folder).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}
