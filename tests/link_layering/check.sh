#!/bin/sh
# Builds the two-layer project: the upper layer links alone, the lower (which
# calls up) must fail to link on the undefined call.
set -u
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
cmake -S "$(dirname "$0")" -B "$build" >/dev/null || exit 1
cmake --build "$build" --target mirandel_high_alone >/dev/null || { echo "the upper layer did not link"; exit 1; }
if cmake --build "$build" --target mirandel_low_alone >"$build/log" 2>&1; then
  echo "a call up linked"
  exit 1
fi
grep -q "undefined reference to .upper()" "$build/log" || { cat "$build/log"; exit 1; }
echo "a call up does not link"
