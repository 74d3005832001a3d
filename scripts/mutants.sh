#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Checks that the tests notice real faults. Each patch in tests/mutants puts
# one fault into src/; this script builds a scratch copy of the working tree,
# makes sure its tests pass, then applies each patch in turn, rebuilds and
# runs ctest until the first failing suite (the one that kills the mutant).
# A patch that does not compile kills nothing and is reported apart.
# Slow (a build and a test run per mutant) and not part of CI.
#
# usage: scripts/mutants.sh [--list] [NAME...]   (NAME: a patch, with or without .patch)
# env:   LUMAROO_JOBS (build and test jobs), LUMAROO_MUTANTS_DIR (scratch folder,
#        default /tmp/lumaroo-mutants), LUMAROO_SHARED_DIR (test data, default ../shared)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=${LUMAROO_MUTANTS_DIR:-/tmp/lumaroo-mutants}
tree=$work/src-tree
build=$work/build
logs=$work/logs
jobs=${LUMAROO_JOBS:-$(nproc)}
# The copy lives away from ../shared, so the build is told where the test data is.
shared=$(cd "${LUMAROO_SHARED_DIR:-$root/../shared}" && pwd)
# git apply in the copy must not find a repository above it.
export GIT_CEILING_DIRECTORIES=$work

list=false
[ "${1:-}" = --list ] && { list=true; shift; }
patches=()
if [ $# -eq 0 ]; then
    patches=("$root"/tests/mutants/*.patch)
else
    for name in "$@"; do
        patch=$root/tests/mutants/$(basename "${name%.patch}").patch
        [ -f "$patch" ] || { echo "no such mutant: $name" >&2; exit 2; }
        patches+=("$patch")
    done
fi
if $list; then
    for patch in "${patches[@]}"; do
        printf '%-42s %s\n' "$(basename "$patch" .patch)" "$(sed -n '1s/^# //p' "$patch")"
    done
    exit 0
fi

# Copies the tracked files, touching only those that differ: unchanged
# files keep their times, so ninja rebuilds only what changed.
mkdir -p "$tree" "$logs"
stage=$(mktemp -d "$work/stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT
(cd "$root" && git ls-files -z | tar --null -T - -cf -) | tar -xf - -C "$stage"
(cd "$stage" && find . -type f -print0) | while IFS= read -r -d '' file; do
    if ! cmp -s "$stage/$file" "$tree/$file"; then
        mkdir -p "$(dirname "$tree/$file")"
        cp "$stage/$file" "$tree/$file"
    fi
done
# Files gone from the project go from the copy too: the build globs sources.
(cd "$tree" && find . -type f -print0) | while IFS= read -r -d '' file; do
    [ -e "$stage/$file" ] || rm "$tree/$file"
done

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMAROO_SHARED_DIR="$shared" \
    "${launcher[@]}" >"$logs/configure.log"
echo "building the unmutated copy in $build"
cmake --build "$build" -j "$jobs" >"$logs/build.log" 2>&1 || { echo "the unmutated copy does not build: $logs/build.log" >&2; exit 2; }
echo "testing the unmutated copy"
(cd "$build" && ctest -j "$jobs" --timeout 300 --output-on-failure) >"$logs/unmutated.log" 2>&1 ||
    { echo "the unmutated copy fails its tests: $logs/unmutated.log" >&2; exit 2; }

# The suite that killed a mutant last time is built and run first on its own:
# when it kills again, the full build and run are spared. Otherwise every
# suite is built and runs as before.
killers=$work/killers
mkdir -p "$killers"
killed_again() {
    [ -s "$killers/$1" ] || return 1
    # shellcheck disable=SC2046 # one target per line
    cmake --build "$build" -j "$jobs" --target $(cat "$killers/$1") >>"$2" 2>&1 || return 1
    (cd "$build" && ctest -j "$jobs" --no-tests=error --timeout 300 --output-on-failure \
        -R "^($(paste -sd'|' "$killers/$1"))\$") >>"$2" 2>&1 && return 1
    [ -s "$build/Testing/Temporary/LastTestsFailed.log" ]
}

applied=""
revert() { [ -z "$applied" ] || (cd "$tree" && git apply -R "$applied"); applied=""; }
trap 'revert; rm -rf "$stage"' EXIT
results=()
killed=0 survived=0 uncompiled=0
for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    log=$logs/$name.log
    (cd "$tree" && git apply "$patch")
    applied=$patch
    rm -f "$build/Testing/Temporary/LastTestsFailed.log" "$log"
    outcome=killed
    if ! killed_again "$name" "$log"; then
        rm -f "$build/Testing/Temporary/LastTestsFailed.log"
        if ! cmake --build "$build" -j "$jobs" >>"$log" 2>&1; then
            outcome=uncompiled
        elif (cd "$build" && ctest -j "$jobs" --stop-on-failure --timeout 300 --output-on-failure) >>"$log" 2>&1; then
            outcome=survived
        fi
    fi
    if [ "$outcome" = uncompiled ]; then
        result="did not compile"
        uncompiled=$((uncompiled + 1))
    elif [ "$outcome" = survived ]; then
        result="SURVIVED"
        survived=$((survived + 1))
    else
        # ctest names the failed tests as "number:name", one a line.
        suite=$(cut -d: -f2 "$build/Testing/Temporary/LastTestsFailed.log" 2>/dev/null | paste -sd, -)
        result="KILLED by ${suite:-?}"
        cut -d: -f2 "$build/Testing/Temporary/LastTestsFailed.log" >"$killers/$name" 2>/dev/null || true
        killed=$((killed + 1))
    fi
    revert
    results+=("$(printf '%-42s %s' "$name" "$result")")
    echo "${results[-1]}"
done

echo
printf '%s\n' "${results[@]}"
echo "${#patches[@]} mutants: $killed killed, $survived survived, $uncompiled did not compile"
[ "$killed" -eq "${#patches[@]}" ]
