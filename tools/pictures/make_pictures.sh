#!/usr/bin/env bash
# Re-draws the window pictures into src/resources/app/ and the game pictures
# into src/resources/games/ (1x and @2x PNG files and the resource files that
# list them), and the desktop icons into packaging/icons/. Needs qt6-base-dev
# and fonts-wqy-microhei.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
REPO=$(cd "$HERE/../.." && pwd)
WORK="$HERE/.work"
cmake -S "$HERE" -B "$WORK" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$WORK" --parallel 2
QT_QPA_PLATFORM=offscreen "$WORK/draw_pictures" "$REPO/src/resources/app"
QT_QPA_PLATFORM=offscreen "$WORK/draw_game_pictures" "$REPO/src/resources/games"
QT_QPA_PLATFORM=offscreen "$WORK/draw_icons" "$REPO/packaging/icons" org.qintara.Qintara
