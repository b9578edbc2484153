#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
#
# Builds the Debian package and tries it in a throw-away Debian 12 root:
# apt installs it, the program starts under Xvfb as an ordinary user until its
# login window shows, a first account is made through the new-user panel and
# must land in $XDG_DATA_HOME/qintara/user, then apt removes the package and
# nothing of it may be left. One PASS or FAIL line per step; the exit status
# is 0 only when every step passed.
#
# Run as root (mmdebstrap, chroot, mounts). Not part of CI.
#   QINTARA_PACKAGE_BUILD  build folder (default: <repo>/build-package)
#   QINTARA_KEEP_ROOT=1    keep the root for a look afterwards
set -uo pipefail

REPO=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${QINTARA_PACKAGE_BUILD:-$REPO/build-package}
STARTED=$(date +%s)
ROOT=
MOUNTS=()
FAILED=0

pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; FAILED=1; }
give_up() { fail "$*"; finish; }

cleanup() {
    local mount
    for ((i = ${#MOUNTS[@]} - 1; i >= 0; i--)); do
        mount=${MOUNTS[i]}
        umount -l "$mount" 2>/dev/null
    done
    MOUNTS=()
    if [[ -n $ROOT && -d $ROOT && ${QINTARA_KEEP_ROOT:-0} != 1 ]]; then
        rm -rf --one-file-system "$ROOT"
    elif [[ -n $ROOT ]]; then
        echo "root kept in $ROOT"
    fi
}

finish() {
    cleanup
    echo "took $(($(date +%s) - STARTED)) s"
    if ((FAILED)); then echo "RESULT: FAIL"; exit 1; fi
    echo "RESULT: PASS"
    exit 0
}
trap 'give_up "interrupted"' INT TERM

in_root() { chroot "$ROOT" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

[[ $(id -u) == 0 ]] || give_up "run as root: making the root needs mmdebstrap, chroot and mounts"

# --- the package -------------------------------------------------------------
for tool in cmake ninja cpack dpkg-shlibdeps mmdebstrap; do
    command -v "$tool" >/dev/null && continue
    package=$tool
    case $tool in
        ninja) package=ninja-build ;;
        cpack) package=cmake ;;
        dpkg-shlibdeps) package=dpkg-dev ;;
    esac
    apt-get install -y "$package" >/dev/null || give_up "cannot install $package"
done

cmake -S "$REPO" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >"$BUILD.log" 2>&1 \
    && cmake --build "$BUILD" --target qintara qintara_audio qintara_music >>"$BUILD.log" 2>&1 \
    || give_up "build (see $BUILD.log)"
rm -f "$BUILD"/qintara_*.deb
(cd "$BUILD" && cpack -G DEB >>"$BUILD.log" 2>&1) || give_up "cpack (see $BUILD.log)"
DEB=$(ls "$BUILD"/qintara_*.deb 2>/dev/null | head -1)
[[ -f $DEB ]] || give_up "no qintara_*.deb in $BUILD"
pass "package built: $(basename "$DEB") ($(du -h "$DEB" | cut -f1))"
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
echo "  Depends: $DEPENDS"
if grep -q -- '-dev\b' <<<"$DEPENDS"; then fail "the package depends on -dev packages"; else pass "only run-time dependencies"; fi

# --- a fresh Debian 12 -------------------------------------------------------
# The same mirror as this machine's apt.
MIRROR=$(grep -h -E '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '{print $2}' | grep -v security | head -1)
[[ -n $MIRROR ]] || MIRROR=$(grep -h -E '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null \
    | awk '{print $2}' | grep -v security | head -1)
MIRROR=${MIRROR:-http://deb.debian.org/debian}
ROOT=$(mktemp -d /var/tmp/qintara-root.XXXXXX)
if mmdebstrap --variant=apt --include=passwd,xvfb,xauth,xdotool,procps bookworm "$ROOT" \
    "deb $MIRROR bookworm main" >"$ROOT.log" 2>&1; then
    pass "fresh Debian 12 root from $MIRROR"
else
    give_up "mmdebstrap (see $ROOT.log)"
fi
for fs in proc sys dev dev/pts; do
    mkdir -p "$ROOT/$fs" && mount --bind "/$fs" "$ROOT/$fs" && MOUNTS+=("$ROOT/$fs")
done

cp "$DEB" "$ROOT/tmp/qintara.deb"
# mmdebstrap leaves the package lists out of the root it makes.
in_root apt-get update >"$ROOT.install.log" 2>&1 || give_up "apt-get update (see $ROOT.install.log)"
if in_root apt-get install -y /tmp/qintara.deb >>"$ROOT.install.log" 2>&1; then
    pass "apt install ./$(basename "$DEB")"
else
    give_up "apt install (see $ROOT.install.log)"
fi
in_root dpkg -L qintara | sort >"$ROOT.files"
[[ -x $ROOT/usr/bin/qintara && -f $ROOT/usr/share/applications/org.qintara.Qintara.desktop ]] \
    && pass "launcher and menu entry installed" || fail "launcher or menu entry missing"

# --- the program, as an ordinary user ------------------------------------------
in_root useradd -m tester
in_root install -d -o tester -g tester -m 700 /tmp/runtime-tester
cat >"$ROOT/tmp/drive.sh" <<'DRIVE'
#!/bin/sh
# Inside Xvfb: start the program, wait for its first window, fill the new-user
# panel (name, password, password) and confirm, log in, open the letter drill,
# choose capital letters in its chooser (a setting kept in Deplog.ini), type a
# few letters and end the run with SIGTERM, which saves the settings. The
# chooser is clicked where it sits in the window, centred on the 1280 x 1024
# screen.
export QINTARA_FIRST_FRAME_PROBE=1
qintara >/tmp/qintara.out 2>/tmp/qintara.err &
pid=$!
i=0
until grep -q '^first-frame' /tmp/qintara.out; do
    i=$((i + 1)); [ $i -gt 120 ] && { echo "no first frame"; kill $pid; exit 1; }
    kill -0 $pid 2>/dev/null || { echo "program ended"; exit 1; }
    sleep 0.5
done
echo "window up"
sleep 2
window=$(xdotool search --sync --onlyvisible --pid $pid | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool type --delay 60 tester1
xdotool key Tab
xdotool type --delay 60 secret
xdotool key Tab
xdotool type --delay 60 secret
xdotool key Tab space
sleep 3
xdotool type --delay 60 secret
xdotool key Return
xdotool search --sync --onlyvisible --name '^Qintara4.8$' >/dev/null
echo "main window up"
sleep 3
xdotool key alt+e
sleep 1
xdotool key w
sleep 2
xdotool mousemove 504 363 click 1
sleep 1
xdotool key Down Return
sleep 1
xdotool type --delay 120 ASDFJKL
sleep 2
kill $pid
wait $pid 2>/dev/null
exit 0
DRIVE
chmod 755 "$ROOT/tmp/drive.sh"
rm -f "$ROOT/tmp/qintara.out" "$ROOT/tmp/qintara.err"
# The root has no sound card: SDL's dummy driver stands in for one, or the
# program's "no sound card" question would cover the drill.
DRIVE_OUT=$(timeout 180 chroot --userspec=tester:tester "$ROOT" /usr/bin/env -i \
    PATH=/usr/bin:/bin HOME=/home/tester LANG=C.UTF-8 XDG_DATA_HOME=/home/tester/.local/share SDL_AUDIODRIVER=dummy \
    XDG_RUNTIME_DIR=/tmp/runtime-tester xvfb-run -a -s "-screen 0 1280x1024x24" /tmp/drive.sh 2>&1)
if grep -q "window up" <<<"$DRIVE_OUT"; then
    pass "started under Xvfb: $(grep -m1 '^first-frame' "$ROOT/tmp/qintara.out")"
else
    fail "the login window did not show: $DRIVE_OUT $(head -c 2000 "$ROOT/tmp/qintara.err" 2>/dev/null)"
fi
ACCOUNT=$ROOT/home/tester/.local/share/qintara/user/tester1
if [[ -f $ACCOUNT/Deplog.ini ]]; then
    pass "account created in \$XDG_DATA_HOME/qintara/user/tester1"
    grep -q "main window up" <<<"$DRIVE_OUT" && pass "logged in: the main window showed" \
        || fail "the main window did not show after the login"
    KEYS=$(python3 -c 'import sqlite3, sys
print(sqlite3.connect(sys.argv[1]).execute("select count(*) from keystrokes where kind = \"letters\"").fetchone()[0])' \
        "$ACCOUNT/history.sqlite" 2>&1)
    [[ $KEYS =~ ^[0-9]+$ && $KEYS -gt 0 ]] && pass "letter drill typed: $KEYS keys in the user's history.sqlite" \
        || fail "no typed letters in the user's history.sqlite: $KEYS"
    # Settings files have Windows line ends.
    tr -d '\r' <"$ACCOUNT/Deplog.ini" | sed -n '/^\[exercise\]/,/^\[/p' | grep -qx 'Letter=1' \
        && pass "settings saved: the chosen drill (Letter=1) is in the user's Deplog.ini" \
        || fail "the chosen drill was not saved in the user's Deplog.ini"
else
    fail "no account in \$XDG_DATA_HOME/qintara/user (found: $(ls -R "$ROOT/home/tester/.local/share" 2>/dev/null | tr '\n' ' '))"
fi
if ls "$ROOT/usr/lib/qintara" | grep -qi '^user$'; then
    fail "the installed program folder got a User folder"
else
    pass "nothing written into the program folder"
fi

# --- removal -----------------------------------------------------------------
if in_root apt-get remove -y --purge qintara >"$ROOT.remove.log" 2>&1; then
    pass "apt remove qintara"
else
    fail "apt remove (see $ROOT.remove.log)"
fi
LEFT=()
while read -r path; do
    [[ -z $path || -d $ROOT$path ]] && continue  # shared folders such as /usr/share
    [[ -e $ROOT$path || -L $ROOT$path ]] && LEFT+=("$path")
done <"$ROOT.files"
[[ -d $ROOT/usr/lib/qintara || -d $ROOT/usr/lib/x86_64-linux-gnu/qintara ]] && LEFT+=("the program folder")
if ((${#LEFT[@]} == 0)); then pass "nothing of the package is left"; else fail "left behind: ${LEFT[*]}"; fi
rm -f "$ROOT.files"
finish
