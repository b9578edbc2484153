// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>
#include <QStringList>

// The 128 instruments (programs) of General MIDI under their Roland GS
// names, from "Piano 1" (0) to "Gun Shot" (127): the settings dialog's
// "乐器：" list, whose position is the `MusicInst` setting.
namespace GeneralMidiInstruments {

constexpr int Count = 128;

// The instrument's name; empty outside 0 to 127.
QString name(int program);

// All names, in program order.
QStringList names();

// The program a `MusicInst` value plays. The setting is not checked when it
// is loaded, so any value outside 0 to 127 plays the first instrument.
int programOf(int musicInst);

} // namespace GeneralMidiInstruments
