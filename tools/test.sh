#!/usr/bin/env bash
# Builds and runs the whole test suite, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
