#!/usr/bin/env bash
# Installs the Debian packages Halcyra builds, runs and tests with; does
# nothing when they are all present.
set -euo pipefail
packages=(
  build-essential cmake ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev qt6-qpa-plugins
  libgtest-dev libbenchmark-dev
  fonts-liberation2 fonts-noto-core fonts-dejavu-core
  libswe-dev swe-basic-data
  libsleef-dev
  python3 python3-fonttools tzdata
  poppler-utils
  imagemagick
  xvfb openbox xdotool x11-utils
  clang libclang-rt-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
