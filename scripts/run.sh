#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds Lumaroo and starts it. With no argument it opens a sample mailbox
# (every kind of item, a few folders, an HTML mail with an inline picture)
# that the project's own PST writer makes in the build folder.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${LUMAROO_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
if [ $# -eq 0 ]; then
  sample=$build/sample/Lumaroo-sample.pst
  if [ ! -s "$sample" ]; then
    cmake --build "$build" --target pstgen >/dev/null
    mkdir -p "$build/sample"
    "$build/tests/support/pstgen/pstgen" --preset all-kinds -o "$sample" >/dev/null
  fi
  set -- "$sample"
fi
exec "$build/src/lumaroo" "$@"
