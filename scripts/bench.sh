#!/usr/bin/env bash
# Builds the Release client and benchmarks, runs the micro benchmarks, then
# floods the real client from a fake server (both scenarios, under Xvfb
# unless DISPLAY is set). Extra arguments go to bench/flood/flood.py.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages xvfb python3

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/release -j "${VUVIVAZ_JOBS:-2}"

for bench in build/release/bench/*_bench; do
    echo "== $(basename "$bench")"
    "$bench" --benchmark_min_time=0.2
done

echo "== flood (lines per second from the first flood line to the PONG; peak RSS = VmHWM)"
python3 bench/flood/flood.py "$@"
