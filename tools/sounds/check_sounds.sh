#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
# Listening by numbers: prints length, peak and RMS level of every sound
# made by make_sounds.py and draws a spectrogram of each into
# tools/sounds/.work/ to compare them by eye. Fails when a sound clips
# (peak at full scale) or is close to silent.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../../data"
work="$here/.work"
mkdir -p "$work"
status=0
printf '%-28s %8s %8s %8s\n' file "ms" "peak dB" "RMS dB"
for f in "$data"/Music/sound/*.* "$data"/resources/*.wav; do
    stats=$(sox "$f" -n stats 2>&1)
    value() { printf '%s\n' "$stats" | awk -v k="$1" '$0 ~ "^" k {print $NF}'; }
    peak=$(value "Pk lev dB")
    rms=$(value "RMS lev dB")
    ms=$(value "Length s" | awk '{printf "%d", $1 * 1000 + 0.5}')
    name=${f#"$data"/}
    printf '%-28s %8s %8s %8s\n' "$name" "$ms" "$peak" "$rms"
    if awk -v p="$peak" -v r="$rms" 'BEGIN {exit !(p >= -0.1 || r < -45)}'; then
        echo "  ^ clips or is nearly silent" >&2
        status=1
    fi
    sox "$f" -n spectrogram -x 400 -y 200 -z 80 -t "$name" \
        -o "$work/$(basename "$f").png"
done
echo "spectrograms in $work"
exit $status
