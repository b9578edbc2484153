// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SoundOutput.h"

#include <QSet>
#include <QStringList>

// A sound output for tests: records what was played, in order, as
// "play <path>", "play to end <path>", "default sound" and "speech"; files
// named unplayable() fail to play. Preloaded paths are kept apart.
class FakeSoundOutput : public SoundOutput
{
public:
    void setUnplayable(const QString &path) { m_unplayable.insert(path); }
    void setDeviceCount(int count) { m_deviceCount = count; }

    const QStringList &played() const { return m_played; }
    const QStringList &preloaded() const { return m_preloaded; }
    const QList<QByteArray> &speech() const { return m_speech; }
    void clear() { m_played.clear(); }

    void preload(const QString &path) override { m_preloaded.append(path); }
    bool play(const QString &path) override;
    bool playToEnd(const QString &path) override;
    void playDefaultSound() override { m_played.append(QStringLiteral("default sound")); }
    void playSpeech(const QByteArray &wave) override;
    int deviceCount() const override { return m_deviceCount; }

private:
    QSet<QString> m_unplayable;
    int m_deviceCount = 1;
    QStringList m_played;
    QStringList m_preloaded;
    QList<QByteArray> m_speech;
};
