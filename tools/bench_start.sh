#!/usr/bin/env bash
# Start-up against a bare Qt window, measured two ways:
#  - in process (bench/window_start_bench): the opening screen's session against
#    a bare widget, times per start;
#  - the whole process: `mirandel --quit-when-shown` on the demo game against
#    bench/bare_qt_window, both ending at their first paint, run alternately
#    under /usr/bin/time -v; the medians of wall time and peak memory (RSS) and
#    their ratios, on the offscreen platform and, when Xvfb is there, on X
#    (with a session bus of its own, as a desktop has);
#    with them bench/title_qt_window, that bare window showing the opening
#    screen's title picture, the floor of what an opening screen with its texts
#    costs (Qt's fonts set up, the picture painted).
# tools/bench_start.sh [RUNS] (default 15 alternated runs of each);
# NO_BUILD=1 measures the build as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
[ -n "${NO_BUILD:-}" ] || bash tools/build.sh build -DMIRANDEL_BENCH=ON >/dev/null

if [ -x build/bench/window_start_bench ]; then
  out=$(QT_QPA_PLATFORM=offscreen build/bench/window_start_bench --benchmark_format=csv 2>/dev/null)
  bare=$(echo "$out" | awk -F, '/BM_BareQtWindow/ {print $3}')
  opening=$(echo "$out" | awk -F, '/BM_OpeningScreen/ {print $3}')
  echo "in process: bare Qt window ${bare} ms, opening screen ${opening} ms per start"
  awk -v a="$opening" -v b="$bare" 'BEGIN { printf "in process ratio: %.2f\n", a / b }'
fi

# The player's per-user files (library, game copy, settings) go to a home of
# its own, removed at the end; a run before the timed ones makes the copy.
scratch=$(mktemp -d)
xvfb=""
bus=""
cleanup() {
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  [ -z "$bus" ] || kill "$bus" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -m 700 "$scratch/run"
export HOME="$scratch" XDG_DATA_HOME="$scratch/share" XDG_CONFIG_HOME="$scratch/config" \
  XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/run"
player=(build/mirandel --quit-when-shown)
yardstick=(build/bench/bare_qt_window)
floor=(build/bench/title_qt_window)

# One run: "milliseconds kilobytes" on stdout.
measure() {
  local start end
  start=$EPOCHREALTIME
  /usr/bin/time -v -o "$scratch/time.txt" "$@" >/dev/null 2>&1
  end=$EPOCHREALTIME
  awk -v s="$start" -v e="$end" '/Maximum resident set size/ { printf "%.2f %d\n", (e - s) * 1000, $NF }' \
    "$scratch/time.txt"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

compare() {
  local label=$1
  measure "${player[@]}" >/dev/null
  measure "${yardstick[@]}" >/dev/null
  : >"$scratch/player.txt"
  : >"$scratch/bare.txt"
  : >"$scratch/floor.txt"
  for ((i = 0; i < runs; ++i)); do
    measure "${player[@]}" >>"$scratch/player.txt"
    measure "${yardstick[@]}" >>"$scratch/bare.txt"
    [ ! -x "${floor[0]}" ] || measure "${floor[@]}" >>"$scratch/floor.txt"
  done
  local pt pm bt bm
  pt=$(awk '{print $1}' "$scratch/player.txt" | median)
  pm=$(awk '{print $2}' "$scratch/player.txt" | median)
  bt=$(awk '{print $1}' "$scratch/bare.txt" | median)
  bm=$(awk '{print $2}' "$scratch/bare.txt" | median)
  awk -v l="$label" -v pt="$pt" -v pm="$pm" -v bt="$bt" -v bm="$bm" -v n="$runs" 'BEGIN {
    printf "%s (medians of %d): player %.1f ms %.1f MiB, bare Qt window %.1f ms %.1f MiB; ratio %.2fx time, %.2fx memory\n",
           l, n, pt, pm / 1024, bt, bm / 1024, pt / bt, pm / bm }'
  [ -s "$scratch/floor.txt" ] || return 0
  local ft fm
  ft=$(awk '{print $1}' "$scratch/floor.txt" | median)
  fm=$(awk '{print $2}' "$scratch/floor.txt" | median)
  awk -v l="$label" -v ft="$ft" -v fm="$fm" -v bt="$bt" -v bm="$bm" -v pt="$pt" -v pm="$pm" 'BEGIN {
    printf "%s floor: bare window with the title picture %.1f ms %.1f MiB, %.2fx time, %.2fx memory of the bare one; the player is %.2fx, %.2fx the floor\n",
           l, ft, fm / 1024, ft / bt, fm / bm, pt / ft, pm / fm }'
}

# Offscreen: DISPLAY only tells the player it may open its window (nothing connects to it).
DISPLAY=${DISPLAY:-:0} QT_QPA_PLATFORM=offscreen compare "offscreen"

if command -v Xvfb >/dev/null; then
  display=":$((90 + RANDOM % 400))"
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for ((i = 0; i < 50; ++i)); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
  # A desktop session has its session bus; without one every Qt program on X
  # starts dbus-launch at each start to find one (its accessibility asks it).
  if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-daemon >/dev/null; then
    mapfile -t session < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=${session[0]}
    bus=${session[1]}
  fi
  DISPLAY=$display QT_QPA_PLATFORM=xcb compare "Xvfb"
fi
