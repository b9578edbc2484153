// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/MusicOutput.h"

#include <QStringList>

// A background music player for tests: records the calls, in order, as
// "play <file>", "stop" and "resume", and keeps the playing state the way the
// real player does for files that play.
class FakeMusicOutput : public MusicOutput
{
public:
    void play(const QString &file) override
    {
        calls.append(QStringLiteral("play ") + file);
        m_playing = file != QStringLiteral("0") && !file.isEmpty();
    }
    void stop() override
    {
        calls.append(QStringLiteral("stop"));
        m_playing = false;
    }
    void resume() override
    {
        calls.append(QStringLiteral("resume"));
        m_playing = true;
    }
    bool isPlaying() const override { return m_playing; }

    QStringList calls;

private:
    bool m_playing = false;
};
