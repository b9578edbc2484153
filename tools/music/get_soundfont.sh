#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
# Copies the General MIDI soundfont sf_GMbank.sf2 (public domain) out of
# Debian's csound-soundfont package into data/soundfonts/, with a note on
# its origin and licence beside it. The background music (.mid) is played
# through FluidSynth with this soundfont.
#
# The file is checked against the checksum of the copy whose licence was
# read; a different file stops the script until someone has read it again.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work="$here/.work/soundfont"
out="$here/../../data/soundfonts"
sha256=9f39fc53bd3a1a69f13cb486838944eded358b3b6e8afbd6c1c2c33675b2034b

rm -rf "$work"
mkdir -p "$work" "$out"
cd "$work"
apt-get -q download csound-soundfont
deb=$(ls csound-soundfont_*.deb)
dpkg-deb -x "$deb" extracted
font=extracted/usr/share/sounds/sf2/sf_GMbank.sf2
if ! echo "$sha256  $font" | sha256sum -c --quiet -; then
    echo "sf_GMbank.sf2 is not the file whose licence was checked;" \
         "read its licence again, then update sha256 in $0" >&2
    exit 1
fi
cp "$font" "$out/sf_GMbank.sf2"
version=$(dpkg-deb -f "$deb" Version)
cat > "$out/README.txt" <<NOTE
sf_GMbank.sf2: General MIDI soundfont ("GM GS Bank", 128 General MIDI
instruments and drum kits) used to play the background music (Music/*.mid).

Origin: Csound, file samples/sf_GMbank.sf2 (https://github.com/csound/csound),
taken unchanged from the Debian 12 package csound-soundfont $version.
SHA-256: $sha256

Licence: public domain. The copyright field (ICOP) inside the soundfont reads
"Public Domain"; Debian's copyright file for the package says:

  Files: samples/sf_GMbank.sf2
  Copyright: none
  License: public-domain
   The file has Public Domain in its license field

Re-made by tools/music/get_soundfont.sh.
NOTE
echo "copied data/soundfonts/sf_GMbank.sf2 (csound-soundfont $version)"
