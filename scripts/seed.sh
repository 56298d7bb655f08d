#!/usr/bin/env bash
# Seeds a working directory with the default files; existing files stay.
#
#   seed.sh WORKDIR [DEFAULTS]
#
# DEFAULTS is the folder of default files: data/ of the source tree unless
# given (the installed launcher gives share/vuvivaz/).
set -euo pipefail
workdir="$1"
defaults="${2:-$(cd "$(dirname "$0")/../data" && pwd)}"
mkdir -p "$workdir"

login=$(id -un)
full_name=$(getent passwd "$login" | cut -d: -f5 | cut -d, -f1)
[ -n "$full_name" ] || full_name="$login"

# The names are put in by plain text replacement, never as a pattern, so any
# character in them ("/", "&", "\") stays as it is. The quotes around the
# replacement keep bash 5.2 from reading "&" in it as the matched text.
if [ ! -e "$workdir/vuvivaz.ini" ]; then
    while IFS= read -r line || [ -n "$line" ]; do
        line=${line%$'\r'}
        line=${line//@LOGIN@/"$login"}
        line=${line//@FULLNAME@/"$full_name"}
        printf '%s\r\n' "$line"
    done < "$defaults/vuvivaz.ini.in" > "$workdir/vuvivaz.ini.tmp"
    mv "$workdir/vuvivaz.ini.tmp" "$workdir/vuvivaz.ini"
fi
for file in "$defaults"/*; do
    name=$(basename "$file")
    case "$name" in *.in|*.svg) continue ;; esac
    [ -e "$workdir/$name" ] || cp "$file" "$workdir/$name"
done
