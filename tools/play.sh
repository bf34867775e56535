#!/usr/bin/env bash
# Sets up what building and playing need (no test packages) and plays: in a
# window when there is a display, in the terminal otherwise. Extra arguments go
# to the player. The tests are built only where their packages are installed
# (tools/test.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh player
bash tools/build.sh build
exec build/mirandel "$@"
