#!/usr/bin/env bash
# Seeds a working directory with the default files; existing files stay.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
workdir="$1"
mkdir -p "$workdir"

login=$(id -un)
full_name=$(getent passwd "$login" | cut -d: -f5 | cut -d, -f1)
[ -n "$full_name" ] || full_name="$login"

if [ ! -e "$workdir/vuvivaz.ini" ]; then
    sed -e "s/@LOGIN@/$login/g" -e "s/@FULLNAME@/$full_name/g" \
        "$repo/data/vuvivaz.ini.in" | sed 's/$/\r/' > "$workdir/vuvivaz.ini.tmp"
    mv "$workdir/vuvivaz.ini.tmp" "$workdir/vuvivaz.ini"
fi
for file in "$repo"/data/*; do
    name=$(basename "$file")
    case "$name" in *.in|*.svg) continue ;; esac
    [ -e "$workdir/$name" ] || cp "$file" "$workdir/$name"
done
