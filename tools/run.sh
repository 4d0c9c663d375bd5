#!/usr/bin/env bash
# Builds and starts the program. Without a display it runs on a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/build.sh >/dev/null
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/VEXA-TOLM "$@"
fi
echo "No display: starting on a virtual X server (xvfb-run)."
exec xvfb-run -a ./build/VEXA-TOLM "$@"
