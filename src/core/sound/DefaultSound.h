// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QByteArray>

// The sound played in place of a key or game sound whose file is missing or
// unreadable: a short, soft "ding" (an 880 Hz tone with a touch of its
// octave, 150 ms, fading out), so a broken sound file is still heard as a
// key sound rather than as silence.
namespace DefaultSound {

// The ding as a 22,050 Hz mono WAVE file.
QByteArray wave();

} // namespace DefaultSound
