#!/usr/bin/env bash
# Configures and builds one build tree: tools/build.sh [DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
# ccache, when present, keeps rebuilds of unchanged files cheap across clones of
# the repository (paths are taken relative to the checkout).
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD"
  # Debug information names the build folder; leaving it out of the hash lets
  # two checkouts share what was compiled.
  export CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
