// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/SoundOutput.h"

#include <QStringList>

// A sound output for what is made before the sound device is open (the
// login window's buttons, so that the window shows without waiting for the
// device): sounds asked for before then are not played, files to preload
// are kept and handed over with everything after once the real output is set.
class SoundOutputRelay : public SoundOutput
{
public:
    // output must outlive every later call through the relay.
    void setOutput(SoundOutput &output);
    bool hasOutput() const { return m_output != nullptr; }

    void preload(const QString &path) override;
    bool play(const QString &path) override;
    bool playToEnd(const QString &path) override;
    void playDefaultSound() override;
    void playSpeech(const QByteArray &wave) override;
    int deviceCount() const override;

private:
    SoundOutput *m_output = nullptr;
    QStringList m_preloads; // asked for before the output was set
};
