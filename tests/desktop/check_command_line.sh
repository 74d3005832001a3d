#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Both programs' command-line manners: --help and --version answer on stdout
# and exit 0 (the window program without opening a window, so without a
# display); wrong use exits 2 with the usage on stderr; the window program
# without a display says so in one line.
# usage: check_command_line.sh LUMAROO LUMAROO_CLI VERSION
set -uo pipefail
lumaroo=${1:?lumaroo} cli=${2:?lumaroo-cli} version=${3:?version}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
failed=0

# expect STATUS STDOUT-PATTERN STDERR-PATTERN PROGRAM ARGS...
# A pattern of "" means that stream must be empty.
expect() {
    local status=$1 out_pattern=$2 err_pattern=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 "$@" > "$work/out" 2> "$work/err"
    local got=$?
    local what="$(basename "$1") ${*:2}"
    [ $got = "$status" ] || { echo "FAIL: '$what' exited $got, expected $status" >&2; failed=1; }
    check_stream "$what" stdout "$work/out" "$out_pattern"
    check_stream "$what" stderr "$work/err" "$err_pattern"
}

check_stream() {
    local what=$1 name=$2 file=$3 pattern=$4
    if [ -z "$pattern" ]; then
        [ ! -s "$file" ] || { echo "FAIL: '$what' wrote to $name: $(head -c 300 "$file")" >&2; failed=1; }
    elif ! grep -Eq -- "$pattern" "$file"; then
        echo "FAIL: '$what' $name lacks /$pattern/: $(head -c 300 "$file")" >&2
        failed=1
    fi
}

expect 0 "Usage: .*lumaroo \[options\] \[FILE\.\.\.\]" "" "$lumaroo" --help
expect 0 "--version" "" "$lumaroo" -h
expect 0 "^lumaroo $version$" "" "$lumaroo" --version
expect 1 "" "^lumaroo: no display" "$lumaroo" some.pst
[ "$(wc -l < "$work/err")" = 1 ] || { echo "FAIL: no-display message is not one line" >&2; failed=1; }
expect 1 "" "^lumaroo: cannot open a window: .*:97" env DISPLAY=:97 "$lumaroo"
[ "$(wc -l < "$work/err")" = 1 ] || { echo "FAIL: unreachable-display message is not one line" >&2; failed=1; }
expect 2 "" "Unknown option 'bogus'" env QT_QPA_PLATFORM=offscreen "$lumaroo" --bogus

expect 0 "Commands:" "" "$cli" --help
expect 0 "^lumaroo-cli $version$" "" "$cli" --version
for command in tree list show convert; do
    expect 0 "^Usage: lumaroo-cli $command " "" "$cli" $command --help
done
expect 2 "" "Usage: .*lumaroo-cli" "$cli"
expect 2 "" "unknown command \"frobnicate\"" "$cli" frobnicate
expect 2 "" "Unknown option 'bogus'" "$cli" --bogus tree x.pst
expect 2 "" "usage: lumaroo-cli tree FILE.pst" "$cli" tree
expect 2 "" "usage: lumaroo-cli convert" "$cli" convert x.pst
exit $failed
