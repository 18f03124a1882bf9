#!/usr/bin/env bash
# Runs the in-process benchmarks (Release build) and prints their medians as Markdown:
# candidate preparation plus ChooseMove for every position and level, then the scan,
# the preparation alone and the whole in-process run. Times are CPU-time medians of
# the repetitions, in microseconds. Usage: bench-table.sh [BUILD_DIR] [REPETITIONS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
repetitions=${2:-9}

scripts/install-deps.sh
scripts/configure.sh "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target tulvo_bench > /dev/null

"$build/bench/tulvo-bench" --benchmark_repetitions="$repetitions" --benchmark_min_time=0.1 \
  --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2> /dev/null | awk -F, '
  # CSV columns: name, iterations, real_time, cpu_time, time_unit, two rates, label.
  function micro(t, unit) { return unit == "ns" ? t / 1000 : unit == "ms" ? t * 1000 : t }
  $1 ~ /_median"$/ {
    name = $1; gsub(/"|_median/, "", name)
    label = $8; gsub(/"/, "", label)
    time = sprintf(name ~ /ScanCell/ ? "%.3f" : "%.1f", micro($4, $5))
    if (name ~ /^BM_ChooseMove\//) {
      split(name, part, /[:\/]/)
      position = part[3]; level = part[5]
      names[position] = label; table[position, level] = time
    } else {
      others = others sprintf("| %s | %s | %s |\n", name, label, time)
    }
  }
  END {
    print "| position | level 0 | level 1 | level 2 | level 3 | level 4 | level 5 | level 6 |"
    print "|---|---|---|---|---|---|---|---|"
    for (p = 0; p in names; p++) {
      row = "| " names[p]
      for (l = 0; l <= 6; l++) row = row " | " table[p, l]
      print row " |"
    }
    print ""
    print "| benchmark | position | median (us) |"
    print "|---|---|---|"
    printf "%s", others
  }'
