#!/usr/bin/env bash
# Takes the metainfo's screenshots again with the player itself: an events run on
# a fresh per-user copy of the demo game writes the whole window (screen.png of a
# dump) on the opening screen and after a few commands, into data/screenshots/.
#   tools/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cat > "$scratch/events.txt" <<EVENTS
dump $scratch/opening
start
type NOVO
type LESTE
type PEGUE A PÁ
dump $scratch/game
quit
EVENTS
HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORM=offscreen \
  "$build/mirandel" --mute --events "$scratch/events.txt" >/dev/null
mkdir -p data/screenshots
cp "$scratch/opening/screen.png" data/screenshots/opening.png
cp "$scratch/game/screen.png" data/screenshots/game.png
file data/screenshots/*.png
