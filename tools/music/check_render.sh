#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
# Renders every data/Music/*.mid through FluidSynth with the shipped
# soundfont, as the program plays them, into tools/music/.work/render/, and
# prints each tune's length, peak and RMS level. Fails when a tune renders
# silent or clipped, or lasts less than 1 or more than 3 minutes.
# Needs the fluidsynth command (Debian package fluidsynth).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../../data"
font="$data/soundfonts/sf_GMbank.sf2"
work="$here/.work/render"
mkdir -p "$work"
status=0
printf '%-24s %8s %8s %8s\n' tune "s" "peak dB" "RMS dB"
for mid in "$data"/Music/*.mid; do
    name=$(basename "$mid" .mid)
    wav="$work/$name.wav"
    # FluidSynth's default gain (0.2), as a player using the library gets it.
    fluidsynth -n -i -q -r 22050 -F "$wav" "$font" "$mid" >/dev/null
    stats=$(sox "$wav" -n stats 2>&1)
    value() { printf '%s\n' "$stats" | awk -v k="$1" '$0 ~ "^" k {print $NF}'; }
    peak=$(value "Pk lev dB")
    rms=$(value "RMS lev dB")
    seconds=$(value "Length s")
    printf '%-24s %8.1f %8s %8s\n' "$name" "$seconds" "$peak" "$rms"
    if awk -v p="$peak" -v r="$rms" -v s="$seconds" \
        'BEGIN {exit !(p >= -0.1 || r < -60 || s < 60 || s > 180)}'; then
        echo "  ^ silent, clipped, or not 1 to 3 minutes long" >&2
        status=1
    fi
done
exit $status
