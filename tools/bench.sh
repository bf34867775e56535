#!/usr/bin/env bash
# Builds and runs every benchmark under bench/ (by hand; never part of the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh build
for program in build/bench/*_bench; do
  echo "== $(basename "$program")"
  "$program" "$@"
done
