#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
# Converts every tune tools/music/<name>.abc into data/Music/<name>.mid with
# abc2midi. The settings dialog lists data/Music/*.mid by file name, so a
# tune's file name is the title people know it by. Tunes whose .abc is gone
# are removed. abc2midi writes no time stamps: running this twice gives the
# same bytes.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out="$here/../../data/Music"
mkdir -p "$out"
rm -f "$out"/*.mid
for abc in "$here"/*.abc; do
    name=$(basename "$abc" .abc)
    log=$(abc2midi "$abc" -o "$out/$name.mid" 2>&1) || {
        printf '%s\n' "$log" >&2
        exit 1
    }
    # abc2midi reports mistakes in the notation (bars of the wrong length,
    # notes held past the end) as warnings and errors but still writes a file.
    if printf '%s\n' "$log" | grep -q -E '^(Warning|Error)'; then
        printf '%s\n' "$log" >&2
        rm -f "$out/$name.mid"
        exit 1
    fi
    echo "made data/Music/$name.mid"
done
