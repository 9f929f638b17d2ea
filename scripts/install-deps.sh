#!/usr/bin/env bash
# Installs everything the program, its tests and its screenshots need on Debian.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev file
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev clang-format git
  qt6-base-dev qt6-translations-l10n qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl1-mesa-dev libfontconfig-dev libdxflib-dev
  libocct-data-exchange-dev libocct-modeling-algorithms-dev libocct-modeling-data-dev libocct-foundation-dev
  libtbb-dev nlohmann-json3-dev
  fonts-ipafont-gothic
  xvfb xauth imagemagick
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  lintian desktop-file-utils appstream shared-mime-info man-db
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
