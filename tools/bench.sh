#!/usr/bin/env bash
# Runs every benchmark of bench/ (offscreen unless QT_QPA_PLATFORM is set) and prints one table:
# each measurement against its baseline from the same run, their ratio and the goal for it.
# Each benchmark's own full output goes to build/bench/<name>.txt.
#   tools/bench.sh            builds first; takes about a minute
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/build.sh >/dev/null
benches=(bench_startup bench_layout bench_splash bench_docwindow)
rows=()
for b in "${benches[@]}"; do
  "build/bench/$b" >"build/bench/$b.txt" 2>/dev/null
  while IFS=$'\t' read -r _ what value baseline unit ratio goal; do
    rows+=("| $what | $value $unit | $baseline $unit | $ratio | ${goal:-—} |")
  done < <(grep '^summary' "build/bench/$b.txt")
done
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), platform ${QT_QPA_PLATFORM:-offscreen}, $(date -u +%Y-%m-%d)"
echo
echo "| Measurement / baseline | Value | Baseline | Ratio | Goal |"
echo "|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
