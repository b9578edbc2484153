// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Where MidiOut sends its messages: a synthesizer on the program's sound
// device, or a recorder in tests. Call it from the thread that made it.
class MidiOutput
{
public:
    virtual ~MidiOutput() = default;

    // Sends one MIDI short message: the status byte in the lowest byte, the
    // first data byte in the next, the second data byte above it. Returns
    // the output's error text when the message could not be sent, nothing
    // when it was.
    virtual std::optional<QString> send(quint32 message) = 0;
};
