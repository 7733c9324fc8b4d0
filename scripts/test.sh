#!/usr/bin/env bash
# Builds everything with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer and runs
# every test, then fuzzes each libFuzzer target for a few seconds ($GROSIWO_FUZZ_SECONDS, 5).
# The build folders are build/asan and build/fuzz unless $GROSIWO_ASAN_BUILD and
# $GROSIWO_FUZZ_BUILD name others.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=${GROSIWO_ASAN_BUILD:-build/asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGROSIWO_SANITIZE=ON -DGROSIWO_TESTS=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 600

bash scripts/fuzz.sh "${GROSIWO_FUZZ_SECONDS:-5}"
