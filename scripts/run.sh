#!/usr/bin/env bash
# Builds the program and opens the planner on a demo database. Without a display it renders
# the planner on the demo data to a PNG and prints where it is.
# GROSIWO_JOBS limits the parallel build jobs (default: every processor).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGROSIWO_TESTS=OFF >/dev/null
cmake --build "$build" -j"${GROSIWO_JOBS:-$(nproc)}" --target grosiwo gw_planer
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/bin/grosiwo" --demo --planer "$@"
fi
echo "Brak ekranu: planer na danych demonstracyjnych zostanie zapisany jako obraz PNG."
exec "$build/bin/grosiwo" --demo --planer --zrzut "${TMPDIR:-/tmp}/grosiwo-planer.png" "$@"
