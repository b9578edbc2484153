// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/sound/GeneralMidiInstruments.h"

#include <QStringView>

#include <array>

namespace {

// Roland's spelling, as General MIDI instrument lists on Windows show them.
constexpr std::array<QStringView, GeneralMidiInstruments::Count> Names = {
    u"Piano 1",      u"Piano 2",      u"Piano 3",      u"Honky-tonk",   u"E.Piano 1",    u"E.Piano 2",
    u"Harpsichord",  u"Clav.",        u"Celesta",      u"Glockenspiel", u"Music Box",    u"Vibraphone",
    u"Marimba",      u"Xylophone",    u"Tubular-bell", u"Santur",       u"Organ 1",      u"Organ 2",
    u"Organ 3",      u"Church Org.1", u"Reed Organ",   u"Accordion Fr", u"Harmonica",    u"Bandneon",
    u"Nylon-str.Gt", u"Steel-str.Gt", u"Jazz Gt.",     u"Clean Gt.",    u"Muted Gt.",    u"Overdrive Gt",
    u"DistortionGt", u"Gt.Harmonics", u"Acoustic Bs.", u"Fingered Bs.", u"Picked Bs.",   u"Fretless Bs.",
    u"Slap Bass 1",  u"Slap Bass 2",  u"Synth Bass 1", u"Synth Bass 2", u"Violin",       u"Viola",
    u"Cello",        u"Contrabass",   u"Tremolo Str",  u"PizzicatoStr", u"Harp",         u"Timpani",
    u"Strings",      u"Slow Strings", u"Syn.Strings1", u"Syn.Strings2", u"Choir Aahs",   u"Voice Oohs",
    u"SynVox",       u"OrchestraHit", u"Trumpet",      u"Trombone",     u"Tuba",         u"MutedTrumpet",
    u"French Horn",  u"Brass 1",      u"Synth Brass1", u"Synth Brass2", u"Soprano Sax",  u"Alto Sax",
    u"Tenor Sax",    u"Baritone Sax", u"Oboe",         u"English Horn", u"Bassoon",      u"Clarinet",
    u"Piccolo",      u"Flute",        u"Recorder",     u"Pan Flute",    u"Bottle Blow",  u"Shakuhachi",
    u"Whistle",      u"Ocarina",      u"Square Wave",  u"Saw Wave",     u"Syn.Calliope", u"Chiffer Lead",
    u"Charang",      u"Solo Vox",     u"5th Saw Wave", u"Bass & Lead",  u"Fantasia",     u"Warm Pad",
    u"Polysynth",    u"Space Voice",  u"Bowed Glass",  u"Metal Pad",    u"Halo Pad",     u"Sweep Pad",
    u"Ice Rain",     u"Soundtrack",   u"Crystal",      u"Atmosphere",   u"Brightness",   u"Goblin",
    u"Echo Drops",   u"Star Theme",   u"Sitar",        u"Banjo",        u"Shamisen",     u"Koto",
    u"Kalimba",      u"Bagpipe",      u"Fiddle",       u"Shanai",       u"Tinkle Bell",  u"Agogo",
    u"Steel Drums",  u"Woodblock",    u"Taiko",        u"Melo. Tom 1",  u"Synth Drum",   u"Reverse Cym.",
    u"Gt.FretNoise", u"Breath Noise", u"Seashore",     u"Bird",         u"Telephone 1",  u"Helicopter",
    u"Applause",     u"Gun Shot",
};

} // namespace

namespace GeneralMidiInstruments {

QString name(int program)
{
    return program >= 0 && program < Count ? Names[std::size_t(program)].toString() : QString();
}

QStringList names()
{
    QStringList all;
    all.reserve(Count);
    for (QStringView each : Names)
        all.append(each.toString());
    return all;
}

int programOf(int musicInst)
{
    return musicInst >= 0 && musicInst < Count ? musicInst : 0;
}

} // namespace GeneralMidiInstruments
