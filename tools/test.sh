#!/usr/bin/env bash
# Builds and runs the whole test suite, headless; then the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (tools/sanitize.sh), then a short run of the file readers' fuzzers
# (tools/fuzz.sh). Any failure, sanitizer report or fuzzer finding fails the command.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
./tools/sanitize.sh
./tools/fuzz.sh 5000
