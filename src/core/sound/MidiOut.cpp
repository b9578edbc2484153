// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/MidiOut.h"

#include "core/platform/Prompter.h"
#include "core/sound/MidiOutput.h"

namespace {

constexpr int NoteOffStatus = 0x80;
constexpr int NoteOnStatus = 0x90;
constexpr int ProgramChangeStatus = 0xC0;
constexpr qsizetype ErrorTextLimit = 128;

} // namespace

MidiOut::MidiOut(MidiOutput &output, Prompter &prompter)
    : m_output(output)
    , m_prompter(prompter)
{
}

bool MidiOut::Send(int status, int data1, int data2)
{
    const quint32 message = quint32(status) + 256u * quint32(data1) + 65536u * quint32(data2);
    const std::optional<QString> error = m_output.send(message);
    if (!error)
        return true;
    m_prompter.ask(error->left(ErrorTextLimit), QString(), Prompter::Icon::None, Prompter::Buttons::Ok);
    return false;
}

bool MidiOut::NoteOn(int channel, int note, int velocity)
{
    return Send(NoteOnStatus + channel, note, velocity);
}

bool MidiOut::NoteOff(int channel, int note)
{
    return Send(NoteOffStatus + channel, note, 0);
}

bool MidiOut::ProgramChange(int channel, int instrument)
{
    return Send(ProgramChangeStatus + channel, instrument, 0);
}

bool MidiOut::TestNote(int position)
{
    const bool stopped = NoteOff(0, m_lastNote);
    m_lastNote = TestNoteBase + position;
    // An output that failed once fails the same way at once; a second box
    // with the same text would tell nothing new.
    return stopped && NoteOn(0, m_lastNote, TestVelocity);
}
