// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class MidiOutput;
class Prompter;

// `MidiOut`: the MIDI short-message routines, all on one output. An error
// the output reports is shown, cut to its first 128 characters, in a box
// with an OK button and no title. Channels are 0 to 15; notes, velocities
// and instruments 0 to 127. Each routine returns true when its message was
// sent.
class MidiOut
{
public:
    // Both must outlive the routines.
    MidiOut(MidiOutput &output, Prompter &prompter);

    // Sends status + 256 * data1 + 65536 * data2.
    bool Send(int status, int data1, int data2);
    bool NoteOn(int channel, int note, int velocity);
    bool NoteOff(int channel, int note);
    // Chooses the General MIDI instrument (program) the channel plays.
    bool ProgramChange(int channel, int instrument);

    // The settings dialog's "听" for the key-letter list's position (0 for
    // "A"): note off for the note played last, then note on for note
    // 36 + position at velocity 127, both on channel 0; the new note is
    // remembered as the note played last. When the note off fails the note
    // on is not tried: one box tells what went wrong. True when the note on
    // was sent.
    bool TestNote(int position);

    // The note played last; 0 before the first test note.
    int lastNote() const { return m_lastNote; }

    static constexpr int TestNoteBase = 36;   // note of the list's first letter
    static constexpr int TestVelocity = 127;

private:
    MidiOutput &m_output;
    Prompter &m_prompter;
    int m_lastNote = 0;
};
