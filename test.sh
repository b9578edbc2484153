#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
source "$(dirname "$0")/scripts/prepare.sh"
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --no-tests=error --output-on-failure --parallel "$(nproc)" "$@"
