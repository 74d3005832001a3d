#!/usr/bin/env bash
# Gives every source file of the project the licence line
#   SPDX-License-Identifier: GPL-2.0-or-later
# in its own comment syntax, at the top (after a #! line). Files that carry
# an SPDX line already are left alone, so running it again changes nothing.
# usage: scripts/spdx-headers.sh [--check]   (--check: list files lacking it, exit 1 if any)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
check=false
[ "${1:-}" = --check ] && check=true
tag='SPDX-License-Identifier: GPL-2.0-or-later'

comment_for() { # FILE -> the comment line, or nothing for files that take none
    case "$1" in
        *.cpp | *.h | *.c | *.qml) echo "// $tag" ;;
        CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py) echo "# $tag" ;;
        *)
            # Scripts without a suffix, such as .ci/run.
            if head -c 2 "$1" | grep -q '^#!' && head -n 1 "$1" | grep -Eq 'sh|python'; then
                echo "# $tag"
            fi
            ;;
    esac
}

missing=0
while IFS= read -r -d '' file; do
    [ -f "$file" ] || continue
    line=$(comment_for "$file")
    [ -n "$line" ] || continue
    head -n 5 "$file" | grep -q 'SPDX-License-Identifier:' && continue
    missing=$((missing + 1))
    if $check; then
        echo "$file"
        continue
    fi
    tmp=$(mktemp)
    if head -n 1 "$file" | grep -q '^#!'; then
        { head -n 1 "$file"; echo "$line"; tail -n +2 "$file"; } > "$tmp"
    else
        { echo "$line"; cat "$file"; } > "$tmp"
    fi
    # Keep the file's mode (scripts stay executable).
    cat "$tmp" > "$file"
    rm -f "$tmp"
done < <(if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
             git ls-files -z
         else
             find . -path ./build -prune -o -path ./.git -prune -o -type f -printf '%P\0'
         fi)

if $check; then
    [ $missing -eq 0 ] || { echo "$missing file(s) lack an SPDX line" >&2; exit 1; }
else
    echo "added the SPDX line to $missing file(s)"
fi
