#!/usr/bin/env bash
# Runs one libFuzzer target for a number of seconds:  tools/fuzz.sh NAME SECONDS
# Builds the targets with clang in build-fuzz/ (FUZZ_BUILD overrides), seeds from
# tests/fuzz/corpus/NAME/ and keeps what it learns in build-fuzz/corpus/NAME/, so the seeds in
# the tree stay as they are. A crash or a failed check leaves its input in
# build-fuzz/findings/ and ends with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ne 2 ]; then
    echo "usage: $0 NAME SECONDS   (NAME: $(ls tests/fuzz/corpus | tr '\n' ' '))" >&2
    exit 2
fi
name=$1
seconds=$2
seeds=tests/fuzz/corpus/$name
[ -d "$seeds" ] || { echo "no seed corpus $seeds" >&2; exit 2; }

scripts/deps.sh clang libclang-rt-14-dev # clang++ and libFuzzer with its sanitizer runtimes
dir=${FUZZ_BUILD:-build-fuzz}
scripts/build.sh --target "fuzz_$name" "$dir" -DCMAKE_CXX_COMPILER=clang++ -DORVANE_FUZZ=ON \
    -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCH=OFF

work=$dir/corpus/$name
findings=$dir/findings
mkdir -p "$work" "$findings"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$dir/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" "$work" "$seeds"
