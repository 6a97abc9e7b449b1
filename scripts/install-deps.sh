#!/usr/bin/env bash
# Installs the Debian packages Remont builds, tests and runs with, when missing.
# apt-get update runs at most once; sudo only when not root.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-dev
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xdotool imagemagick poppler-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
