#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer (leak checks on) and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs the whole test suite there, headless. Any sanitizer report fails the run.
# Leaks are suppressed only inside system libraries, as listed in tools/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
"./tools/deps.sh"
# -O1 with line tables only: the sanitizers' usual level, quick to build, stack traces with lines.
[ -f build-sanitize/build.ninja ] ||
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g1" -DVEXA_SANITIZE=ON >/dev/null
cmake --build build-sanitize
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
ctest --test-dir build-sanitize --output-on-failure -j2 "$@"
