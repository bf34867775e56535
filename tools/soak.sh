#!/usr/bin/env bash
# Soak test: random commands, keys, links, clicks and waits (drawn from SEED)
# played through the window (offscreen) on a copy of the demo game for MINUTES,
# sampling the player's resident memory:
#   tools/soak.sh MINUTES [SEED] [PLAYER]
# Fails on a crash (or any exit but the clean one) and when the memory after the
# warm-up (the first fifth of the samples) grows more than 10 % over its size at
# the end of the warm-up. PLAYER defaults to build/mirandel.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:?usage: tools/soak.sh MINUTES [SEED] [PLAYER]}
seed=${2:-1}
player=$(realpath "${3:-build/mirandel}")
[ -x "$player" ] || { echo "soak: no player at $player (build it first)"; exit 2; }

work=$(mktemp -d /tmp/mirandel-soak.XXXXXX)
trap 'rm -rf "$work"' EXIT
cp -r games/mirandel "$work/game"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
  XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen

# What a player might do: the game's own phrases (and some it does not know), its
# scripts as links and runs, the command keys, clicks on every picture, waits.
iconv -f CP1252 -t UTF-8 "$work/game/comandos.scx" | cut -d'|' -f1 | sed 's/^ *//; s/ *$//' |
  grep -v '^$' | grep -v '^/' >"$work/phrases.txt" || true
printf '%s\n' "PEGUE O NADA" "XYZZY" "ABRA" "OLHE PARA O CÉU" "" "~^§" >>"$work/phrases.txt"
find "$work/game" -maxdepth 1 -name '*.scx' ! -name comandos.scx -printf '%f\n' | sed 's/\.scx$//' |
  sort >"$work/scripts.txt"

# events COUNT SEED: "start", then COUNT random events.
events() {
  awk -v count="$1" -v seed="$2" -v phrases="$work/phrases.txt" -v scripts="$work/scripts.txt" '
    function pick(list, n) { return list[int(rand() * n) + 1] }
    BEGIN {
      srand(seed)
      while ((getline line < phrases) > 0) phrase[++np] = line
      while ((getline line < scripts) > 0) script[++ns] = line
      split("F1 F2 F3 F4 Up Down Left Right Enter", key, " ")
      split("tel fnc pan md3", surface, " ")
      print "start"
      for (i = 0; i < count; i++) {
        r = rand()
        if (r < 0.40) print "type " pick(phrase, np)
        else if (r < 0.52) print "key " pick(key, 9)
        else if (r < 0.62) print "link Scp=" pick(script, ns) "&Prm=" int(rand() * 5)
        else if (r < 0.67) print "run " pick(script, ns)
        else if (r < 0.85) print "click " pick(surface, 4) " " int(rand() * 700) " " int(rand() * 500)
        else if (r < 0.90) print "move " pick(surface, 4) " " int(rand() * 700) " " int(rand() * 500)
        else if (r < 0.92) print "wheel md3 " int(rand() * 400) " " int(rand() * 300) " " (rand() < 0.5 ? -120 : 120)
        else print "wait " int(rand() * 1500)
      }
    }'
}

# The pace of this machine: a short run of the same kind of events.
events 300 "$seed" >"$work/calibrate.events"
started=$(date +%s.%N)
"$player" --game "$work/game" --events "$work/calibrate.events" >"$work/player.log" 2>&1 || {
  echo "soak: FAILED: the calibration run ended with status $?"; tail -n 20 "$work/player.log"; exit 1; }
pace=$(awk -v s="$started" -v e="$(date +%s.%N)" 'BEGIN { d = e - s; if (d < 0.1) d = 0.1; print 300 / d }')
# Twice the events the time allows: the player is stopped at the deadline.
count=$(awk -v p="$pace" -v m="$minutes" 'BEGIN { print int(p * m * 60 * 2) + 100 }')
events "$count" "$seed" >"$work/soak.events"
echo "soak: seed $seed, $minutes min, about $(printf '%.0f' "$pace") events/s, $count events prepared"

rm -rf "$work/game" && cp -r games/mirandel "$work/game"
"$player" --game "$work/game" --events "$work/soak.events" >"$work/player.log" 2>&1 &
pid=$!
deadline=$(( $(date +%s) + minutes * 60 ))
interval=$(( minutes >= 10 ? 10 : 2 ))
: >"$work/rss.txt"
stopped=0
while kill -0 "$pid" 2>/dev/null; do
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
  [ -z "$rss" ] || echo "$(date +%s) $rss" >>"$work/rss.txt"
  if [ "$(date +%s)" -ge "$deadline" ]; then
    stopped=1
    kill -TERM "$pid" 2>/dev/null || true
    break
  fi
  sleep "$interval"
done
status=0
wait "$pid" || status=$?
ran=$(( $(date +%s) - deadline + minutes * 60 ))

awk -v ran="$ran" -v stopped="$stopped" '
  { t[NR] = $1; kb[NR] = $2 }
  END {
    if (NR == 0) { print "soak: no memory sample"; exit }
    warm = int(NR / 5); if (warm < 1) warm = 1
    base = kb[warm]; top = base
    for (i = warm + 1; i <= NR; i++) if (kb[i] > top) top = kb[i]
    printf "soak: ran %d s (%s), %d samples; RSS first %d kB, after warm-up %d kB, highest since %d kB, last %d kB (%+.1f %%)\n",
      ran, stopped ? "stopped at the deadline" : "events ran out", NR, kb[1], base, top, kb[NR], (top - base) * 100.0 / base
  }' "$work/rss.txt"
if [ "$status" -ne 0 ]; then
  echo "soak: FAILED: the player ended with status $status"
  tail -n 20 "$work/player.log"
  exit 1
fi
growth=$(awk '{ kb[NR] = $2 } END { w = int(NR / 5); if (w < 1) w = 1; top = kb[w];
  for (i = w + 1; i <= NR; i++) if (kb[i] > top) top = kb[i]; print (NR && top > kb[w] * 1.10) ? 1 : 0 }' "$work/rss.txt")
if [ "$growth" -eq 1 ]; then
  echo "soak: FAILED: memory grew more than 10 % after the warm-up"
  exit 1
fi
echo "soak: passed"
