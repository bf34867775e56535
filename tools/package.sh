#!/usr/bin/env bash
# Builds the Debian package of the player (CPack) and checks it in a scratch root:
#   tools/package.sh [BUILD_DIR]      (default build/; the package lands in BUILD_DIR/package/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bash tools/install-deps.sh
bash tools/build.sh "$build"
rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B package >/dev/null)
deb=$(ls "$build"/package/mirandel_*.deb)
bash tools/check_package.sh "$deb"
echo "$deb"
