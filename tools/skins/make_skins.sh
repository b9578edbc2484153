#!/usr/bin/env bash
# Re-draws the shipped skins into data/skins/ (each folder: skin.ini, the
# pictures at 1x and @2x, preview.bmp and preview@2x.bmp). Needs qt6-base-dev
# and fonts-wqy-microhei.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
REPO=$(cd "$HERE/../.." && pwd)
WORK="$HERE/.work"
cmake -S "$HERE" -B "$WORK" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$WORK" --parallel 2
QT_QPA_PLATFORM=offscreen "$WORK/draw_skins" "$REPO/data/skins"
