#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages that are missing,
# then configures (once) and builds into build/. Sourcing it leaves BUILD_DIR set.
set -euo pipefail

REPO_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${QINTARA_BUILD_DIR:-$REPO_DIR/build}

install_missing_packages() {
  local wanted missing=()
  mapfile -t wanted < <(grep -v -E '^\s*(#|$)' "$REPO_DIR/scripts/packages.txt")
  for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo to add: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S "$REPO_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}

install_missing_packages
build
