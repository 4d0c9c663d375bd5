# Sourced by the scripts that need a real X server: start_x_session <work dir> <width>x<height>
# starts Xvfb and the openbox window manager, exports DISPLAY, waits until openbox manages the
# screen and appends both processes to the caller's `pids` array for its clean-up to end.
start_x_session() {
  local work=$1 size=$2
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  exec 3>&-
  export DISPLAY=:$(head -n1 "$work/display")
  openbox >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
}
