// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/app/ProgramButtonSounds.h"

#include "core/sound/SoundOutput.h"

#include <QDir>

ProgramButtonSounds::ProgramButtonSounds(const ProgramFolder &programFolder, SoundOutput &output)
    : m_programFolder(programFolder), m_output(output)
{
    for (const char16_t *file : {u".\\resources\\over.wav", u".\\resources\\click.wav"})
        m_output.preload(path(QString::fromUtf16(file)));
}

QString ProgramButtonSounds::path(const QString &file) const
{
    if (QDir::isAbsolutePath(file))
        return file;
    QString literal = QString(file).replace(u'/', u'\\');
    if (literal.startsWith(QStringLiteral(".\\")))
        literal.remove(0, 1);
    if (!literal.startsWith(u'\\'))
        literal.prepend(u'\\');
    return m_programFolder.path(literal);
}

void ProgramButtonSounds::play(const QString &file)
{
    // No stand-in sound: a button whose file is missing stays silent.
    m_output.play(path(file));
}
