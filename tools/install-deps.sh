#!/usr/bin/env bash
# Installs every Debian 12 package the player, its tests and its benchmarks need.
# Safe to run again: packages already present are left as they are.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git ccache
  qt6-base-dev qt6-qpa-plugins
  libgl-dev libxkbcommon-dev
  libpng-dev libjpeg-dev libgif-dev libqrencode-dev libcurl4-openssl-dev libzip-dev libcpp-httplib-dev
  libedit-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  qt6-multimedia-dev libmpg123-dev libsndfile1-dev libmp3lame-dev pulseaudio
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev  # the fuzz programs (tools/fuzz.sh)
  fonts-liberation fontconfig openssl
  desktop-file-utils appstream groff-base file dpkg-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
