// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

// The effects' and the speech's voices as another sound device can play
// them. The music opens a stream of its own beside the effects' device;
// where a driver opens only one device per program, the music's device
// closes theirs instead and adds them to its own sound until it closes.
class EffectVoices
{
public:
    virtual ~EffectVoices() = default;

    // Closes their own device; from then on they sound only through
    // mixInto(). Returns the rate they are mixed at (16-bit stereo), or 0,
    // closing nothing, when they have no device open.
    virtual int handOver() = 0;

    // Opens their own device again, once the other device no longer calls
    // mixInto().
    virtual void takeBack() = 0;

    // Adds their next length bytes to stream; called on the other device's
    // mixing thread.
    virtual void mixInto(unsigned char *stream, int length) = 0;
};
