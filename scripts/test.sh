#!/usr/bin/env bash
# Builds everything (Debug, warnings as errors), builds the core with clang,
# fuzzes the receive path for a minute and runs every test. Exits non-zero on
# any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages

jobs=$(nproc)
cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVUVIVAZ_WERROR=ON
cmake --build build/debug -j "$jobs"

cmake -S . -B build/clang -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVUVIVAZ_WERROR=ON \
      -DVUVIVAZ_CORE_ONLY=ON -DCMAKE_CXX_COMPILER=clang++
cmake --build build/clang -j "$jobs"

# The receive path under libFuzzer (address and undefined-behaviour sanitizers),
# starting from the committed seed corpus.
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVUVIVAZ_CORE_ONLY=ON \
      -DVUVIVAZ_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
cmake --build build/fuzz --target receive_path_fuzz -j "$jobs"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/fuzz/corpus/receive_path/* "$corpus"
build/fuzz/tests/fuzz/receive_path_fuzz -max_total_time="${VUVIVAZ_FUZZ_SECONDS:-60}" \
    -max_len=4096 "$corpus" 2>&1 | tail -n 3

ctest --test-dir build/debug --output-on-failure -j "$jobs"
ctest --test-dir build/clang --output-on-failure -j "$jobs"

