#!/usr/bin/env bash
# Builds the libFuzzer programs (a clang build in build-fuzz/, when needed) and
# runs each for SECONDS (default 600), one after another, at low priority:
#   tools/fuzz.sh [SECONDS] [TARGET...]
# Each starts from its seeds in tests/fuzz/<target>/ and the inputs it found
# before (build-fuzz/corpus/<target>/), and starts again after a fault, so one
# run collects every finding. Per target it prints the executions and the
# findings: the inputs that crashed, hung or ran out of memory, kept in
# build-fuzz/findings/<target>/. Exits 1 when there is any finding.
# A fixed fault's input goes into tests/fuzz/<target>/, which the test suite
# feeds to the same target (tests/fuzz_corpus_test.cpp).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
all=(script defs registers objects phrases events pictures page page_view bmp)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")
dir=build-fuzz

if [ ! -f "$dir/CMakeCache.txt" ]; then
  launcher=()
  if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="$PWD"
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMIRANDEL_FUZZ=ON -DMIRANDEL_BENCH=OFF "${launcher[@]}" >/dev/null
fi
# Only the programs this run needs.
nice cmake --build "$dir" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
# Qt's own allocations kept for the life of the program are not the game's leaks.
# Undefined behaviour stops the run, except the known faults listed in the file.
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$PWD/fuzz/known_faults.supp"
found=0
summary=()
for target in "${targets[@]}"; do
  corpus="$dir/corpus/$target" findings="$dir/findings/$target" log="$dir/logs/$target.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")" "$dir/tmp/$target"
  stamp="$dir/logs/$target.started"
  touch "$stamp"
  echo "== $target: $seconds s (log: $log)"
  # A fault stops the fuzzer; it starts again (on the corpus grown so far) until the time is up.
  end=$((SECONDS + seconds))
  : >"$log"
  while [ $((end - SECONDS)) -gt 2 ]; do
    echo "=== run" >>"$log"
    TMPDIR="$PWD/$dir/tmp/$target" nice -n 10 "$dir/fuzz/fuzz_$target" \
      -max_total_time=$((end - SECONDS)) -timeout=20 -rss_limit_mb=2048 -max_len=16384 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "tests/fuzz/$target" >>"$log" 2>&1 || true
  done
  rm -rf "${dir:?}/tmp/$target"
  # Executions: the last count ("#N ...") of each run, added up.
  execs=$(awk '/^=== run/ { total += last; last = 0 } match($0, /^#[0-9]+/) { last = substr($0, 2, RLENGTH - 1) }
               END { print total + last }' "$log")
  new=$(find "$findings" -type f -newer "$stamp" | wc -l)
  [ "$new" -eq 0 ] || found=1
  summary+=("$(printf '%-10s %12s executions %4d new findings %4d in corpus' "$target" "${execs:-?}" "$new" \
    "$(find "$corpus" -type f | wc -l)")")
  find "$findings" -type f -newer "$stamp" | sed 's/^/    new finding: /'
done
echo
printf '%s\n' "${summary[@]}"
exit "$found"
