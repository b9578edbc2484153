// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SoundOutput.h"

#include <QList>
#include <QMutex>
#include <QSet>
#include <QStringList>

// A sound output for tests: records what was played, in order, as
// "play <path>", "play to end <path>", "default sound" and "speech"; files
// named unplayable fail to play. Preloaded paths are kept apart. Like the
// real output it takes speech from any thread.
class FakeSoundOutput : public SoundOutput
{
public:
    void setUnplayable(const QString &path) { m_unplayable.insert(path); }
    void setDeviceCount(int count) { m_deviceCount = count; }

    QStringList played() const;
    const QStringList &preloaded() const { return m_preloaded; }
    QList<QByteArray> speech() const;
    void clear();

    void preload(const QString &path) override { m_preloaded.append(path); }
    bool play(const QString &path) override;
    bool playToEnd(const QString &path) override;
    void playDefaultSound() override;
    void playSpeech(const QByteArray &wave) override;
    int deviceCount() const override { return m_deviceCount; }

private:
    void record(const QString &entry);

    QSet<QString> m_unplayable;
    int m_deviceCount = 1;
    QStringList m_preloaded;
    mutable QMutex m_guard;
    QStringList m_played;      // guarded by m_guard
    QList<QByteArray> m_speech; // guarded by m_guard
};
