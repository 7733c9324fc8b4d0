#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each of them for a bounded time.
#   bash scripts/fuzz.sh [seconds per target, default 60] [target ...]
# Targets: oferta kwota nazwa data_czas komorki_bazy (all by default). Inputs found to be new
# are kept in <build>/korpus/<target>; the seeds in fuzz/korpus are only read. An input that
# breaks a target is saved in <build>/artefakty and the script fails: copy it into
# fuzz/regresje/<target>/, where the test build replays it, and fix the fault.
# The build folder is $GROSIWO_FUZZ_BUILD, build/fuzz by default.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
if (($#)); then targets=("$@"); else targets=(oferta kwota nazwa data_czas komorki_bazy); fi

bash scripts/setup.sh
build=${GROSIWO_FUZZ_BUILD:-build/fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGROSIWO_FUZZ=ON -DGROSIWO_TESTS=OFF -DGROSIWO_QT=OFF -DGROSIWO_SANITIZE=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/artefakty"
summary=()
status=0
for t in "${targets[@]}"; do
  corpus="$build/korpus/$t"
  mkdir -p "$corpus"
  dirs=("$corpus" "fuzz/korpus/$t")
  [ -d "fuzz/regresje/$t" ] && dirs+=("fuzz/regresje/$t")
  log="$build/fuzz_$t.log"
  echo "== fuzz_$t: $seconds s"
  if "$build/bin/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$build/artefakty/$t-" "${dirs[@]}" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
    tail -n 40 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  summary+=("$(printf '%-14s %-7s %10s runs  %6s inputs in the corpus' "$t" "$result" "${runs:-?}" \
    "$(find "$corpus" -type f | wc -l)")")
done
printf '%s\n' "${summary[@]}"
exit "$status"
