#!/usr/bin/env bash
# Builds everything (Debug with address and undefined-behaviour sanitizers,
# warnings as errors), builds the core with clang, fuzzes the receive path for a
# minute, runs every test and clang-tidy over src/. Exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages

jobs=$(nproc)
cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVUVIVAZ_WERROR=ON -DVUVIVAZ_SANITIZE=ON
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

# Every test of the Debug build runs under the sanitizers: a leak, a memory
# error or undefined behaviour fails it.
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build/debug --output-on-failure -j "$jobs"
ctest --test-dir build/clang --output-on-failure -j "$jobs"

# clang-tidy over src/ with the checks .clang-tidy lists, from the Debug
# build's compile commands; any finding fails. clang does not know some of
# g++'s warning options, hence the extra argument.
run-clang-tidy -p build/debug -j "$jobs" -quiet -extra-arg=-Wno-unknown-warning-option \
    "^$PWD/src/"
