#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds Lumaroo and runs every test through ctest.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${LUMAROO_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
