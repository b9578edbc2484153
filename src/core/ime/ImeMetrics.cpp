// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/ime/ImeMetrics.h"

namespace {

QString ratioText(qint64 part, qint64 whole)
{
    return QString::number(whole > 0 ? double(part) / double(whole) : 0.0, 'f', 2);
}

} // namespace

const QString ImeMetrics::Caption = QStringLiteral("击键/码长：");
const QString ImeMetrics::Explained = QStringLiteral("击键：每秒击键次数；码长：每个字平均击键次数");

QString ImeMetrics::keysPerSecondText(qint64 elapsedSeconds) const
{
    return ratioText(m_keys, elapsedSeconds);
}

QString ImeMetrics::keysPerCharacterText() const
{
    return ratioText(m_keys, m_characters);
}

QString ImeMetrics::figuresText(qint64 elapsedSeconds) const
{
    return keysPerSecondText(elapsedSeconds) + u'/' + keysPerCharacterText();
}
