#!/usr/bin/env bash
# Runs every benchmark of bench/ (offscreen unless QT_QPA_PLATFORM is set) and prints one table:
# each measurement against its baseline from the same run, their ratio and the goal for it.
# Where Xvfb and openbox are installed, the start-up benchmark runs a second time on a real X
# server with a window manager (rows marked "X11"): offscreen, a window is drawn into memory and
# never waits for a server, so only there is "drawn" what a user sees.
# Each benchmark's own full output goes to build/bench/<name>.txt.
#   tools/bench.sh            builds first; takes about two minutes
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/build.sh >/dev/null
benches=(bench_startup bench_layout bench_splash bench_docwindow)
rows=()
add_rows() {  # add_rows <output file> <label suffix>
  while IFS=$'\t' read -r _ what value baseline unit ratio goal; do
    rows+=("| $what$2 | $value $unit | $baseline $unit | $ratio | ${goal:-—} |")
  done < <(grep '^summary' "$1")
}
for b in "${benches[@]}"; do
  "build/bench/$b" >"build/bench/$b.txt" 2>/dev/null
  add_rows "build/bench/$b.txt" ""
done

if command -v Xvfb >/dev/null && command -v openbox >/dev/null; then
  work=$(mktemp -d)
  pids=()
  cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"; }
  trap cleanup EXIT
  source tools/xsession.sh
  start_x_session "$work" 1280x1024
  QT_QPA_PLATFORM=xcb build/bench/bench_splash 21 >build/bench/bench_splash.x11.txt 2>/dev/null
  add_rows build/bench/bench_splash.x11.txt " (X11)"
fi

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), platform ${QT_QPA_PLATFORM:-offscreen}, $(date -u +%Y-%m-%d)"
echo
echo "| Measurement / baseline | Value | Baseline | Ratio | Goal |"
echo "|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
