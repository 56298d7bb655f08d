#!/usr/bin/env bash
# Builds the client (Release), seeds its working directory on first start
# and starts it there.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/scripts/deps.sh"
ensure_packages

cmake -S "$repo" -B "$repo/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$repo/build/release" --target vuvivaz -j "$(nproc)"

workdir="${VUVIVAZ_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/vuvivaz}"
"$repo/scripts/seed.sh" "$workdir"
cd "$workdir"
exec "$repo/build/release/src/qt/vuvivaz" "$@"
