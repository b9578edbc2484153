#!/usr/bin/env bash
# Installs what is missing, builds, and starts Qintara from its program folder.
set -euo pipefail
source "$(dirname "$0")/scripts/prepare.sh"
cd "$BUILD_DIR/program"
exec ./qintara "$@"
