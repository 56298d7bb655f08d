#!/usr/bin/env bash
# Builds everything (Debug, warnings as errors), builds the core with clang,
# and runs every test. Exits non-zero on any failure.
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

ctest --test-dir build/debug --output-on-failure -j "$jobs"
ctest --test-dir build/clang --output-on-failure -j "$jobs"
