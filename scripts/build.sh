#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the dependencies and builds everything into ./build (or $LUMAROO_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${LUMAROO_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
launcher=()
# Rebuilds on a developer's machine are much faster through ccache; CI builds once and has none.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} "${launcher[@]}" >/dev/null
cmake --build "$build" -j "${LUMAROO_JOBS:-$(nproc)}"
