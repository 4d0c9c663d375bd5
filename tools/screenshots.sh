#!/usr/bin/env bash
# Makes the README's screenshots from the real program: docs/main-window.png (the main window with a
# document window and the Window menu open) and docs/frequency-dialog.png (Test parameters >
# Frequency...). Runs the built program in its own Xvfb with the openbox window manager.
#   tools/screenshots.sh            builds first, writes into docs/
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/build.sh >/dev/null
out=$PWD/docs
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
source tools/xsession.sh
start_x_session "$work" 1024x720

wait_for() {  # wait_for <xdotool search arguments...>: the first matching window
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.05
  done
  echo "no window $*" >&2
  return 1
}
shot() { sleep 0.5; import -window root "$out/$1"; echo "wrote docs/$1"; }

# The document window shows the file of its name from the working directory.
cat >"$work/NONAME1" <<'TEXT'
Radiated immunity, 80 MHz to 1 GHz
Field strength 3 V/m, AM 80 % at 1 kHz
Dwell time 500 ms per frequency, linear steps of 1 %
EUT: demonstration unit, monitored by camera
TEXT
mkdir "$work/program"
cp build/VEXA-TOLM "$work/program/"
(cd "$work" && QT_QPA_PLATFORM=xcb exec "$work/program/VEXA-TOLM") &
pids+=($!)
main=$(wait_for --name '^VEXA-TOLM$')
sleep 1
xdotool windowactivate --sync "$main"
xdotool key alt+w n         # Window > New window...
sleep 0.5
xdotool key alt+w           # the Window menu, open
shot main-window.png
xdotool key Escape Escape
xdotool key alt+t f         # Test parameters > Frequency...
dialog=$(wait_for --name 'requency')
sleep 0.5
import -window "$dialog" -frame "$out/frequency-dialog.png"
echo "wrote docs/frequency-dialog.png"
xdotool key Escape
sleep 0.3
# The main window is looked up again: its X window may have been replaced meanwhile.
main=$(wait_for --name '^VEXA-TOLM$')
xdotool windowactivate --sync "$main" key alt+F4
