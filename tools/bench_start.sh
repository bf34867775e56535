#!/usr/bin/env bash
# Start-up to the opening screen against a bare Qt window: prints both times and
# their ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh build >/dev/null
out=$(build/bench/window_start_bench --benchmark_format=csv 2>/dev/null)
bare=$(echo "$out" | awk -F, '/BM_BareQtWindow/ {print $3}')
opening=$(echo "$out" | awk -F, '/BM_OpeningScreen/ {print $3}')
echo "bare Qt window:  ${bare} ms (real time per start)"
echo "opening screen:  ${opening} ms"
awk -v a="$opening" -v b="$bare" 'BEGIN { printf "ratio: %.2f\n", a / b }'
