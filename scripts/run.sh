#!/usr/bin/env bash
# Builds the program and opens the planner on a demo database.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGROSIWO_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
if [ ! -x "$build/bin/grosiwo" ]; then
  echo "Program grosiwo nie jest jeszcze zbudowany: planer i aplikacja główna powstają w kolejnych krokach." >&2
  exit 1
fi
if [ -n "${DISPLAY:-}" ]; then
  exec "$build/bin/grosiwo" --demo --planer "$@"
fi
shot="${TMPDIR:-/tmp}/grosiwo-planer.png"
"$build/bin/grosiwo" --demo --planer --zrzut "$shot"
echo "Brak ekranu: zrzut planera zapisano w $shot"
