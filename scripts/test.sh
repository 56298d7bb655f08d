#!/usr/bin/env bash
# Builds everything (Debug with address and undefined-behaviour sanitizers,
# warnings as errors), builds the core with clang, fuzzes every reader of
# outside input for 20 s each, runs every test and clang-tidy over src/. Exits
# non-zero on any failure.
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

# Every reader of outside input under libFuzzer (address and undefined-behaviour
# sanitizers), each briefly from its committed seed corpus (scripts/fuzz.sh
# runs one for longer).
seconds=${VUVIVAZ_FUZZ_SECONDS:-20}
for corpus in tests/fuzz/corpus/*/; do
    target=$(basename "$corpus")
    echo "== fuzz $target (${seconds} s)"
    VUVIVAZ_JOBS=$jobs scripts/fuzz.sh "$target" "${seconds}s"
done

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
