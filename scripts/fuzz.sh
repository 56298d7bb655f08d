#!/usr/bin/env bash
# Fuzzes one target: scripts/fuzz.sh TARGET MINUTES [--merge]
# (MINUTES may be seconds instead, written with an "s": 20s).
# TARGET is a name under tests/fuzz/corpus/ (receive_path, ini_store, ...).
# Builds build/fuzz when needed and fuzzes a scratch copy of the committed
# corpus; with --merge, inputs that reach new coverage are merged back into
# tests/fuzz/corpus/TARGET. Crash inputs are left in build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: scripts/fuzz.sh TARGET MINUTES [--merge]}
minutes=${2:?usage: scripts/fuzz.sh TARGET MINUTES [--merge]}
if [[ $minutes == *s ]]; then seconds=${minutes%s}; else seconds=$((minutes * 60)); fi
[[ -d tests/fuzz/corpus/$target ]] || { echo "no corpus for $target" >&2; exit 2; }

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVUVIVAZ_CORE_ONLY=ON \
      -DVUVIVAZ_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz --target "${target}_fuzz" -j "${VUVIVAZ_JOBS:-2}" >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp tests/fuzz/corpus/"$target"/* "$scratch"
mkdir -p build/fuzz/findings
log=build/fuzz/findings/$target.log
status=0
nice -n 19 build/fuzz/tests/fuzz/"${target}"_fuzz -max_total_time="$seconds" \
    -max_len="${VUVIVAZ_FUZZ_MAX_LEN:-4096}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/findings/${target}-" "$scratch" >"$log" 2>&1 || status=$?
grep -E '^#[0-9]+.*(INITED|DONE)|^stat::number_of_executed_units|^SUMMARY|invariant' "$log" || true
if [[ "${3:-}" == --merge ]]; then
    build/fuzz/tests/fuzz/"${target}"_fuzz -merge=1 tests/fuzz/corpus/"$target" "$scratch" \
        >/dev/null 2>&1
fi
exit "$status"
