#!/usr/bin/env bash
# Builds the client (Release), seeds its working directory on first start
# and starts it there.
#
# --local: instead starts a private ngircd on a free loopback port and the
# client in a fresh working directory that connects to it at once; both are
# removed when the client exits.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/scripts/deps.sh"
ensure_packages

cmake -S "$repo" -B "$repo/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$repo/build/release" --target vuvivaz -j "$(nproc)"
client="$repo/build/release/src/qt/vuvivaz"

if [ "${1:-}" != "--local" ]; then
    workdir="${VUVIVAZ_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/vuvivaz}"
    "$repo/scripts/seed.sh" "$workdir"
    cd "$workdir"
    exec "$client" "$@"
fi
shift

# Starts ngircd in $server_dir on a random port until one is free; sets
# $server_pid and $server_port.
start_local_server() {
    local ngircd port
    ngircd=$(PATH="$PATH:/usr/sbin:/usr/local/sbin" command -v ngircd)
    for _ in 1 2 3 4 5; do
        port=$((20000 + RANDOM % 40000))
        "$repo/scripts/ngircd-config.sh" "$server_dir" "$port"
        "$ngircd" -n -f "$server_dir/ngircd.conf" > "$server_dir/ngircd.log" 2>&1 &
        server_pid=$!
        for _ in $(seq 100); do
            if grep -q "Now listening on \[127.0.0.1\]:$port" "$server_dir/ngircd.log"; then
                server_port=$port
                return 0
            fi
            kill -0 "$server_pid" 2> /dev/null || break
            sleep 0.1
        done
        kill "$server_pid" 2> /dev/null || true
    done
    echo "ngircd did not start; its log:" >&2
    cat "$server_dir/ngircd.log" >&2
    return 1
}

server_dir=$(mktemp -d)
workdir=$(mktemp -d)
server_pid=""
trap '[ -z "$server_pid" ] || kill "$server_pid" 2> /dev/null; rm -rf "$server_dir" "$workdir"' EXIT
start_local_server
"$repo/scripts/seed.sh" "$workdir"
sed -i -e "s/^Server=.*/Server=127.0.0.1\r/" -e "s/^Port=.*/Port=$server_port\r/" \
    -e "s/^ConnOnStart=.*/ConnOnStart=1\r/" -e "s/^Open=.*/Open=0\r/" "$workdir/vuvivaz.ini"
echo "A private IRC server listens on 127.0.0.1:$server_port; the client works in $workdir"
cd "$workdir"
"$client" "$@"
