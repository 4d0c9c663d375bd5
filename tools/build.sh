#!/usr/bin/env bash
# Configures (once) and builds into build/. Quick when nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."
"./tools/deps.sh"
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
