// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include "core/sound/MidiOutput.h"

#include <QList>

// A MIDI output for tests: records every message sent, in order, and
// answers with failure while failure holds a text (failed messages are
// recorded too).
class FakeMidiOutput : public MidiOutput
{
public:
    std::optional<QString> send(quint32 message) override
    {
        sent.append(message);
        return failure;
    }

    QList<quint32> sent;
    std::optional<QString> failure;
};
