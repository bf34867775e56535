#!/usr/bin/env bash
# Sets everything up and runs every test: once in a normal build, once more in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen
# The tests and benchmarks on, even in a build tree tools/play.sh made first.
bash tools/build.sh build -DMIRANDEL_TESTS=ON -DMIRANDEL_BENCH=ON
# A test that fails is run once more before it counts: the tests that start the
# player as a process and signal it can miss their moment on a loaded machine.
(cd build && ctest --output-on-failure --timeout 300 -j "$(nproc)" --repeat until-pass:2)
bash tools/build.sh build-asan -DMIRANDEL_SANITIZE=ON -DMIRANDEL_TESTS=ON -DMIRANDEL_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
(cd build-asan && ctest --output-on-failure --timeout 600 -j "$(nproc)" --repeat until-pass:2)
