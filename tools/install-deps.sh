#!/usr/bin/env bash
# Installs the Debian 12 packages the player needs:
#   tools/install-deps.sh player   what building and playing need (tools/play.sh)
#   tools/install-deps.sh          that and what the tests, benchmarks, fuzz
#                                  programs and the package check need (tools/test.sh)
# Safe to run again: packages already present are left as they are.
set -euo pipefail
set_name=${1:-all}
# Building and playing: the compiler and build tools, Qt, the picture, sound,
# HTTP, update-package and line-editing libraries, the catalogue compiler, fonts.
player=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins
  libgl-dev libxkbcommon-dev
  libpng-dev libjpeg-dev libgif-dev libqrencode-dev libcurl4-openssl-dev libzip-dev
  libedit-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  qt6-multimedia-dev libmpg123-dev libsndfile1-dev
  fonts-liberation fontconfig libfontconfig-dev
)
# Only the tests and the developer's tools: GoogleTest, Benchmark, the test HTTP
# server and its certificate, the sound writers, clang for fuzzing, a sound
# server for the sound test, the desktop-file, metainfo and man page checkers,
# the package tools and the package check's local server.
tests=(
  git ccache
  libgtest-dev libgmock-dev googletest libbenchmark-dev libcpp-httplib-dev openssl libmp3lame-dev
  clang libclang-rt-14-dev
  pulseaudio
  desktop-file-utils appstream groff-base file dpkg-dev python3 zip
)
case $set_name in
  player) packages=("${player[@]}") ;;
  all) packages=("${player[@]}" "${tests[@]}") ;;
  *) echo "usage: install-deps.sh [player]" >&2; exit 2 ;;
esac
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
