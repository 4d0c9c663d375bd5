#!/usr/bin/env bash
# Fuzzes the file readers: builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) into build-fuzz/ and runs each on a copy of its seed corpus.
#
#   tools/fuzz.sh             short run: 20000 inputs per target, about a minute in all
#   tools/fuzz.sh 500000      that many inputs per target
#   tools/fuzz.sh 3600s       long mode: an hour per target (any number followed by "s")
#
# The copies live in build-fuzz/corpus/<target>/ and keep what a run found, so the next run goes on
# from there; delete build-fuzz/corpus/ to start again from the seeds. A crash or a broken promise
# of a reader stops the script with a non-zero status; the input is in
# build-fuzz/artifacts/<target>/ and replays with: build-fuzz/fuzz/<target> <input>.
#
# Installs clang and the libFuzzer runtime (Debian 12: clang, libclang-rt-14-dev) when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=${1:-20000}
if [[ $limit =~ ^[0-9]+$ ]]; then
  limit_args=(-runs="$limit")
elif [[ $limit =~ ^([0-9]+)s$ ]]; then
  limit_args=(-max_total_time="${BASH_REMATCH[1]}")
else
  echo "usage: $0 [runs | seconds followed by s]" >&2
  exit 2
fi

"./tools/deps.sh"
fuzzer_runtime() {
  command -v clang++ >/dev/null || return 1
  [ -f "$(clang++ -print-resource-dir)/lib/linux/libclang_rt.fuzzer-$(uname -m).a" ]
}
if ! fuzzer_runtime; then
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: clang libclang-rt-14-dev"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev >/dev/null
  fuzzer_runtime || { echo "the libFuzzer runtime is still missing" >&2; exit 1; }
fi

targets=(fuzz_layout fuzz_versionblock)
declare -A seeds=([fuzz_layout]=layout [fuzz_versionblock]=versionblock)

[ -f build-fuzz/build.ninja ] ||
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXA_FUZZ=ON >/dev/null
cmake --build build-fuzz --target "${targets[@]}"

status=0
for t in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$t
  artifacts=build-fuzz/artifacts/$t
  mkdir -p "$corpus" "$artifacts"
  cp -n "fuzz/corpus/${seeds[$t]}"/* "$corpus"/
  echo "== $t (${limit_args[*]})"
  if ! "build-fuzz/fuzz/$t" "${limit_args[@]}" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$corpus" 2>"build-fuzz/$t.log"; then
    tail -n 40 "build-fuzz/$t.log" >&2
    echo "== $t FAILED: input in $artifacts/, full output in build-fuzz/$t.log" >&2
    status=1
  else
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)|cov:.*corp:' "build-fuzz/$t.log" | tail -n 4
  fi
done
exit $status
