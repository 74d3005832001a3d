#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Makes docs/screenshots/*.png from the real window at 1024 × 768: the home
# page, a mailbox with an HTML mail, a contact, an appointment, a task and
# a search of every folder.
# Usage: scripts/screenshots.sh [build folder]   (default: build)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
cmake --build "$build" --target lumaroo_screenshots lumaroo-cli
# The window indexes a file for searching with the command line program.
export LUMAROO_CLI="$build/src/cli/lumaroo-cli"
# The web view renders without a display; no X server is needed.
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
export QT_WEBVIEW_PLUGIN=webengine
export TZ=UTC
"$build/tests/ui/lumaroo_screenshots" "$root/docs/screenshots"
