#!/usr/bin/env bash
# Configures and builds into the given folder (default build/) with Ninja, staging <folder>/app/.
#   scripts/build.sh [--target NAME]... [BUILD_DIR] [extra cmake arguments...]
# Without --target everything is built; orvane_program is the three deliverables and the staged
# application folder, orvane_check every test program and what the tests start.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=()
while [ "${1:-}" = --target ]; do
    targets+=(--target "$2")
    shift 2
done
dir=${1:-build}
shift || true

# A folder made by another generator is configured afresh (its cache names that generator and
# CMake refuses to switch). What the program wrote into the staged app/ folder stays.
fresh=()
if [ -f "$dir/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$dir/CMakeCache.txt"; then
    echo "build: $dir was made by another generator; configuring it afresh for Ninja"
    find "$dir" -path "$dir/app" -prune -o -name Makefile -type f -exec rm -f {} +
    fresh=(--fresh)
fi
cmake "${fresh[@]}" -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
