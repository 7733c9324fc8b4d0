#!/usr/bin/env bash
# Builds the Release benchmarks and runs every program of bench/, then prints each figure
# next to its limit measured in the same run, with the ratio of their CPU times.
#   bash scripts/bench.sh [extra Google Benchmark options, e.g. --benchmark_min_time=1]
#   bash scripts/bench.sh --benchmark_repetitions=5   # figures and limits are then medians
# Results: <build>/wyniki/<program>.csv and .txt; the build folder is $GROSIWO_BENCH_BUILD,
# build/bench by default. CPU time is compared because the machine may be shared: waiting
# for another process's turn counts in real time but not in CPU time.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
build=${GROSIWO_BENCH_BUILD:-build/bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGROSIWO_BENCH=ON -DGROSIWO_TESTS=OFF \
  -DGROSIWO_SANITIZE=OFF >/dev/null
programs=()
for source in bench/*.cpp; do programs+=("$(basename "$source" .cpp)"); done
targets=()
for p in "${programs[@]}"; do
  if ninja -C "$build" -t query "$p" >/dev/null 2>&1; then targets+=("$p"); fi
done
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
results="$build/wyniki"
mkdir -p "$results"
for p in "${programs[@]}"; do
  if [ ! -x "$build/bin/$p" ]; then
    echo "== $p: not built here (its part of the build is switched off)"
    continue
  fi
  echo "== $p"
  "$build/bin/$p" --benchmark_out="$results/$p.csv" --benchmark_out_format=csv "$@" | tee "$results/$p.txt"
done

# program | figure | its limit; a figure with an argument ("/1000") is paired with the limit
# of the same argument.
pairs=(
  "WczytywanieBench|WczytajDaneZTabelDoKolekcji|SurowaPetla"
  "WczytywanieBench|CzytnikiWydatkowIPlanow|SurowaPetla"
  "SQLiteOdczytBench|TabelaIKonwersjaZTekstu|SurowaPetla"
  "SQLiteOdczytBench|TabelaIFieldTextByName|SurowaPetla"
  "SQLiteOdczytBench|TylkoGetTable|SurowaPetla"
  "ZapisBench|BM_ZapisNowychPlanow|BM_WstawianiePlanowZParametrami"
  "ZapisBench|BM_NowePlanyGotowymiTekstami|BM_WstawianiePlanowZParametrami"
  "ZapisBench|BM_ZapisZmienionychWydatkow|BM_ZmianaWydatkowZParametrami"
  "ZapisBench|BM_ZmienioneWydatkiGotowymiTekstami|BM_ZmianaWydatkowZParametrami"
  "SiatkaBench|SiatkaDanychZDostawca|BazowyQTableView"
  "SiatkaBench|SiatkaDanychWpisywana|BazowyQTableView"
  "PlanerBench|KlikniecieFiltraPlanera|BazowyQTableView"
  "PlanerBench|PrzebudowaListyPlanera|BazowyQTableView"
  "PlanerBench|RysowanieSiatkiPlanera|BazowyQTableView"
  "StopkaPlaneraBench|SumyStopkiPlanera|SumaWMapieHaszujacej"
)
echo
printf '%-18s %-62s %14s %14s %8s\n' program "figure (limit)" "CPU figure" "CPU limit" ratio
for pair in "${pairs[@]}"; do
  IFS='|' read -r program figure limit <<<"$pair"
  csv="$results/$program.csv"
  [ -f "$csv" ] || continue
  # Google Benchmark's CSV: name,iterations,real_time,cpu_time,time_unit,...; names quoted.
  awk -F, -v figure="$figure" -v limit="$limit" -v program="$program" '
    function base(n) { sub(/\/.*/, "", n); return n }
    function arg(n) { return index(n, "/") ? substr(n, index(n, "/")) : "" }
    function ns(t, u) { return t * (u == "s" ? 1e9 : u == "ms" ? 1e6 : u == "us" ? 1e3 : 1) }
    /^"/ {
      name = $1; gsub(/"/, "", name)
      # With --benchmark_repetitions the median stands for the figure; the single runs and
      # the other aggregates are left out.
      if (name ~ /_(mean|stddev|cv)$/) next
      if (name ~ /_median$/) { sub(/_median$/, "", name); median[name] = 1 }
      else if (name in median) next
      if (base(name) == limit) { cpu[arg(name)] = $4; unit[arg(name)] = $5 }
      if (base(name) == figure) {
        if (!(name in fig)) order[++n] = name
        fig[name] = $4; funit[name] = $5
      }
    }
    END {
      found = 0
      for (i = 1; i <= n; i++) {
        name = order[i]; a = arg(name)
        if (!(a in cpu)) continue
        found = 1
        printf "%-18s %-62s %11.3f %-2s %11.3f %-2s %7.2fx\n", program, name " (" limit a ")", \
               fig[name], funit[name], cpu[a], unit[a], ns(fig[name], funit[name]) / ns(cpu[a], unit[a])
      }
      if (!found) printf "%-18s %-62s %s\n", program, figure, "(figure or limit not in this run)"
    }' "$csv"
done
