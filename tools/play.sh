#!/usr/bin/env bash
# Sets everything up and plays the bundled demo game: in a window when there is a
# display, in the terminal otherwise. Extra arguments go to the player.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh build
exec build/mirandel "$@"
