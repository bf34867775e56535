#!/usr/bin/env bash
# Sets everything up and runs every test: once in a normal build, once more in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen
bash tools/build.sh build
(cd build && ctest --output-on-failure --timeout 300 -j "$(nproc)")
bash tools/build.sh build-asan -DMIRANDEL_SANITIZE=ON -DMIRANDEL_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
(cd build-asan && ctest --output-on-failure --timeout 600 -j "$(nproc)")
