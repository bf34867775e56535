#!/usr/bin/env bash
# Crash trials: plays a stream of turns in a scratch copy of the demo game, kills
# the player with SIGKILL at a random moment, starts it again, and checks that
# the saved game is complete and from one turn, that no turn it had saved was
# lost, and that no temporary is left. Every turn changes a register, an object's
# place and the position together (register 49 = n, the object "badalo" at "<n>",
# the position "<n>").
#
#   tools/crash_trials.sh N [PLAYER]     (PLAYER defaults to build/mirandel)
#
# Prints a line every 25 kills and a summary; exits 1 when any trial found a
# broken save.
set -uo pipefail
trials=${1:-20}
root=$(cd "$(dirname "$0")/.." && pwd)
player=${2:-${MIRANDEL:-$root/build/mirandel}}
[[ -x $player ]] || { echo "crash_trials: no player at $player" >&2; exit 2; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/mirandel-crash.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
game=$scratch/game
cp -r "$root/games/mirandel" "$game"
export XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY

printf 'reg= 49,0\r\nsetpos= 0\r\nsetlocobj= badalo,0\r\n' >"$game/preparar.scx"
printf 'reg+ 49,1\r\nsetpos= #49\r\nsetlocobj= badalo,#49\r\n' >"$game/turno.scx"

play() { "$player" --text --game "$game" "$@" >>"$scratch/output.txt" 2>&1; }
printf ':executar preparar\n:sair\n' | play

line() { sed -n "$2p" "$game/$1" | tr -d '\r'; }
# The saved turn, or a message saying what is wrong with the save.
saved_turn() {
  local n position place objects
  [[ -s $game/mirandel.rgs && -s $game/mirandel.ini && -s $game/mirandel.obx ]] || { echo "missing file"; return; }
  n=$(line mirandel.rgs 50)
  position=$(line mirandel.ini 11)
  place=$(tr -d '\r' <"$game/mirandel.obx" | awk 'NR % 8 == 1 && $0 == "badalo" { getline; getline; getline; print }')
  objects=$(wc -l <"$game/mirandel.obx")
  [[ $n =~ ^[0-9]+$ ]] || { echo "register 49 is '$n'"; return; }
  [[ $objects == "$object_lines" ]] || { echo "the object file has $objects lines"; return; }
  [[ $position == "$n" && $place == "$n" ]] || { echo "mixed turns: register $n, position $position, object at $place"; return; }
  echo "$n"
}
leftovers() { find "$game" -maxdepth 1 \( -name '*.tmp~' -o -name '*.journal~' \) | wc -l; }

object_lines=$(wc -l <"$game/mirandel.obx")
previous=$(saved_turn)
[[ $previous =~ ^[0-9]+$ ]] || { echo "crash_trials: the prepared game is not consistent: $previous" >&2; exit 2; }

broken=0 lost=0 left=0 interrupted=0 turns=0
for ((trial = 1; trial <= trials; trial++)); do
  "$player" --text --game "$game" < <(yes ':executar turno') >"$scratch/turns.txt" 2>&1 &
  pid=$!
  # Once the turns run (start-up takes its own time on a busy machine), a random
  # moment within the next few turns.
  for ((wait = 0; wait < 600; wait++)); do
    grep -q 'executar turno' "$scratch/turns.txt" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.02
  done
  sleep "0.$(printf '%03d' $((RANDOM % 400)))"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  # What the kill left, before the next start tidies it.
  (($(leftovers) > 0)) && interrupted=$((interrupted + 1))
  play </dev/null
  turn=$(saved_turn)
  if (($(leftovers) > 0)); then
    left=$((left + 1))
    echo "trial $trial: temporaries left after the next start" >&2
  fi
  if ! [[ $turn =~ ^[0-9]+$ ]]; then
    broken=$((broken + 1))
    echo "trial $trial: $turn" >&2
    continue
  fi
  if ((turn < previous)); then
    lost=$((lost + 1))
    echo "trial $trial: turn $turn saved after turn $previous" >&2
  fi
  turns=$((turns + turn - previous))
  previous=$turn
  ((trial % 25 == 0)) && echo "after $trial kills: $turns turns, $interrupted interrupted saves, $broken broken, $lost lost, $left left over"
done
echo "crash trials: $trials kills, $turns turns played, $interrupted kills left temporaries behind," \
  "$broken inconsistent or incomplete saves, $lost saves that went back, $left starts that left temporaries"
((broken == 0 && lost == 0 && left == 0))
